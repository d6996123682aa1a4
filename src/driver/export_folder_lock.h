#pragma once

#include <QLockFile>
#include <QString>

/// Keeps a second run out of the export folder while this one uses it: the export file,
/// its list and the dump files of two runs at once would be each other's. The lock is a
/// file in the export folder, which says which process holds it; the lock of a process
/// that no longer runs is taken over, however old or young it is (a slow run keeps its
/// lock). It is released when this object goes.
class ExportFolderLock {
public:
    enum class Outcome {
        Taken,
        HeldByAnotherRun, ///< a run that still runs holds it: holderProcessId() says which
        NotMade,          ///< the lock file could not be made (a folder that cannot be
                          ///< written): the run goes on, and fails where it fails
    };

    /// The lock of the export folder of \a exportFilePath.
    explicit ExportFolderLock(const QString &exportFilePath);
    ExportFolderLock(const ExportFolderLock &) = delete;
    ExportFolderLock &operator=(const ExportFolderLock &) = delete;
    /// Lets the lock go: its file is removed.
    ~ExportFolderLock();

    Outcome take();
    qint64 holderProcessId() const { return m_holderProcessId; }
    /// The export folder, absolute.
    QString folder() const;

private:
    QString m_exportFilePath;
    QLockFile m_lockFile;
    qint64 m_holderProcessId = 0;
};
