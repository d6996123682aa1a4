#include "driver/export_folder_lock.h"

#include "support/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList g_qtMessages;

void keepQtMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_qtMessages += message;
}

} // namespace

TEST(ExportFolderLock, RefusesWhileARunHoldsItAndTakesOverWhatNoRunHolds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString exportFile = dir.filePath(u"kestrunSettings.csv"_s);
    const QString lockFile = dir.filePath(u"kestrunSettings.lock"_s);
    {
        ExportFolderLock first(exportFile);
        ASSERT_EQ(first.take(), ExportFolderLock::Outcome::Taken);
        EXPECT_EQ(QDir::cleanPath(first.folder()), QDir::cleanPath(dir.path()));

        // A second run, this process standing for it, is told who holds the folder.
        ExportFolderLock second(exportFile);
        EXPECT_EQ(second.take(), ExportFolderLock::Outcome::HeldByAnotherRun);
        EXPECT_EQ(second.holderProcessId(), QCoreApplication::applicationPid());
    }
    EXPECT_FALSE(QFile::exists(lockFile));

    // The lock of a process of this machine (no other host named) that has ended, however
    // young, is taken over.
    writeTestFile(lockFile, "2147483000\nKestrunSettingsExporter\n\n");
    {
        ExportFolderLock next(exportFile);
        EXPECT_EQ(next.take(), ExportFolderLock::Outcome::Taken);
    }
    EXPECT_FALSE(QFile::exists(lockFile));

    // What cannot be a run's lock file holds no run out: the run goes on.
    ASSERT_TRUE(QDir().mkpath(lockFile));
    ExportFolderLock beside(exportFile);
    EXPECT_EQ(beside.take(), ExportFolderLock::Outcome::NotMade);
    EXPECT_EQ(ExportFolderLock(dir.filePath(u"missing/kestrunSettings.csv"_s)).take(),
              ExportFolderLock::Outcome::NotMade);
}

TEST(ExportFolderLock, PrintsNothingOfItsOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    g_qtMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepQtMessage);
    {
        ExportFolderLock lock(dir.filePath(u"kestrunSettings.csv"_s));
        ASSERT_EQ(lock.take(), ExportFolderLock::Outcome::Taken);
        // A lock file that is gone when the run lets it go (someone deleted it, where the
        // system lets them) is no news for the operator.
        (void)QFile::remove(dir.filePath(u"kestrunSettings.lock"_s));
    }
    // Windows warns of a folder that is missing.
    EXPECT_EQ(ExportFolderLock(dir.filePath(u"missing/kestrunSettings.csv"_s)).take(),
              ExportFolderLock::Outcome::NotMade);
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_qtMessages, QStringList());
}
