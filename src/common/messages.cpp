#include "common/messages.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Messages {
namespace {

/// A path as the console shows it: with the system's own separators.
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

/// \a count and its noun, which takes an "s" unless the count is exactly 1.
QString counted(qint64 count, const QString &noun)
{
    return QString::number(count) + u' ' + noun + (count == 1 ? QString() : u"s"_s);
}

/// A reason placed before a full stop of the program's own: without its own full stop (the
/// Windows system messages and the XML reader's have one).
QString withoutFullStop(QString reason)
{
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

} // namespace

QString programDataPathFailed()
{
    return u"Failed to get Kestrun program data path."_s;
}

QString banner(const QString &version)
{
    return u"Kestrun Settings Exporter, version: "_s + version;
}

QString desktopExportFolderFailed()
{
    return u"Failed to get/create desktop export filepath. Export file will attempt to be "
           u"written to current directory. Note: This program must be running as "
           u"administrator for the export file to be written to the current directory."_s;
}

QString exportFolderNotCreated(const QString &folder)
{
    return u"Failed to create export folder on the desktop: "_s + shown(folder);
}

QString exportFolderInUse(const QString &folder, qint64 processId)
{
    return u"ERROR: Another run of the exporter is using the export folder '"_s + shown(folder)
        + u"' (process "_s + QString::number(processId)
        + u"). Wait for it to finish, then run again."_s;
}

QString preferencesLoaded()
{
    return u"Successfully loaded Management Console and Management Service QFP preferences."_s;
}

QString preferencesNotLoaded()
{
    return u"Failed to load MC/MS preferences."_s;
}

QString consolePreferencesPathWas(const QString &path)
{
    return u"MC QFP Path: "_s + shown(path);
}

QString servicePreferencesPathWas(const QString &path)
{
    return u"MS QFP Path: "_s + shown(path);
}

QString preferencesNotLoadedBecause(const QString &failure)
{
    return u"Reason: "_s + failure + u"."_s;
}

QString preferenceStageFailed()
{
    return u"Failed to export MC/MS preferences"_s;
}

QString exportFileNotOpened(const QString &path)
{
    return u"Failed to open export file: '"_s + shown(path) + u"'"_s;
}

QString exportFileNotWritten(const QString &path, const QString &systemReason)
{
    return u"ERROR: Could not write the export file '"_s + shown(path) + u"': "_s + systemReason;
}

QString valueInvalid(const QString &value, const QString &cloudSettingLabel)
{
    return u"ERROR: This value is invalid for this export tool: '"_s + value
        + u"'. Please manually configure the Nimbrel Reservation Service setting: '"_s
        + cloudSettingLabel + u"'"_s;
}

QString authorityTypeNotSupported(const QString &authorityName)
{
    return u"Validating Authority type is NOT SUPPORTED in Nimbrel Reservation Service: "_s
        + authorityName;
}

QString telnetConnectionNotSupported(const QString &authorityName)
{
    return u"Validating Authority using telnet connection is NOT SUPPORTED in Nimbrel "
           u"Reservation Service: "_s
        + authorityName;
}

QString reason(const QString &systemReason)
{
    return u"Reason: "_s + systemReason;
}

QString localFileNotMapped(const QString &value, const QString &cloudSettingLabel)
{
    return u"ACTION REQUIRED: This value is a local file and will not be mapped: '"_s + value
        + u"'. Please manually configure the Nimbrel Reservation Service setting: '"_s
        + cloudSettingLabel + u"'"_s;
}

QString welcomeMessageToConfigure()
{
    return u"ACTION REQUIRED: Please manually configure the Nimbrel Reservation Service "
           u"setting: 'Session Start Welcome Message'"_s;
}

QString charactersReplaced(const QString &valueAsWritten, const QString &label)
{
    return u"ACTION REQUIRED: This value has characters that the export file cannot hold; "
           u"they were written as '?': '"_s
        + valueAsWritten
        + u"'. Please manually configure the Nimbrel Reservation Service setting: '"_s + label
        + u"'"_s;
}

QString localizedMessagesUnreadable(const QString &path)
{
    return u"ACTION REQUIRED: The localized messages file could not be read: '"_s + shown(path)
        + u"'. The messages it holds were exported empty. Please manually configure them in "
          u"the Nimbrel Web Console."_s;
}

QString floorPlanMapLabel()
{
    return u"Reservation Manager Settings > URL for Floor Plan Map"_s;
}

QString usagePolicyLabel()
{
    return u"Reservation Settings (Computer) > URL for Usage Policy"_s;
}

QString backgroundImageLabel()
{
    return u"Reservable Computer Settings > Appearance Settings > Custom background color (not "
           u"used when URL for custom background image is set)"_s;
}

QString groupSettingLabel()
{
    return u"Group Setting"_s;
}

QString computerNameLabel()
{
    return u"Reservable Computer Name"_s;
}

QString computerDescriptionLabel()
{
    return u"Reservable Computer Description"_s;
}

QString computerLocationLabel()
{
    return u"Reservable Computer Location"_s;
}

QString computerGroupLabel()
{
    return u"Reservable Computer Group"_s;
}

QString databaseNotOpened(const QString &databasePath, const QString &sqliteMessage)
{
    // As the database's own command-line shell says it, with the path as it was given.
    return u"unable to open database \""_s + databasePath + u"\": "_s + sqliteMessage;
}

QString dumpNotOpened(const QString &dumpPath, const QString &systemReason)
{
    return u"cannot open \""_s + shown(dumpPath) + u"\": "_s + systemReason;
}

QString dumpNotWritten(const QString &dumpPath, const QString &systemReason)
{
    return u"cannot write \""_s + shown(dumpPath) + u"\": "_s + systemReason;
}

QString tableNotDumped(const QString &sqliteMessage)
{
    return u"Error: "_s + sqliteMessage;
}

namespace {

QString sqliteFailure(const QString &phase, const QString &sqliteMessage, int resultCode)
{
    QString message = phase + u", "_s + sqliteMessage;
    if (resultCode != 0)
        message += u" ("_s + QString::number(resultCode) + u')';
    return message;
}

} // namespace

QString statementNotPrepared(const QString &sqliteMessage, int resultCode)
{
    return sqliteFailure(u"in prepare"_s, sqliteMessage, resultCode);
}

QString rowNotRead(const QString &sqliteMessage, int resultCode)
{
    return sqliteFailure(u"stepping"_s, sqliteMessage, resultCode);
}

QString dumpNotRead(const QString &dumpPath, const QString &reason)
{
    return u"Error: cannot read \""_s + shown(dumpPath) + u"\": "_s + reason;
}

QString groupsDumpNotOpened()
{
    return u"Failed to open groupsDump.csv"_s;
}

QString valueNotWholeNumber(const QString &value, const QString &groupName, int column)
{
    return u"ERROR: This value is not a whole number: '"_s + value + u"' (group '"_s + groupName
        + u"', column "_s + QString::number(column)
        + u"). Please correct it in the Management Console and export again."_s;
}

QString groupDataNotWritten(const QString &dumpPath)
{
    return u"Failed to write group data to export file: "_s + shown(dumpPath);
}

QString computersDumpNotOpened()
{
    return u"Failed to open resComputersDump.csv"_s;
}

QString computerDataNotWritten(const QString &dumpPath)
{
    return u"Failed to write reservable computer data to export file: "_s + shown(dumpPath);
}

QString dumpNotDeleted(const QString &dumpPath, const QString &reason)
{
    return u"WARNING: Could not delete '"_s + shown(dumpPath) + u"': "_s + reason;
}

QString databaseStageFailed()
{
    return u"Failed to export MC database settings"_s;
}

QString passwordInClearText()
{
    return u"ACTION REQUIRED: The export file holds the login password of a validating "
           u"authority in clear text. Delete the export file once the import is done, and keep "
           u"it out of shared and synchronised folders."_s;
}

QString exportSummary(qint64 branchSettings, qint64 commentedBranchSettings, qint64 groups,
                      qint64 groupSettings, qint64 computers, qint64 ungroupedComputers)
{
    return u"Exported "_s + counted(branchSettings, u"branch setting"_s) + u" ("_s
        + QString::number(commentedBranchSettings) + u" commented out), "_s
        + counted(groups, u"group"_s) + u" with "_s + counted(groupSettings, u"group setting"_s)
        + u", and "_s + counted(computers, u"computer"_s) + u" ("_s
        + QString::number(ungroupedComputers) + u" in the ungrouped pool)."_s;
}

QString toDoListWritten(qsizetype items, const QString &path)
{
    return u"Settings to configure by hand in the Nimbrel Web Console: "_s + QString::number(items)
        + u", listed in '"_s + shown(path) + u"'."_s;
}

QString toDoListNotWritten(const QString &path, const QString &systemReason)
{
    return u"WARNING: Could not write the list of settings to configure by hand '"_s + shown(path)
        + u"': "_s + withoutFullStop(systemReason)
        + u". They are the lines above that begin with ACTION REQUIRED."_s;
}

QString toDoListPartNotDeleted(const QString &writeReason, const QString &deleteReason)
{
    return withoutFullStop(writeReason) + u"; the part written could not be deleted ("_s
        + withoutFullStop(deleteReason) + u"): delete it by hand"_s;
}

QString rulesNotExported()
{
    return u"ACTION_REQUIRED: Validating Authority rules are configured. These will not be "
           u"exported. Please manually configure Rules in the Nimbrel Web Console"_s;
}

QString rulesFileUnreadable(const QString &path)
{
    return u"ACTION REQUIRED: The user-validation rules file could not be read: '"_s + shown(path)
        + u"'. Check in the Nimbrel Web Console whether Validating Authority rules are needed."_s;
}

QString exportDone()
{
    return u"Done exporting Kestrun Management Console settings. Export file location: "_s;
}

QString exportFileLocation(const QString &path)
{
    return shown(path);
}

QString importHint()
{
    return u"To import these settings into Quillfen Nimbrel, please use the Nimbrel Web "
           u"Console's 'Plinter Tools' link."_s;
}

QString exportFailed()
{
    return u"EXPORT FAILED! Please correct this issue and try again."_s;
}

QString toDoListTitle()
{
    return u"Settings to configure by hand in the Nimbrel Web Console after importing "
           u"kestrunSettings.csv"_s;
}

QString nothingToConfigure()
{
    return u"Nothing to configure by hand."_s;
}

QString pressEnterToClose()
{
    return u"Press Enter to close."_s;
}

QString preferenceFileFailed(const QString &path, const QString &whatIsWrong)
{
    return u"'"_s + shown(path) + u"' "_s + whatIsWrong;
}

QString preferenceFileMissing()
{
    return u"does not exist"_s;
}

QString preferenceFileMissingFromWorkingFolder(const QString &lookedForAt)
{
    return u"does not exist: it was looked for at '"_s + shown(lookedForAt)
        + u"' (the program must be started from the Management Console's program folder)"_s;
}

QString preferenceFileUnreadable(const QString &systemReason)
{
    return u"could not be read: "_s + withoutFullStop(systemReason);
}

QString preferenceFileNotValid(const QString &readerMessage, qint64 line, qint64 column)
{
    return u"is not a valid preference file: "_s + withoutFullStop(readerMessage) + u" (line "_s
        + QString::number(line) + u", column "_s + QString::number(column) + u")"_s;
}

QString preferenceFileEmpty()
{
    return u"the file is empty"_s;
}

QString wronglyEncodedContent()
{
    // The XML reader's own words for bytes that are not in the document's encoding.
    return u"Encountered incorrectly encoded content."_s;
}

QString entityExpansionRefused(qint64 mebibytes)
{
    return u"its entity references would expand to more than "_s + QString::number(mebibytes)
        + u" MiB of text"_s;
}

QString folderNotFile()
{
    return u"it is a folder, not a file"_s;
}

QString systemError(quint32 code)
{
    return u"Error "_s + QString::number(code);
}

QString usage()
{
    // No line is longer than 79 characters, so an 80-column console breaks no word.
#ifdef Q_OS_WIN
    return uR"(Usage: KestrunSettingsExporter.exe [-h | --help | /? | --version]

Exports the settings, groups and reservable computers of a Kestrun installation
into one file, to import into Nimbrel with the Nimbrel Web Console's 'Plinter
Tools' link. Keep it in the Management Console's program folder (usually
C:\Program Files\Kestrun\Management Console) and run it without arguments. It
changes nothing in the installation.

Reads:  %PROGRAMDATA%\Quillfen\Kestrun\Management Console\:
          config\ksrManagementConsole.qfp, config\ksrUserValidate.inf,
          languages\localmsgs.inf, data\kestrun.db;
        ..\Management Service\config\ksrServer.qfp, from the folder it is
          started in, or else from the program's own folder.
Writes: Desktop\KESTRUN_SETTINGS\kestrunSettings.csv and actionsRequired.txt
        (the settings to configure by hand), on the desktop of the user who
        runs it, in place of those of an earlier run.

Exit status: 0 the export completed; 1 it did not (the console says why);
             2 an unknown argument.
  -h, --help, /?  show this text
  --version       show the program's version
With more than one argument, the first unknown one is reported; otherwise the
first decides. Full guide: README.txt, which comes with the program.)"_s;
#else
    return uR"(Usage: KestrunSettingsExporter [-h | --help | /? | --version]

Exports the settings, groups and reservable computers of a Kestrun installation
into one file, to import into Nimbrel with the Nimbrel Web Console's 'Plinter
Tools' link. Keep it in the Management Console's program folder and run it
without arguments. It changes nothing in the installation.

Reads:  $PROGRAMDATA/Quillfen/Kestrun/Management Console/ (PROGRAMDATA unset
          or empty: /var/lib): config/ksrManagementConsole.qfp,
          config/ksrUserValidate.inf, languages/localmsgs.inf, data/kestrun.db;
        ../Management Service/config/ksrServer.qfp, from the folder it is
          started in, or else from the program's own folder.
Writes: KESTRUN_SETTINGS/kestrunSettings.csv and actionsRequired.txt (the
        settings to configure by hand) in the desktop folder ($HOME/Desktop,
        or the XDG one), in place of those of an earlier run.

Exit status: 0 the export completed; 1 it did not (the console says why);
             2 an unknown argument.
  -h, --help, /?  show this text
  --version       show the program's version
With more than one argument, the first unknown one is reported; otherwise the
first decides. Full guide: README.md in the program's source folder.)"_s;
#endif
}

QString unknownArgument(const QString &argument)
{
    return u"Unknown argument: '"_s + argument + u"'"_s;
}

} // namespace Messages
