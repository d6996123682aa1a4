#include "export/export_file.h"

#include "support/failing_output_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    RunReport m_report;
    QByteArray exported() const { return readTestFile(exportPath()); }
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
                file.append(QByteArrayView(rows).sliced(start, end - start), RowKind::BranchSetting, false);
                start = end;
            }
            file.finish();
        } catch (const ExportFileError &error) {
            return error.what();
        }
        return {};
    }

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
        ASSERT_TRUE(file.open(exportPath()));
        EXPECT_EQ(appendRows(file, rows), writeFailedMessage(kDiskFullReason));
        // The rows before the failure are intact: the file is what the disk took.
        EXPECT_EQ(exported(), rows.first(spaceLeft));

        // Rows that come after the failure are never joined to the cut row, even once the
        // disk has room again.
        EXPECT_NO_THROW(file.append(numberedRow(0), RowKind::BranchSetting, false));
        EXPECT_NO_THROW(file.flush());
        EXPECT_EQ(exported(), rows.first(spaceLeft));
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
        ASSERT_TRUE(file.open(exportPath()));
        EXPECT_EQ(appendRows(file, rows), writeFailedMessage(kDeviceFailedReason));
        EXPECT_EQ(exported(), rows);
        EXPECT_FALSE(file.isOpen());
    }
}

TEST_F(ExportFileTest, OpensOnceAndLosesRowsSilentlyWithoutAFile)
{
    RunReport report;
    ExportFile missing(report);
    EXPECT_FALSE(missing.open(exportPath() + u"/missing/kestrunSettings.csv"_s));
    // The system's own words, such as "No such file or directory".
    EXPECT_FALSE(missing.openError().isEmpty());
    EXPECT_EQ(appendRows(missing, numberedRows(2)), std::string());
    // Rows that never reach a file are not counted.
    EXPECT_EQ(report.rowCounts().branchSettings, 0);

    ExportFile file(report);
    ASSERT_TRUE(file.open(exportPath()));
    // Later exporters find the run's file open, whatever path they name.
    EXPECT_TRUE(file.open(exportPath() + u"/missing/kestrunSettings.csv"_s));
    EXPECT_EQ(appendRows(file, numberedRows(2)), std::string());
    EXPECT_EQ(exported(), numberedRows(2));
    EXPECT_EQ(report.rowCounts().branchSettings, 2);
}

TEST_F(ExportFileTest, ReplacesWhatAnOldFileHeld)
{
    // An old export that could not be deleted, longer than this run's rows.
    writeTestFile(exportPath(), QByteArray("old row\r\n").repeated(1000));
    ExportFile file(m_report);
    ASSERT_TRUE(file.open(exportPath()));
    EXPECT_EQ(appendRows(file, numberedRows(2)), std::string());
    EXPECT_EQ(exported(), numberedRows(2));
}

} // namespace
