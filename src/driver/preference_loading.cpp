#include "driver/preference_loading.h"

#include "common/installation_paths.h"
#include "common/messages.h"
#include "utils/portable_preferences.h"
#include "utils/xml_preferences.h"

#include <QDir>

bool loadConsolePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths)
{
    return store.load(paths.consolePreferencesPath(), false);
}

bool loadServicePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths)
{
    return store.load(paths.servicePreferencesPathInUse(), false);
}

QString preferencesLoadFailureReason(const UtilsLib::XmlPreferences &store)
{
    using Kind = UtilsLib::PreferenceLoadFailure::Kind;
    const QString path = store.path();
    const UtilsLib::PreferenceLoadFailure failure =
        store.loadFailure().value_or(UtilsLib::PreferenceLoadFailure{});
    switch (failure.kind) {
    case Kind::NotFound:
        if (QDir::isRelativePath(path)) {
            return Messages::preferencesFileMissingFromWorkingFolder(
                path, QDir::cleanPath(QDir::current().absoluteFilePath(path)));
        }
        return Messages::preferencesFileMissing(path);
    case Kind::Unreadable: return Messages::preferencesFileUnreadable(path, failure.reason);
    case Kind::NotWellFormed:
        return Messages::preferencesFileNotValid(path, failure.reason, failure.line,
                                                 failure.column);
    }
    return {};
}
