#include "platform/file_removal.h"

#include <QFile>

// Windows keeps the name of a file that is removed while something still refers to it
// until the reference is dropped, and a new file of that name cannot be made meanwhile;
// so the file is removed as it is, and nothing is left for the background.
struct FileRemover::Releases {};

FileRemover::FileRemover() = default;

FileRemover::~FileRemover() = default;

bool FileRemover::remove(const QString &path)
{
    return QFile::remove(path);
}
