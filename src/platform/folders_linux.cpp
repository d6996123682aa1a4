#include "platform/folders.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace Folders {

std::optional<QString> commonAppDataFolder()
{
    QString folder = qEnvironmentVariable("PROGRAMDATA");
    if (folder.isEmpty())
        folder = u"/var/lib"_s;
    if (!QFileInfo(folder).isDir())
        return std::nullopt;
    return folder;
}

std::optional<QString> desktopFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<QString> programFile()
{
    const QString path = QFileInfo(u"/proc/self/exe"_s).symLinkTarget();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

MakeFolderResult makeFolder(const QString &path)
{
    const QByteArray nativePath = QFile::encodeName(path);
    if (::mkdir(nativePath.constData(), 0777) == 0)
        return MakeFolderResult::Created;
    switch (errno) {
    case EEXIST: return MakeFolderResult::AlreadyExists;
    case ENOENT: return MakeFolderResult::PathNotFound;
    default: return MakeFolderResult::OtherFailure;
    }
}

} // namespace Folders
