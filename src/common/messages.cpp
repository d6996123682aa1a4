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

QString preferenceStageFailed()
{
    return u"Failed to export MC/MS preferences"_s;
}

QString exportFileNotOpened(const QString &path)
{
    return u"Failed to open export file: '"_s + shown(path) + u"'"_s;
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

QString tableNotDumped(const QString &sqliteMessage)
{
    return u"Error: "_s + sqliteMessage;
}

QString dumpNotRead(const QString &dumpPath, const QString &reason)
{
    return u"Error: cannot read \""_s + shown(dumpPath) + u"\": "_s + reason;
}

QString groupsDumpNotOpened()
{
    return u"Failed to open groupsDump.csv"_s;
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

QString rulesNotExported()
{
    return u"ACTION_REQUIRED: Validating Authority rules are configured. These will not be "
           u"exported. Please manually configure Rules in the Nimbrel Web Console"_s;
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

} // namespace Messages
