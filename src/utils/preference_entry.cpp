#include "utils/preference_entry.h"
