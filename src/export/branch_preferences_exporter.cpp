#include "export/branch_preferences_exporter.h"
