#include "platform/folders.h"

#include <QDir>

#include <algorithm>
#include <string>

#include <shlobj.h>
#include <windows.h>

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

std::optional<QString> programFile()
{
    // The buffer grows until the whole path fits: a path may be far longer than MAX_PATH
    // (the program declares itself aware of long paths), up to 32,767 characters.
    constexpr DWORD kLongestPath = 32768;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length == 0)
            return std::nullopt;
        if (length < size) {
            path.resize(length);
            return QDir::fromNativeSeparators(QString::fromStdWString(path));
        }
        if (size >= kLongestPath)
            return std::nullopt;
        path.resize(std::min<std::size_t>(size * 2, kLongestPath));
    }
}

MakeFolderResult makeFolder(const QString &path)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    if (CreateDirectoryW(reinterpret_cast<LPCWSTR>(nativePath.utf16()), nullptr))
        return MakeFolderResult::Created;
    switch (GetLastError()) {
    case ERROR_ALREADY_EXISTS: return MakeFolderResult::AlreadyExists;
    case ERROR_PATH_NOT_FOUND: return MakeFolderResult::PathNotFound;
    default: return MakeFolderResult::OtherFailure;
    }
}

} // namespace Folders
