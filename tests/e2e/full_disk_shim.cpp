// Preloaded into the exporter by end-to-end cases that need a disk which fills up or a
// device that fails. Files under KSE_SHIM_FOLDER (a path prefix) share KSE_SHIM_SPACE
// bytes: a write beyond them stores what still fits and then fails with ENOSPC, as a full
// disk does. With KSE_SHIM_SYNC_FAILS set, syncing such a file fails with EIO, as a
// network share that loses a write reports it only then. Other files are left alone.
// With KSE_SHIM_KILL_AFTER set, the process is killed (SIGKILL, as a power cut or a closed
// console window ends it) once that many bytes reached files under the folder.
// Reading is failed apart from the folder: a file whose name is KSE_SHIM_READ_FILE gives
// KSE_SHIM_READ_BYTES bytes and then fails every later read with EIO, as a damaged disk does.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

namespace {

using WriteFunction = ssize_t (*)(int, const void *, size_t);
using ReadFunction = ssize_t (*)(int, void *, size_t);
using SyncFunction = int (*)(int);

long long g_spaceLeft = -1;       // -1: not read from the environment yet
long long g_bytesBeforeKill = -1; // -1: not read from the environment yet

/// The path of the file open as \a fd, into \a path; false when it cannot be told.
bool pathOf(int fd, char (&path)[PATH_MAX])
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0)
        return false;
    path[length] = '\0';
    return true;
}

/// A file of the folder, but not the lock file, whose size changes with the process id:
/// the bytes a case lets through stay the same from run to run.
bool isShimmed(int fd)
{
    const char *folder = std::getenv("KSE_SHIM_FOLDER");
    char path[PATH_MAX];
    if (folder == nullptr || *folder == '\0' || !pathOf(fd, path))
        return false;
    return std::strncmp(path, folder, std::strlen(folder)) == 0
        && std::strstr(path, ".lock") == nullptr;
}

/// The descriptor's file is the one whose reading fails.
bool failsReading(int fd)
{
    const char *name = std::getenv("KSE_SHIM_READ_FILE");
    char path[PATH_MAX];
    if (name == nullptr || *name == '\0' || !pathOf(fd, path))
        return false;
    const char *slash = std::strrchr(path, '/');
    return std::strcmp(slash != nullptr ? slash + 1 : path, name) == 0;
}

long long &spaceLeft()
{
    if (g_spaceLeft < 0) {
        const char *space = std::getenv("KSE_SHIM_SPACE");
        g_spaceLeft = space != nullptr && *space != '\0' ? std::atoll(space) : LLONG_MAX;
    }
    return g_spaceLeft;
}

/// Bytes still written before the process is killed; LLONG_MAX when it never is.
long long &bytesBeforeKill()
{
    if (g_bytesBeforeKill < 0) {
        const char *bytes = std::getenv("KSE_SHIM_KILL_AFTER");
        g_bytesBeforeKill = bytes != nullptr && *bytes != '\0' ? std::atoll(bytes) : LLONG_MAX;
    }
    return g_bytesBeforeKill;
}

template <typename Function>
Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int syncOrFail(int fd, const char *name)
{
    if (isShimmed(fd) && std::getenv("KSE_SHIM_SYNC_FAILS") != nullptr) {
        errno = EIO;
        return -1;
    }
    return next<SyncFunction>(name)(fd);
}

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    static const WriteFunction realWrite = next<WriteFunction>("write");
    if (size == 0 || !isShimmed(fd))
        return realWrite(fd, data, size);
    long long &left = spaceLeft();
    if (left == 0) {
        errno = ENOSPC;
        return -1;
    }
    long long &beforeKill = bytesBeforeKill();
    size_t allowed = static_cast<unsigned long long>(left) < size ? size_t(left) : size;
    if (static_cast<unsigned long long>(beforeKill) < allowed)
        allowed = size_t(beforeKill);
    const ssize_t written = allowed > 0 ? realWrite(fd, data, allowed) : 0;
    if (written > 0) {
        left -= written;
        if (beforeKill != LLONG_MAX)
            beforeKill -= written;
    }
    if (beforeKill == 0)
        raise(SIGKILL);
    return written;
}

extern "C" ssize_t read(int fd, void *data, size_t size)
{
    static const ReadFunction realRead = next<ReadFunction>("read");
    if (size == 0 || !failsReading(fd))
        return realRead(fd, data, size);
    // The position in the file decides, so every reader of the file meets the same damage.
    const char *bytes = std::getenv("KSE_SHIM_READ_BYTES");
    const off_t good = bytes != nullptr ? static_cast<off_t>(std::atoll(bytes)) : 0;
    const off_t position = lseek(fd, 0, SEEK_CUR);
    if (position < 0 || position >= good) {
        errno = EIO;
        return -1;
    }
    const size_t allowed =
        static_cast<size_t>(good - position) < size ? size_t(good - position) : size;
    return realRead(fd, data, allowed);
}

extern "C" int fsync(int fd)
{
    return syncOrFail(fd, "fsync");
}

extern "C" int fdatasync(int fd)
{
    return syncOrFail(fd, "fdatasync");
}
