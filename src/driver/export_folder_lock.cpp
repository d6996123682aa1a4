#include "driver/export_folder_lock.h"

#include <QFileInfo>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

/// How often, and how long apart, a lock file whose holder cannot be read yet is looked at
/// again: a run that has just made it writes its process a moment later.
constexpr int kReadAttempts = 10;
constexpr int kReadPauseMs = 50;

} // namespace

ExportFolderLock::ExportFolderLock(const QString &exportFilePath)
    : m_exportFilePath(exportFilePath),
      m_lockFile(QFileInfo(exportFilePath).absolutePath() + u"/kestrunSettings.lock"_s)
{
    // Only a holder that no longer runs makes a lock stale, never its age.
    m_lockFile.setStaleLockTime(0);
}

QString ExportFolderLock::folder() const
{
    return QFileInfo(m_exportFilePath).absolutePath();
}

ExportFolderLock::Outcome ExportFolderLock::take()
{
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (m_lockFile.tryLock(0))
            return Outcome::Taken;
        if (m_lockFile.error() != QLockFile::LockFailedError)
            return Outcome::NotMade;
        QString hostName;
        QString programName;
        if (m_lockFile.getLockInfo(&m_holderProcessId, &hostName, &programName))
            return Outcome::HeldByAnotherRun;
        QThread::msleep(kReadPauseMs);
    }
    // Something that is no lock file of a run stands at its name (a folder): it holds no
    // run out, as a lock file that cannot be made does not.
    return Outcome::NotMade;
}
