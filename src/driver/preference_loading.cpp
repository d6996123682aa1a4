#include "driver/preference_loading.h"

#include "common/installation_paths.h"
#include "utils/portable_preferences.h"

bool loadConsolePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths)
{
    return store.load(paths.consolePreferencesPath(), false);
}

bool loadServicePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths)
{
    return store.load(paths.servicePreferencesPath(), false);
}
