#include "common/installation_paths.h"

#include "common/messages.h"
#include "platform/console.h"
#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kConsoleDataPattern = u"%1/Quillfen/Kestrun/Management Console/"_s;
// Sub-folders are appended with the native separator.
const QString kConfigSubFolder = QDir::toNativeSeparators(u"config/"_s);
const QString kDataSubFolder = QDir::toNativeSeparators(u"data/"_s);
const QString kLanguagesSubFolder = QDir::toNativeSeparators(u"languages/"_s);
const QString kDatabaseFile = u"kestrun.db"_s;
const QString kConsolePreferencesFile = u"ksrManagementConsole.qfp"_s;
const QString kLocalMessagesFile = u"localmsgs.inf"_s;
const QString kUserValidationFile = u"ksrUserValidate.inf"_s;
const QString kServicePreferencesFolder = u"./../Management Service/config/"_s;
const QString kServicePreferencesFile = u"ksrServer.qfp"_s;

} // namespace

QString InstallationPaths::consoleDataFolder()
{
    if (!m_consoleDataFolder.isEmpty())
        return m_consoleDataFolder;
    const std::optional<QString> appData = Folders::commonAppDataFolder();
    if (!appData) {
        Console::outLine(Messages::programDataPathFailed());
        return {};
    }
    m_consoleDataFolder = QDir::toNativeSeparators(kConsoleDataPattern.arg(*appData));
    return m_consoleDataFolder;
}

QString InstallationPaths::configFolder()
{
    return consoleDataFolder() + kConfigSubFolder;
}

QString InstallationPaths::databasePath()
{
    return consoleDataFolder() + kDataSubFolder + kDatabaseFile;
}

QString InstallationPaths::consolePreferencesPath()
{
    return configFolder() + kConsolePreferencesFile;
}

QString InstallationPaths::servicePreferencesPath() const
{
    return kServicePreferencesFolder + kServicePreferencesFile;
}

QString InstallationPaths::servicePreferencesPathInUse() const
{
    const QString fromWorkingFolder = servicePreferencesPath();
    if (QFileInfo::exists(fromWorkingFolder))
        return fromWorkingFolder;
    // Started by its full path from another folder, or by a shortcut that starts it
    // elsewhere, the program still finds the file beside its own folder.
    if (const std::optional<QString> program = Folders::programFile()) {
        // The same relative path, taken from the program's folder instead.
        const QString besideProgram =
            QDir::cleanPath(QFileInfo(*program).path() + u'/' + servicePreferencesPath());
        if (QFileInfo::exists(besideProgram))
            return QDir::toNativeSeparators(besideProgram);
    }
    return fromWorkingFolder;
}

QString InstallationPaths::localMessagesPath()
{
    return consoleDataFolder() + kLanguagesSubFolder + kLocalMessagesFile;
}

QString InstallationPaths::userValidationPath()
{
    return configFolder() + kUserValidationFile;
}
