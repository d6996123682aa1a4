#include "export/export_file.h"

#include "common/export_stopped.h"
#include "support/failing_output_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

/// Enough rows of about 100 bytes to fill several chunks of the writer.
constexpr int kManyRows = 5000;

QByteArray numberedRow(int number)
{
    return "Computer^~%\"PC-" + QByteArray::number(number).rightJustified(5, '0') + "\"^~%\""
        + QByteArray(60, 'd') + "\"\r\n";
}

QByteArray numberedRows(int count)
{
    QByteArray rows;
    for (int number = 0; number < count; ++number)
        rows += numberedRow(number);
    return rows;
}

class ExportFileTest : public testing::Test {
protected:
    QString exportPath() const { return m_dir.filePath(u"kestrunSettings.csv"_s); }
    QString partialPath() const { return ExportFile::partialPath(exportPath()); }
    RunReport m_report;
    QByteArray exported() const { return readTestFile(exportPath()); }
    /// What a run wrote that did not complete.
    QByteArray partial() const { return readTestFile(partialPath()); }
    std::string writeFailedMessage(const char *reason) const
    {
        return "ERROR: Could not write the export file '"
            + QDir::toNativeSeparators(exportPath()).toStdString() + "': " + reason;
    }

    /// Appends \a rows one row at a time; the message of a failed write, or empty.
    static std::string appendRows(ExportFile &file, const QByteArray &rows)
    {
        try {
            for (qsizetype start = 0; start < rows.size();) {
                const qsizetype end = rows.indexOf("\r\n", start) + 2;
                file.append(QByteArrayView(rows).sliced(start, end - start), RowKind::BranchSetting,
                            false);
                start = end;
            }
            file.finish();
        } catch (const ExportStopped &error) {
            return error.what();
        }
        return {};
    }

    QString m_openError; ///< why a file the test expects to open did not

private:
    QTemporaryDir m_dir;
};

TEST_F(ExportFileTest, AFullDiskIsReportedAndNothingIsWrittenAfterIt)
{
    const QByteArray rows = numberedRows(kManyRows);
    for (const qint64 spaceLeft : {qint64(0), qint64(1000), qint64(150000), rows.size() - 1}) {
        SCOPED_TRACE(spaceLeft);
        QFile::remove(exportPath());
        OutputFailures failures;
        failures.spaceLeft = spaceLeft;
        ExportFile file(m_report, failingFiles(failures));
        ASSERT_TRUE(file.open(exportPath(), &m_openError));
        EXPECT_EQ(appendRows(file, rows), writeFailedMessage(kDiskFullReason));
        // The rows before the failure are intact in the partial file, which is what the
        // disk took; nothing stands under the export file's name.
        EXPECT_EQ(partial(), rows.first(spaceLeft));
        EXPECT_FALSE(QFile::exists(exportPath()));

        // Rows that come after the failure are never joined to the cut row, even once the
        // disk has room again.
        EXPECT_NO_THROW(file.append(numberedRow(0), RowKind::BranchSetting, false));
        EXPECT_NO_THROW(file.flush());
        EXPECT_EQ(partial(), rows.first(spaceLeft));
    }
}

TEST_F(ExportFileTest, AFailedSyncOrCloseIsReported)
{
    const QByteArray rows = numberedRows(3);
    OutputFailures syncFails;
    syncFails.syncFails = true;
    OutputFailures closeFails;
    closeFails.closeFails = true;
    for (const OutputFailures &failures : {syncFails, closeFails}) {
        QFile::remove(exportPath());
        ExportFile file(m_report, failingFiles(failures));
        ASSERT_TRUE(file.open(exportPath(), &m_openError));
        EXPECT_EQ(appendRows(file, rows), writeFailedMessage(kDeviceFailedReason));
        EXPECT_EQ(partial(), rows);
        EXPECT_FALSE(QFile::exists(exportPath()));
        EXPECT_FALSE(file.isOpen());
    }
}

