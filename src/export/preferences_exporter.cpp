#include "export/preferences_exporter.h"
