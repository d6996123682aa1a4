#include "platform/folders.h"

#include <QDir>

#include <windows.h>
#include <shlobj.h>

namespace Folders {
namespace {

/// A shell folder by its CSIDL code, as a wide path; nothing when the shell has none.
std::optional<QString> shellFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::nullopt;
    return QString::fromWCharArray(path);
}

} // namespace

std::optional<QString> commonAppDataFolder()
{
    // The folder is created when it does not exist yet, as the shell is asked to.
    return shellFolder(CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE);
}

std::optional<QString> desktopFolder()
{
    // The folder of the desktop's files, also when it is redirected (a synchronised folder).
    return shellFolder(CSIDL_DESKTOPDIRECTORY);
}

MakeFolderResult makeFolder(const QString &path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    if (CreateDirectoryW(reinterpret_cast<LPCWSTR>(nativePath.utf16()), nullptr))
        return MakeFolderResult::Created;
    switch (GetLastError()) {
    case ERROR_ALREADY_EXISTS:
        return MakeFolderResult::AlreadyExists;
    case ERROR_PATH_NOT_FOUND:
        return MakeFolderResult::PathNotFound;
    default:
        return MakeFolderResult::OtherFailure;
    }
}

} // namespace Folders
