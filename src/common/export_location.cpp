#include "common/export_location.h"

#include "common/messages.h"
#include "platform/console.h"
#include "platform/folders.h"

#include <QDir>

using namespace Qt::StringLiterals;

const QString ExportLocation::kExportFileName = u"kestrunSettings.csv"_s;
const QString ExportLocation::kGroupsDumpName = u"groupsDump.csv"_s;
const QString ExportLocation::kComputersDumpName = u"resComputersDump.csv"_s;
const QString ExportLocation::kActionsRequiredName = u"actionsRequired.txt"_s;

QString ExportLocation::exportFolder()
{
    if (!m_exportFolder.isEmpty())
        return m_exportFolder;
    const std::optional<QString> desktop = Folders::desktopFolder();
    if (!desktop) {
        Console::outLine(Messages::desktopExportFolderFailed());
        return {};
    }
    // The folder is written with "/" throughout. Only native separators become "/": where
    // the separator is "/" a backslash is an ordinary character of a folder name.
    const QString folder = QDir::fromNativeSeparators(*desktop) + u"/KESTRUN_SETTINGS/"_s;
    if (Folders::makeFolder(folder) == Folders::MakeFolderResult::PathNotFound) {
        // No line end: the next console output continues this line.
        Console::out(Messages::exportFolderNotCreated(folder));
        return {};
    }
    m_exportFolder = folder;
    return m_exportFolder;
}

QString ExportLocation::exportFilePath()
{
    return exportFolder() + kExportFileName;
}

QString ExportLocation::groupsDumpPath()
{
    return exportFolder() + kGroupsDumpName;
}

QString ExportLocation::computersDumpPath()
{
    return exportFolder() + kComputersDumpName;
}

QString ExportLocation::actionsRequiredPath()
{
    return exportFolder() + kActionsRequiredName;
}

QString ExportLocation::besideExportFile(const QString &exportFilePath, const QString &fileName)
{
    return exportFilePath.chopped(kExportFileName.size()) + fileName;
}
