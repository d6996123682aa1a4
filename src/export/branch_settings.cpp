#include "export/branch_settings.h"