TEST_F(ExportFileTest, OpensOnceAndLosesRowsSilentlyWithoutAFile)
{
    RunReport report;
    ExportFile missing(report);
    QString error;
    EXPECT_FALSE(missing.open(exportPath() + u"/missing/kestrunSettings.csv"_s, &error));
    // The system's own words, such as "No such file or directory".
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(appendRows(missing, numberedRows(2)), std::string());
    // Rows that never reach a file are not counted.
    EXPECT_EQ(report.rowCounts().branchSettings, 0);

    ExportFile file(report);
    ASSERT_TRUE(file.open(exportPath(), &m_openError));
    // Later exporters find the run's file open, whatever path they name.
    EXPECT_TRUE(file.open(exportPath() + u"/missing/kestrunSettings.csv"_s, &error));
    EXPECT_EQ(appendRows(file, numberedRows(2)), std::string());
    EXPECT_EQ(exported(), numberedRows(2));
    EXPECT_FALSE(QFile::exists(partialPath()));
    EXPECT_EQ(report.rowCounts().branchSettings, 2);
}

TEST_F(ExportFileTest, ACompleteExportReplacesTheOldOneInOneStep)
{
    // An old export that could not be deleted and the partial file of an interrupted run,
    // both longer than this run's rows.
    const QByteArray oldRows = QByteArray("old row\r\n").repeated(1000);
    writeTestFile(exportPath(), oldRows);
    writeTestFile(partialPath(), QByteArray("cut row\r\n").repeated(1000) + "cut");
    ExportFile file(m_report);
    ASSERT_TRUE(file.open(exportPath(), &m_openError));
    file.append(numberedRow(0), RowKind::BranchSetting, false);
    file.flush();
    // Until the export is complete, its name holds the old file untouched.
    EXPECT_EQ(exported(), oldRows);
    EXPECT_EQ(partial(), numberedRow(0));
    EXPECT_EQ(appendRows(file, numberedRow(1)), std::string());
    EXPECT_EQ(exported(), numberedRows(2));
    EXPECT_FALSE(QFile::exists(partialPath()));
}

TEST_F(ExportFileTest, WhatCannotBeReplacedFailsBeforeAnyRowOrAtTheEnd)
{
    // A folder at the export file's name is found when the file is opened...
    ASSERT_TRUE(QDir().mkpath(exportPath()));
    ExportFile refused(m_report);
    QString error;
    EXPECT_FALSE(refused.open(exportPath(), &error));
    EXPECT_FALSE(error.isEmpty()); // "Is a directory", "Access is denied."
    EXPECT_FALSE(QFile::exists(partialPath()));
    ASSERT_TRUE(QDir(exportPath()).removeRecursively());

    // ... and one that appears while the run writes fails the rename: a write failure of
    // the export file, with the rows kept in the partial file.
    ExportFile file(m_report);
    ASSERT_TRUE(file.open(exportPath(), &m_openError));
    ASSERT_TRUE(QDir().mkpath(exportPath() + u"/inside"_s));
    const std::string message = appendRows(file, numberedRows(2));
    EXPECT_EQ(message.rfind(writeFailedMessage(""), 0), 0u) << message;
    EXPECT_GT(message.size(), writeFailedMessage("").size());
    EXPECT_EQ(partial(), numberedRows(2));
}

#ifndef Q_OS_WIN
TEST_F(ExportFileTest, OnlyItsOwnerMayReadTheExportWhateverTheUmask)
{
    // The partial file of an earlier run that others could read is emptied and closed to
    // them too.
    writeTestFile(partialPath(), "cut");
    ASSERT_EQ(::chmod(QFile::encodeName(partialPath()).constData(), 0644), 0);
    const mode_t umaskBefore = ::umask(0);
    ExportFile file(m_report);
    const bool opened = file.open(exportPath(), &m_openError);
    ::umask(umaskBefore);
    ASSERT_TRUE(opened);
    EXPECT_EQ(appendRows(file, numberedRows(1)), std::string());
    struct stat status { };
    ASSERT_EQ(::stat(QFile::encodeName(exportPath()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}
#endif

} // namespace
