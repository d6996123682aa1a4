#include "driver/exporter_program.h"

#include "common/export_location.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/database_settings_export.h"
#include "database/group_name_table.h"
#include "driver/preference_loading.h"
#include "driver/rules_check.h"
#include "export/branch_settings.h"
#include "export/localized_messages.h"
#include "platform/console.h"
#include "platform/program_version.h"
#include "utils/xml_preferences.h"

#include <QFile>

#include <cstdio>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;

/// What the run shares between its stages, made in this order before the banner.
struct ProcessObjects {
    UtilsLib::XmlPreferences store{u"MC Config"_s};
    InstallationPaths installationPaths;
    ExportLocation exportLocation;
    GroupNameTable groupNames;
};

/// The preference stage: both preference files into the one store, then the branch rows.
bool exportPreferences(ProcessObjects &objects)
{
    InstallationPaths &paths = objects.installationPaths;
    // The service file is read only when the console file loaded.
    if (loadConsolePreferences(objects.store, paths) && loadServicePreferences(objects.store, paths)) {
        Console::outLine(Messages::preferencesLoaded());
        return exportBranchSettings(objects.store, objects.exportLocation.exportFilePath());
    }
    Console::errLine(Messages::preferencesNotLoaded());
    Console::errLine(Messages::consolePreferencesPathWas(paths.consolePreferencesPath()));
    Console::errLine(Messages::servicePreferencesPathWas(paths.servicePreferencesPath()));
    return false;
}

int endWith(int exitStatus)
{
    Console::waitForKey();
    return exitStatus;
}

} // namespace

int runExporter()
{
    ProcessObjects objects;
    // Asking for this path may already report a missing program-data folder, before the banner.
    setLocalMessagesPath(objects.installationPaths.localMessagesPath());

    Console::outLine(Messages::banner(programVersion()));
    Console::endLine(Console::Stream::Out);

    // Whether an old export file was there, and whether it went, does not matter.
    std::remove(QFile::encodeName(objects.exportLocation.exportFilePath()).constData());

    try {
        if (!exportPreferences(objects)) {
            Console::errLine(Messages::preferenceStageFailed());
            return endWith(kExitFailure);
        }
        if (!exportDatabaseSettings(objects.installationPaths, objects.exportLocation,
                                    objects.groupNames)) {
            Console::errLine(Messages::databaseStageFailed());
            return endWith(kExitFailure);
        }
    } catch (const std::runtime_error &error) {
        Console::endLine(Console::Stream::Err);
        Console::errLine(QString::fromUtf8(error.what()));
        Console::errLine(Messages::exportFailed());
        // The export did not complete, so the run fails.
        return endWith(kExitFailure);
    }

    if (validatingAuthorityRulesConfigured(objects.installationPaths.userValidationPath())) {
        Console::endLine(Console::Stream::Out);
        Console::outLine(Messages::rulesNotExported());
    }

    const QString exportFilePath = objects.exportLocation.exportFilePath();
    Console::endLine(Console::Stream::Out);
    Console::outLine(Messages::exportDone());
    Console::outLine(exportFilePath);

    Console::endLine(Console::Stream::Out);
    Console::out(Messages::importHint());
    return endWith(kExitSuccess);
}
