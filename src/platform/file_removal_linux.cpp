#include "platform/file_removal.h"

#include <QFile>

#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

/// The threads that close the last references to removed files.
struct FileRemover::Releases {
    std::vector<std::thread> closers;
};

FileRemover::FileRemover() : m_releases(std::make_unique<Releases>()) {}

FileRemover::~FileRemover()
{
    for (std::thread &closer : m_releases->closers)
        closer.join();
}

bool FileRemover::remove(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // A file's storage is released when its name is gone and nothing refers to it any
    // more; for a file just written to the disk that takes several milliseconds. A
    // reference that opens nothing for reading or writing (also not a pipe or a device,
    // and not the target of a link) is taken before the name goes, and dropped by a
    // thread of its own.
    const int reference = ::open(name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    const bool removed = ::unlink(name.constData()) == 0;
    if (reference < 0)
        return removed;
    if (removed) {
        try {
            m_releases->closers.emplace_back([reference] { ::close(reference); });
            return true;
        } catch (const std::system_error &) {
            // No thread to spare: the storage is released here.
        }
    }
    ::close(reference);
    return removed;
}
