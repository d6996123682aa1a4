#pragma once

#include <QString>

/// Every text the program prints on the console, in the order the program prints them.
/// Texts that carry input (paths, values) are joined, never formatted, so that a "%1"
/// in a value stays as it is. Paths are shown with the system's own separators.
namespace Messages {

// Start and paths
QString programDataPathFailed();
QString banner(const QString &version);
QString desktopExportFolderFailed();
QString exportFolderNotCreated(const QString &folder);

// Preference stage
QString preferencesLoaded();
QString preferencesNotLoaded();
QString consolePreferencesPathWas(const QString &path);
QString servicePreferencesPathWas(const QString &path);
// Why the file shown above did not load: \a path as shown there.
QString preferencesFileMissing(const QString &path);
QString preferencesFileMissingFromWorkingFolder(const QString &path, const QString &lookedForAt);
QString preferencesFileUnreadable(const QString &path, const QString &systemReason);
QString preferencesFileNotValid(const QString &path, const QString &readerMessage, qint64 line,
                                qint64 column);
QString preferenceStageFailed();

// Branch export
QString exportFileNotOpened(const QString &path);
QString reason(const QString &systemReason);
QString localFileNotMapped(const QString &value, const QString &cloudSettingLabel);
QString welcomeMessageToConfigure();
QString charactersReplaced(const QString &valueAsWritten, const QString &label);
QString localizedMessagesUnreadable(const QString &path);

// Database stage
QString tableNotDumped(const QString &sqliteMessage);
QString dumpNotRead(const QString &dumpPath, const QString &reason);
QString groupsDumpNotOpened();
QString groupDataNotWritten(const QString &dumpPath);
QString computersDumpNotOpened();
QString computerDataNotWritten(const QString &dumpPath);
QString dumpNotDeleted(const QString &dumpPath, const QString &reason);
QString databaseStageFailed();

// End of the run
QString rulesNotExported();
QString passwordInClearText();
QString exportSummary(qint64 branchSettings, qint64 commentedBranchSettings, qint64 groups,
                      qint64 groupSettings, qint64 computers, qint64 ungroupedComputers);
QString toDoListWritten(qsizetype items, const QString &path);
QString toDoListNotWritten(const QString &path, const QString &systemReason);
QString exportDone();
QString exportFileLocation(const QString &path);
QString importHint();
QString exportFailed();
QString pressEnterToClose();

// Command line
QString usage();
QString unknownArgument(const QString &argument);

// The list of settings to configure by hand
QString toDoListTitle();
QString nothingToConfigure();

} // namespace Messages
