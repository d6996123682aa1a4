#include "database/database_settings_export.h"
