#include "database/dump_reader.h"
