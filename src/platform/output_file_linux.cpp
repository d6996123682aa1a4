#include "platform/output_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class PosixOutputFile final : public OutputFile {
public:
    explicit PosixOutputFile(int fd) : m_fd(fd) { }
    ~PosixOutputFile() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool write(const char *data, qint64 size, QString *error) override
    {
        while (size > 0) {
            const ssize_t written = ::write(m_fd, data, static_cast<size_t>(size));
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return fail(errno, error);
            }
            // A file system that takes nothing without saying why is full all the same.
            if (written == 0)
                return fail(ENOSPC, error);
            data += written;
            size -= written;
        }
        return true;
    }

    void startSyncToStorage() override
    {
        // From where the last call left off to the end of the file (length 0); the kernel
        // starts writing that part out and returns.
        const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        if (end <= m_syncStarted)
            return;
        (void)::sync_file_range(m_fd, m_syncStarted, 0, SYNC_FILE_RANGE_WRITE);
        m_syncStarted = end;
    }

    bool syncToStorage(QString *error) override
    {
        // A device or pipe has nothing to sync; only a file on storage can fail here.
        if (::fsync(m_fd) != 0 && errno != EINVAL)
            return fail(errno, error);
        return true;
    }

    bool close(QString *error) override
    {
        const int fd = m_fd;
        m_fd = -1;
        // The descriptor is released even when close reports an error, so it is not retried.
        if (::close(fd) != 0)
            return fail(errno, error);
        return true;
    }

private:
    static bool fail(int code, QString *error)
    {
        *error = systemReason(code);
        return false;
    }

    int m_fd;
    off_t m_syncStarted = 0; ///< where the file was written out to at the last hint
};

/// Hands the list of names of \a folder to the storage device, so that a name given just now
/// survives a power cut. The folder is synced and closed as a file is.
bool syncFolder(const QString &folder, QString *error)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *error = systemReason(errno);
        return false;
    }
    return PosixOutputFile(fd).syncAndClose(error);
}

int openFlags(OutputFile::Mode mode)
{
    switch (mode) {
    case OutputFile::Mode::Append: return O_WRONLY | O_CREAT | O_APPEND;
    case OutputFile::Mode::Replace:
    case OutputFile::Mode::ReplaceForOwnerOnly: return O_WRONLY | O_CREAT | O_TRUNC;
    case OutputFile::Mode::Existing: return O_WRONLY;
    }
    return O_WRONLY;
}

} // namespace

std::unique_ptr<OutputFile> openOutputFile(const QString &path, OutputFile::Mode mode,
                                           QString *error)
{
    const bool ownerOnly = mode == OutputFile::Mode::ReplaceForOwnerOnly;
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), openFlags(mode) | O_CLOEXEC,
                    ownerOnly ? 0600 : 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error != nullptr)
            *error = systemReason(errno);
        return nullptr;
    }
    // A file that was there keeps its mode through O_TRUNC, and the umask may take the
    // owner's own bits: the mode is set on the open file. A file system without owners'
    // modes (a FAT stick) refuses or ignores it; the file is written all the same.
    if (ownerOnly)
        (void)::fchmod(fd, 0600);
    return std::make_unique<PosixOutputFile>(fd);
}

bool replaceFile(const QString &from, const QString &to, QString *error)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        *error = systemReason(errno);
        return false;
    }
    return syncFolder(QFileInfo(to).absolutePath(), error);
}
