// hold_lock LOCK READY STOP [abandon]
// Takes the lock file LOCK as a run of the exporter takes it, and writes its process id
// into READY once it holds it. It lets the lock go and ends when STOP appears, or after two
// minutes. With "abandon" it ends at once without letting the lock go, as a run that was
// killed leaves it.
#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPollMs = 20;
constexpr int kLongestHoldMs = 120000;

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4 && argc != 5) {
        std::fputs("usage: hold_lock LOCK READY STOP [abandon]\n", stderr);
        return 2;
    }
    QLockFile lock(QFile::decodeName(argv[1]));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        std::fprintf(stderr, "hold_lock: could not take %s (error %d)\n", argv[1],
                     int(lock.error()));
        return 1;
    }
    // READY appears with its content whole.
    const QString readyPath = QFile::decodeName(argv[2]);
    QFile ready(readyPath + QStringLiteral(".part"));
    if (!ready.open(QIODevice::WriteOnly)
        || ready.write(QByteArray::number(QCoreApplication::applicationPid())) < 0)
        return 1;
    ready.close();
    if (!ready.rename(readyPath))
        return 1;
    if (argc == 5)
        std::_Exit(0); // the lock file stays, naming a process that is gone
    const QString stop = QFile::decodeName(argv[3]);
    for (int waited = 0; waited < kLongestHoldMs && !QFile::exists(stop); waited += kPollMs)
        QThread::msleep(kPollMs);
    return 0;
}
