#include "driver/export_folder_lock.h"

#include "support/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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

    // The lock of a process that has ended, however young, is taken over.
    writeTestFile(lockFile, "2147483000\nKestrunSettingsExporter\n"
                                + QSysInfo::machineHostName().toUtf8() + "\n");
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
