#include "driver/exporter_program.h"

#include "common/export_location.h"
#include "common/export_stopped.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/database_settings_export.h"
#include "database/group_name_table.h"
#include "driver/export_folder_lock.h"
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
struct ProcessWideObjects {
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

/// What an earlier run left in the export folder: the export file and its list, and what
/// a run that did not complete left besides (its partial export file and the dumps).
/// Named once, right after the banner: asking for a path again would report a desktop
/// that cannot be used once more.
struct EarlierExport {
    explicit EarlierExport(ExportLocation &location)
        : exportFilePath(location.exportFilePath()), toDoListPath(location.actionsRequiredPath()),
          partialExportFilePath(ExportFile::partialPath(exportFilePath)),
          groupsDumpPath(
              ExportLocation::besideExportFile(exportFilePath, ExportLocation::kGroupsDumpName)),
          computersDumpPath(
              ExportLocation::besideExportFile(exportFilePath, ExportLocation::kComputersDumpName))
    { }

    /// Deletes every file, silently: whether one was there, and whether it went, does not
    /// matter. The export is written into its partial file from its start and takes the
    /// export file's name only when complete, a list is written only at the end of a
    /// complete export, and the dumps are written from their start.
    void remove() const
    {
        for (const QString *path : {&exportFilePath, &toDoListPath, &partialExportFilePath,
                                    &groupsDumpPath, &computersDumpPath})
            QFile::remove(*path);
    }

    QString exportFilePath;
    QString toDoListPath;
    QString partialExportFilePath;
    QString groupsDumpPath;
    QString computersDumpPath;
};

/// The preference stage: both preference files into the one store, then the branch rows.
/// The earlier run's export goes only once both files have loaded: a run that stops
/// before (started from the wrong folder, a broken preference file) leaves it as it was.
bool exportPreferences(ProcessWideObjects &objects, const EarlierExport &earlier)
{
    InstallationPaths &paths = objects.installationPaths;
    // The service file is read only when the console file loaded.
    QString failure;
    if (loadConsolePreferences(objects.store, paths, &failure)
        && loadServicePreferences(objects.store, paths, &failure)) {
        earlier.remove();
        Console::outLine(Messages::preferencesLoaded());
        return exportBranchSettings(objects.store, objects.messages, objects.exportFile,
                                    objects.exportLocation.exportFilePath());
    }
    Console::errLine(Messages::preferencesNotLoaded());
    Console::errLine(Messages::consolePreferencesPathWas(paths.consolePreferencesPath()));
    Console::errLine(Messages::servicePreferencesPathWas(paths.servicePreferencesPathInUse()));
    Console::errLine(Messages::preferencesNotLoadedBecause(failure));
    return false;
}

/// The final wait, once the run has released everything it held; then \a exitStatus is
/// the program's.
int finalWait(int exitStatus)
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

/// The export stopped with \a message: the rows written before it stay in the partial file,
/// then the message is reported. A write that fails on the way is reported after it.
int failedWith(ExportFile &exportFile, const QString &message)
{
    QString writeFailure;
    try {
        exportFile.flush();
    } catch (const ExportStopped &failure) {
        writeFailure = failure.message();
    }
    Console::endLine(Console::Stream::Err);
    Console::errLine(message);
    if (!writeFailure.isEmpty())
        Console::errLine(writeFailure);
    Console::errLine(Messages::exportFailed());
    // The export did not complete, so the run fails.
    return kExitFailure;
}

/// The end of a complete export: the list of settings to configure by hand beside the
/// export file, and the summary of what went into the file.
void reportExport(ProcessWideObjects &objects)
{
    const RunReport &report = objects.report;
    const QString toDoListPath = objects.exportLocation.actionsRequiredPath();
    QString error;
    const bool isListWritten = writeToDoList(toDoListPath, report.actionItems(), &error);
    const RowCounts &counts = report.rowCounts();
    Console::endLine(Console::Stream::Out);
    Console::outLine(Messages::exportSummary(counts.branchSettings, counts.commentedBranchSettings,
                                             counts.groups, counts.groupSettings, counts.computers,
                                             counts.ungroupedComputers));
    // The export file is complete either way; the items are on the console above.
    Console::outLine(isListWritten
                         ? Messages::toDoListWritten(report.actionItems().size(), toDoListPath)
                         : Messages::toDoListNotWritten(toDoListPath, error));
}

/// Both stages, the checks that follow a complete export and its report; the exit status.
int exportSettings(ProcessWideObjects &objects, const EarlierExport &earlier)
{
    // The export file is flushed before every line that reports an outcome, so what the
    // console says has happened is in the file, and a failed write is reported first.
    ExportFile &exportFile = objects.exportFile;
    try {
        if (!exportPreferences(objects, earlier)) {
            exportFile.flush();
            Console::errLine(Messages::preferenceStageFailed());
            return kExitFailure;
        }
        exportFile.flush();
        if (!exportDatabaseSettings(objects.installationPaths, objects.exportLocation,
                                    objects.messages, exportFile, objects.groupNames)) {
            exportFile.flush();
            Console::errLine(Messages::databaseStageFailed());
            return kExitFailure;
        }
        // Nothing is reported done before the file is on the storage device and closed.
        exportFile.finish();
    } catch (const ExportStopped &stop) {
        return failedWith(exportFile, stop.message());
    } catch (const std::runtime_error &error) {
        // Any other runtime error (the store's getAll, which no stage calls) ends the export
        // the same way.
        return failedWith(exportFile, QString::fromUtf8(error.what()));
    }

    const QString userValidationPath = objects.installationPaths.userValidationPath();
    QString rulesFileUnreadable;
    if (validatingAuthorityRulesConfigured(userValidationPath, &rulesFileUnreadable)) {
        Console::endLine(Console::Stream::Out);
        objects.report.actionRequired(Messages::rulesNotExported());
    } else if (!rulesFileUnreadable.isEmpty()) {
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
    return kExitSuccess;
}

/// Exports while holding the export folder's lock; another run that holds it stops this
/// one before anything is loaded, deleted or written.
int exportWhileHoldingTheFolder(ProcessWideObjects &objects, const EarlierExport &earlier)
{
    ExportFolderLock lock(earlier.exportFilePath);
    if (lock.take() == ExportFolderLock::Outcome::HeldByAnotherRun) {
        Console::errLine(Messages::exportFolderInUse(lock.folder(), lock.holderProcessId()));
        Console::errLine(Messages::exportFailed());
        return kExitFailure;
    }
    const int exitStatus = exportSettings(objects, earlier);
    // What a run that did not complete wrote is left closed, before the lock goes.
    objects.exportFile.closeIncomplete();
    return exitStatus;
}

} // namespace

int runExporter(const QStringList &arguments)
{
    // Arguments are answered before anything is looked up, so only the answer is printed.
    if (const std::optional<int> answered = answerHelpOrUnknownArgument(arguments))
        return *answered;

    ProcessWideObjects objects;

    Console::outLine(Messages::banner(programVersion()));
    Console::endLine(Console::Stream::Out);

    // The paths are looked up here, so that a desktop that cannot be used is reported
    // right after the banner; the files go once the preferences have loaded.
    const EarlierExport earlier(objects.exportLocation);

    // One run at a time uses the export folder. The lock goes before the final wait, so a
    // window left open at it keeps no later run out.
    const int exitStatus = exportWhileHoldingTheFolder(objects, earlier);
    return finalWait(exitStatus);
}
