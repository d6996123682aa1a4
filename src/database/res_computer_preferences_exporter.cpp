#include "database/res_computer_preferences_exporter.h"
