#include "database/res_computer_preferences_exporter.h"

#include "common/export_stopped.h"
#include "database/group_preferences_exporter.h"
#include "export/export_file.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

TEST(ResComputerPreferencesExporter, QuotesEveryFieldAndNamesTheOneHoldingTheSeparator)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    RunReport report;
    ExportFile file(report);
    ResComputerPreferencesExporter computers(file, path);
    computers.writeComputer("PC-01"_L1, "Corner, \"quiet\"\r\nwindow"_L1, QLatin1StringView(),
                            "Teens"_L1, "MANUALLY_OUT_OF_SERVICE"_L1);
    const QByteArray firstRow = "Computer^~%\"PC-01\"^~%\"Corner, \"quiet\"\\r\\nwindow\"^~%\"\"^~%"
                                "\"Teens\"^~%\"MANUALLY_OUT_OF_SERVICE\"\r\n";
    file.flush();
    EXPECT_EQ(readTestFile(ExportFile::partialPath(path)), firstRow);

    const char *const labels[] = {"Reservable Computer Name", "Reservable Computer Description",
                                  "Reservable Computer Location", "Reservable Computer Group"};
    for (int field = 0; field < 4; ++field) {
        SCOPED_TRACE(labels[field]);
        QLatin1StringView fields[4] = {"n"_L1, "d"_L1, "l"_L1, "g"_L1};
        fields[field] = "a^~%b"_L1;
        try {
            computers.writeComputer(fields[0], fields[1], fields[2], fields[3],
                                    QLatin1StringView());
            ADD_FAILURE() << "row written";
        } catch (const ExportStopped &error) {
            EXPECT_EQ(QByteArray(error.what()),
                      "ERROR: This value is invalid for this export tool: 'a^~%b'. Please manually "
                      "configure the Nimbrel Reservation Service setting: '"
                          + QByteArray(labels[field]) + "'");
        }
    }
    file.flush();
    EXPECT_EQ(readTestFile(ExportFile::partialPath(path)), firstRow);

    // The separator is found after a lone first character of it, and only whole.
    for (const QLatin1StringView refused : {"^^~%"_L1, "x^~^~%"_L1, "^~%"_L1}) {
        SCOPED_TRACE(refused.data());
        EXPECT_THROW(computers.writeComputer(refused, "d"_L1, "l"_L1, "g"_L1, QLatin1StringView()),
                     ExportStopped);
    }
    QByteArray rows = firstRow;
    for (const QLatin1StringView kept : {"a^~"_L1, "^%~"_L1, "^ ~%^"_L1}) {
        computers.writeComputer(kept, "d"_L1, "l"_L1, "g"_L1, QLatin1StringView());
        rows += "Computer^~%\"" + QByteArray(kept.data(), kept.size())
            + "\"^~%\"d\"^~%\"l\"^~%\"g\"^~%\"\"\r\n";
    }
    file.flush();
    EXPECT_EQ(readTestFile(ExportFile::partialPath(path)), rows);
}

TEST(ResComputerPreferencesExporter, KeepsThePlacesOfGroupRowsAmongComputerRowsAcrossChunks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    // Enough rows to fill several chunks of the writer.
    constexpr int kManyRows = 5000;
    RunReport report;
    ExportFile file(report);
    QByteArray expected;
    {
        // The computer exporter stays open while the ungrouped pool's row is written through
        // a second exporter; the pool's row follows the last computer row.
        GroupPreferencesExporter group(file, path, u"Teens"_s);
        group.writeGroup();
        group.writeBool(1, u"RCS"_s, u"hideEnabled"_s);
        expected += "Group^~%\"Teens\"\r\nGroupSetting^~%\"Teens\"^~%RCS.hideEnabled^~%true\r\n";
        ResComputerPreferencesExporter computers(file, path);
        for (int number = 0; number < kManyRows; ++number) {
            const QByteArray name = "PC-" + QByteArray::number(number);
            computers.writeComputer(QLatin1StringView(name), QLatin1StringView(),
                                    QLatin1StringView(), "Teens"_L1, QLatin1StringView());
        }
        for (int number = 0; number < kManyRows; ++number)
            expected += "Computer^~%\"PC-" + QByteArray::number(number)
                + "\"^~%\"\"^~%\"\"^~%\"Teens\"^~%\"\"\r\n";
        GroupPreferencesExporter ungroupedPool(file, path);
        ungroupedPool.writeGroup();
        expected += "Group^~%\"KESTRUN UNGROUPED\"\r\n";
    }
    file.finish();
    EXPECT_EQ(readTestFile(path), expected);
    EXPECT_FALSE(file.isOpen());
}

} // namespace
