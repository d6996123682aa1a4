#include "database/table_dump.h"
