#pragma once

#include <QString>

#include <functional>
#include <memory>

/// A file the program writes, through the system's own file calls. Every write, sync and
/// close says whether it worked and, when it did not, gives the system's reason in \a error.
class OutputFile {
public:
    enum class Mode {
        Append,  ///< rows go to the end of the file, which is made when missing
        Replace, ///< the file is made, or emptied when it exists
        /// As Replace, and on Linux readable and writable by its owner alone (0600, whatever
        /// the umask); on Windows the file takes its folder's permissions, as any other.
        ReplaceForOwnerOnly,
        /// A file that is there, opened for writing without changing it; nothing is made.
        /// Tells whether the file could be written, as the system sees it now.
        Existing,
    };

    OutputFile() = default;
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;
    /// Closes a file still open; a failure then goes unreported.
    virtual ~OutputFile() = default;

    /// Writes all \a size bytes; false when not all of them reached the file.
    virtual bool write(const char *data, qint64 size, QString *error) = 0;
    /// Starts handing what was written so far to the storage device, without waiting for
    /// it, so that a later syncToStorage has less to wait for. Only a hint: a failure shows
    /// in syncToStorage.
    virtual void startSyncToStorage() { }
    /// Hands what the system still holds of the file to the storage device.
    virtual bool syncToStorage(QString *error) = 0;
    /// Closes the file. Some file systems (a network share) report a failed write only here.
    virtual bool close(QString *error) = 0;

    /// Hands the file to the storage device and closes it, also after a failed sync. False
    /// when either failed, with the first failure's reason in \a error.
    bool syncAndClose(QString *error)
    {
        QString closeError;
        const bool synced = syncToStorage(error);
        const bool closed = close(synced ? error : &closeError);
        return synced && closed;
    }
};

/// Opens \a path for writing; nothing when it cannot be opened, with the system's reason
/// in \a error.
std::unique_ptr<OutputFile> openOutputFile(const QString &path, OutputFile::Mode mode,
                                           QString *error);

/// How a writer opens its file; tests give one whose files fail on purpose.
using OutputFileOpener = std::function<std::unique_ptr<OutputFile>(
    const QString &path, OutputFile::Mode mode, QString *error)>;

/// Gives the file \a from the name \a to in one step, replacing any file of that name, so
/// that \a to is always the old file or the new one, never part of either. On true the new
/// name is on the storage device (Linux syncs the folder; Windows writes the move through).
/// False with the system's reason in \a error; both files are then as they were, unless
/// only the folder's sync failed.
bool replaceFile(const QString &from, const QString &to, QString *error);
