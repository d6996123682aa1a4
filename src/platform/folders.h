#pragma once

#include <QString>

#include <optional>

/// The machine's folders: the Windows shell folders, and their stand-ins elsewhere.
namespace Folders {

/// The machine-wide application-data folder. Windows: the shell's common application-data
/// folder (normally C:\ProgramData). Elsewhere: $PROGRAMDATA when set and not empty,
/// otherwise /var/lib. Nothing when there is no such folder.
std::optional<QString> commonAppDataFolder();

/// The desktop folder of the user who runs the program. Windows: the shell's desktop
/// folder, also when it is redirected. Elsewhere: the XDG user directory ($HOME/Desktop by
/// default). Nothing when no desktop folder can be named.
std::optional<QString> desktopFolder();

/// The running program's own file, as a full path with "/" separators. Windows: the path
/// of the running module, however long. Elsewhere: the target of /proc/self/exe. Nothing
/// when the system does not tell.
std::optional<QString> programFile();

enum class MakeFolderResult {
    Created,
    AlreadyExists,
    PathNotFound, ///< a folder above it does not exist (ENOENT, ERROR_PATH_NOT_FOUND)
    OtherFailure,
};

/// Creates one folder (not its parents).
MakeFolderResult makeFolder(const QString &path);

} // namespace Folders
