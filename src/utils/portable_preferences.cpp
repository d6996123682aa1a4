#include "utils/portable_preferences.h"

namespace UtilsLib {

PortablePreferences::~PortablePreferences() = default;

} // namespace UtilsLib
