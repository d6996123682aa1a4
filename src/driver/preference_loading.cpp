#include "driver/preference_loading.h"

#include "common/installation_paths.h"
#include "utils/xml_preferences.h"

bool loadConsolePreferences(UtilsLib::XmlPreferences &store, InstallationPaths &paths,
                            QString *error)
{
    return store.loadFile(paths.consolePreferencesPath(), error);
}

bool loadServicePreferences(UtilsLib::XmlPreferences &store, InstallationPaths &paths,
                            QString *error)
{
    return store.loadFile(paths.servicePreferencesPathInUse(), error);
}
