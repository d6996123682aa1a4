#include "database/field_values.h"
