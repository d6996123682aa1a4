#pragma once

#include <QString>

/// Every text the program shows: its console lines, grouped by the part of the run that
/// prints them, and the fixed lines of the list of settings to configure by hand. Texts
/// that carry input (paths, values) are joined, never formatted, so that a "%1" in a value
/// stays as it is. Paths are shown with the system's own separators.
namespace Messages {

// Start and paths
QString programDataPathFailed();
QString banner(const QString &version);
QString desktopExportFolderFailed();
QString exportFolderNotCreated(const QString &folder);
QString exportFolderInUse(const QString &folder, qint64 processId);

// Preference stage
QString preferencesLoaded();
QString preferencesNotLoaded();
QString consolePreferencesPathWas(const QString &path);
QString servicePreferencesPathWas(const QString &path);
/// Why a preference file did not load, the line after the paths: \a failure as the store
/// gives it.
QString preferencesNotLoadedBecause(const QString &failure);
QString preferenceStageFailed();

// Branch export
QString exportFileNotOpened(const QString &path);
QString exportFileNotWritten(const QString &path, const QString &systemReason);
QString valueInvalid(const QString &value, const QString &cloudSettingLabel);
QString authorityTypeNotSupported(const QString &authorityName);
QString telnetConnectionNotSupported(const QString &authorityName);
QString reason(const QString &systemReason);
QString localFileNotMapped(const QString &value, const QString &cloudSettingLabel);
QString welcomeMessageToConfigure();
QString charactersReplaced(const QString &valueAsWritten, const QString &label);
QString localizedMessagesUnreadable(const QString &path);
// The cloud service's settings as the messages above name them (the labels).
QString floorPlanMapLabel();
QString usagePolicyLabel();
QString backgroundImageLabel();
QString groupSettingLabel();
QString computerNameLabel();
QString computerDescriptionLabel();
QString computerLocationLabel();
QString computerGroupLabel();

// Database stage (the reasons a table was not dumped follow "Error: ")
QString databaseNotOpened(const QString &databasePath, const QString &sqliteMessage);
QString dumpNotOpened(const QString &dumpPath, const QString &systemReason);
QString dumpNotWritten(const QString &dumpPath, const QString &systemReason);
QString tableNotDumped(const QString &sqliteMessage);
// Why a table was not read, with SQLite's result code unless it is 0.
QString statementNotPrepared(const QString &sqliteMessage, int resultCode);
QString rowNotRead(const QString &sqliteMessage, int resultCode);
QString dumpNotRead(const QString &dumpPath, const QString &reason);
QString groupsDumpNotOpened();
QString valueNotWholeNumber(const QString &value, const QString &groupName, int column);
QString groupDataNotWritten(const QString &dumpPath);
QString computersDumpNotOpened();
QString computerDataNotWritten(const QString &dumpPath);
QString dumpNotDeleted(const QString &dumpPath, const QString &reason);
QString databaseStageFailed();

// End of the run
QString rulesNotExported();
QString rulesFileUnreadable(const QString &path);
QString passwordInClearText();
QString exportSummary(qint64 branchSettings, qint64 commentedBranchSettings, qint64 groups,
                      qint64 groupSettings, qint64 computers, qint64 ungroupedComputers);
QString toDoListWritten(qsizetype items, const QString &path);
QString toDoListNotWritten(const QString &path, const QString &systemReason);
/// Why the list was not written, when the part written could not be deleted either.
QString toDoListPartNotDeleted(const QString &writeReason, const QString &deleteReason);
QString exportDone();
QString exportFileLocation(const QString &path);
QString importHint();
QString exportFailed();
QString pressEnterToClose();

// Why a preference file did not load, as the store gives it: the file, then what is wrong
// with it (one of the texts after it).
QString preferenceFileFailed(const QString &path, const QString &whatIsWrong);
QString preferenceFileMissing();
QString preferenceFileMissingFromWorkingFolder(const QString &lookedForAt);
QString preferenceFileUnreadable(const QString &systemReason);
QString preferenceFileNotValid(const QString &readerMessage, qint64 line, qint64 column);
// What the reader of preference documents finds wrong, besides its own messages.
QString preferenceFileEmpty();
QString wronglyEncodedContent();
QString entityExpansionRefused(qint64 mebibytes);

// The reasons of files that cannot be read, where the system has none.
QString folderNotFile();
QString systemError(quint32 code);

// Command line
QString usage();
QString unknownArgument(const QString &argument);

// The list of settings to configure by hand
QString toDoListTitle();
QString nothingToConfigure();

} // namespace Messages
