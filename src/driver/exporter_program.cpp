#include "driver/exporter_program.h"

#include "common/export_location.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/database_settings_export.h"
#include "database/group_name_table.h"
#include "driver/preference_loading.h"
#include "driver/program_arguments.h"
#include "driver/rules_check.h"
#include "export/branch_settings.h"
#include "export/export_file.h"
#include "export/localized_messages.h"
#include "export/run_report.h"
#include "export/to_do_list.h"
#include "platform/console.h"
#include "platform/program_version.h"
#include "utils/xml_preferences.h"

#include <QFile>

#include <optional>
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
    RunReport report; ///< what the run reports as it goes
    /// Asking for its path may already report a missing program-data folder, before the
    /// banner.
    LocalizedMessages messages{installationPaths.localMessagesPath(), report};
    ExportFile exportFile{report}; ///< one writer for the whole run
};

/// What an earlier run left beside the export file: the export file and its list.
struct EarlierExport {
    QString exportFilePath;
    QString toDoListPath;
};

/// The preference stage: both preference files into the one store, then the branch rows.
/// The earlier run's export goes only once both files have loaded: a run that stops
/// before (started from the wrong folder, a broken preference file) leaves it as it was.
bool exportPreferences(ProcessObjects &objects, const EarlierExport &earlier)
{
    InstallationPaths &paths = objects.installationPaths;
    // The service file is read only when the console file loaded.
    if (loadConsolePreferences(objects.store, paths) && loadServicePreferences(objects.store, paths)) {
        // Whether an old export file or list was there, and whether it went, does not
        // matter: the export file is written from its start, and a list is written only at
        // the end of a complete export.
        QFile::remove(earlier.exportFilePath);
        QFile::remove(earlier.toDoListPath);
        Console::outLine(Messages::preferencesLoaded());
        return exportBranchSettings(objects.store, objects.messages, objects.exportFile,
                                    objects.exportLocation.exportFilePath());
    }
    Console::errLine(Messages::preferencesNotLoaded());
    Console::errLine(Messages::consolePreferencesPathWas(paths.consolePreferencesPath()));
    Console::errLine(Messages::servicePreferencesPathWas(paths.servicePreferencesPathInUse()));
    Console::errLine(preferencesLoadFailureReason(objects.store));
    return false;
}

int endWith(int exitStatus)
{
    // Someone at a console is told what the program waits for; redirected input is not.
    if (const std::optional<Console::Stream> screen = Console::announcementStream()) {
        Console::endLine(*screen);
        Console::endLine(*screen);
        Console::write(*screen, Messages::pressEnterToClose());
    }
    Console::waitForKey();
    return exitStatus;
}

/// A runtime error ended the export: the rows written before it stay in the file, then the
/// error is reported. A write that fails on the way is reported after it.
int endWithError(ExportFile &exportFile, const std::runtime_error &error)
{
    QString writeFailure;
    try {
        exportFile.flush();
    } catch (const ExportFileError &failure) {
        writeFailure = QString::fromUtf8(failure.what());
    }
    Console::endLine(Console::Stream::Err);
    Console::errLine(QString::fromUtf8(error.what()));
    if (!writeFailure.isEmpty())
        Console::errLine(writeFailure);
    Console::errLine(Messages::exportFailed());
    // The export did not complete, so the run fails.
    return endWith(kExitFailure);
}

/// The end of a complete export: the list of settings to configure by hand beside the
/// export file, and the summary of what went into the file.
void reportExport(ProcessObjects &objects)
{
    const RunReport &report = objects.report;
    const QString toDoListPath = objects.exportLocation.actionsRequiredPath();
    QString error;
    const bool isListWritten = writeToDoList(toDoListPath, report.actionItems(), &error);
    const RowCounts &counts = report.rowCounts();
    Console::endLine(Console::Stream::Out);
    Console::outLine(Messages::exportSummary(counts.branchSettings, counts.commentedBranchSettings,
                                             counts.groups, counts.groupSettings,
                                             counts.computers, counts.ungroupedComputers));
    // The export file is complete either way; the items are on the console above.
    Console::outLine(isListWritten
                         ? Messages::toDoListWritten(report.actionItems().size(), toDoListPath)
                         : Messages::toDoListNotWritten(toDoListPath, error));
}

} // namespace

int runExporter(const QStringList &arguments)
{
    // Arguments are answered before anything is looked up, so only the answer is printed.
    if (const std::optional<int> answered = answerArguments(arguments))
        return *answered;

    ProcessObjects objects;

    Console::outLine(Messages::banner(programVersion()));
    Console::endLine(Console::Stream::Out);

    // The paths are looked up here, so that a desktop that cannot be used is reported
    // right after the banner; the files go once the preferences have loaded.
    const EarlierExport earlier{objects.exportLocation.exportFilePath(),
                                objects.exportLocation.actionsRequiredPath()};

    // The export file is flushed before every line that reports an outcome, so what the
    // console says has happened is in the file, and a failed write is reported first.
    ExportFile &exportFile = objects.exportFile;
    try {
        if (!exportPreferences(objects, earlier)) {
            exportFile.flush();
            Console::errLine(Messages::preferenceStageFailed());
            return endWith(kExitFailure);
        }
        exportFile.flush();
        if (!exportDatabaseSettings(objects.installationPaths, objects.exportLocation,
                                    objects.messages, exportFile, objects.groupNames)) {
            exportFile.flush();
            Console::errLine(Messages::databaseStageFailed());
            return endWith(kExitFailure);
        }
        // Nothing is reported done before the file is on the storage device and closed.
        exportFile.finish();
    } catch (const std::runtime_error &error) {
        return endWithError(exportFile, error);
    }

    const QString userValidationPath = objects.installationPaths.userValidationPath();
    bool isRulesFileUnreadable = false;
    if (validatingAuthorityRulesConfigured(userValidationPath, &isRulesFileUnreadable)) {
        Console::endLine(Console::Stream::Out);
        objects.report.actionRequired(Messages::rulesNotExported());
    } else if (isRulesFileUnreadable) {
        // Rules that could not be looked at may exist.
        Console::endLine(Console::Stream::Out);
        objects.report.actionRequired(Messages::rulesFileUnreadable(userValidationPath));
    }
    if (objects.report.hasPasswordInClearText()) {
        Console::endLine(Console::Stream::Out);
        objects.report.actionRequired(Messages::passwordInClearText());
    }
    reportExport(objects);

    const QString exportFilePath = objects.exportLocation.exportFilePath();
    Console::endLine(Console::Stream::Out);
    Console::outLine(Messages::exportDone());
    Console::outLine(Messages::exportFileLocation(exportFilePath));

    Console::endLine(Console::Stream::Out);
    Console::out(Messages::importHint());
    return endWith(kExitSuccess);
}
