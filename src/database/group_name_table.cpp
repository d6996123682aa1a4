#include "database/group_name_table.h"
