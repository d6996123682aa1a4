#include "database/group_preferences_exporter.h"
