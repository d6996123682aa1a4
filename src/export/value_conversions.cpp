#include "export/value_conversions.h"
