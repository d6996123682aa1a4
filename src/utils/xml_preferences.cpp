#include "utils/xml_preferences.h"
