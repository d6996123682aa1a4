#pragma once

#include <QString>

#include <optional>

/// The machine's folders, in place of the Windows shell folders.
namespace Folders {

/// The machine-wide application-data folder: $PROGRAMDATA when set and not empty,
/// otherwise /var/lib. Nothing when that folder is not an existing directory.
std::optional<QString> commonAppDataFolder();

/// The desktop folder of the user who runs the program (the XDG user directory,
/// $HOME/Desktop by default). Nothing when no desktop folder can be named.
std::optional<QString> desktopFolder();

enum class MakeFolderResult {
    Created,
    AlreadyExists,
    PathNotFound, ///< a folder above it does not exist
    OtherFailure,
};

/// Creates one folder (not its parents).
MakeFolderResult makeFolder(const QString &path);

} // namespace Folders
