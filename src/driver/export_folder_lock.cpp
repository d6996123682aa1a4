#include "driver/export_folder_lock.h"

#include <QFileInfo>
#include <QThread>
#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace {

/// How often, and how long apart, a lock file whose holder cannot be read yet is looked at
/// again: a run that has just made it writes its process a moment later.
constexpr int kReadAttempts = 10;
constexpr int kReadPauseMs = 50;

/// While it lives, Qt's own warnings are not printed: the lock file's class warns on
/// standard error of what the run handles itself (a file system without file locks, a
/// lock file it could not remove, a folder it could not write to), and the console is the
/// program's to speak on.
class QtWarningsSilenced {
public:
    QtWarningsSilenced() : m_previous(qInstallMessageHandler(ignore)) { }
    QtWarningsSilenced(const QtWarningsSilenced &) = delete;
    QtWarningsSilenced &operator=(const QtWarningsSilenced &) = delete;
    ~QtWarningsSilenced() { qInstallMessageHandler(m_previous); }

private:
    static void ignore(QtMsgType, const QMessageLogContext &, const QString &) { }
    QtMessageHandler m_previous;
};

} // namespace

ExportFolderLock::ExportFolderLock(const QString &exportFilePath)
    : m_exportFilePath(exportFilePath),
      m_lockFile(QFileInfo(exportFilePath).absolutePath() + u"/kestrunSettings.lock"_s)
{
    // Only a holder that no longer runs makes a lock stale, never its age.
    m_lockFile.setStaleLockTime(0);
}

ExportFolderLock::~ExportFolderLock()
{
    const QtWarningsSilenced silenced;
    m_lockFile.unlock();
}

QString ExportFolderLock::folder() const
{
    return QFileInfo(m_exportFilePath).absolutePath();
}

ExportFolderLock::Outcome ExportFolderLock::take()
{
    const QtWarningsSilenced silenced;
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
