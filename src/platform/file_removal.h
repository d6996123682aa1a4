#pragma once

#include <QString>

#include <memory>

/// Removes files the way QFile::remove does, for a file whose storage the system may take
/// a while to release (a large file an earlier run wrote to the disk): its name goes at
/// once, and where the system allows it the storage is released in the background while
/// the run goes on. Every release has finished when the remover is gone.
class FileRemover {
public:
    FileRemover();
    ~FileRemover();
    FileRemover(const FileRemover &) = delete;
    FileRemover &operator=(const FileRemover &) = delete;

    /// Removes the file at \a path; false when it could not be removed (also when there is
    /// none), and then the file stays as it was.
    bool remove(const QString &path);

private:
    struct Releases;
    std::unique_ptr<Releases> m_releases;
};
