#include "database/res_computer_preferences_exporter.h"

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
    computers.writeComputer(u"PC-01"_s, u"Corner, \"quiet\"\r\nwindow"_s, QString(), u"Teens"_s,
                            u"MANUALLY_OUT_OF_SERVICE"_s);
    const QByteArray firstRow = "Computer^~%\"PC-01\"^~%\"Corner, \"quiet\"\\r\\nwindow\"^~%\"\"^~%"
                                "\"Teens\"^~%\"MANUALLY_OUT_OF_SERVICE\"\r\n";
    file.flush();
    EXPECT_EQ(readTestFile(path), firstRow);

    const char *const labels[] = {"Reservable Computer Name", "Reservable Computer Description",
                                  "Reservable Computer Location", "Reservable Computer Group"};
    for (int field = 0; field < 4; ++field) {
        SCOPED_TRACE(labels[field]);
        QString fields[4] = {u"n"_s, u"d"_s, u"l"_s, u"g"_s};
        fields[field] = u"a^~%b"_s;
        try {
            computers.writeComputer(fields[0], fields[1], fields[2], fields[3], QString());
            ADD_FAILURE() << "row written";
        } catch (const std::runtime_error &error) {
            EXPECT_EQ(QByteArray(error.what()),
                      "ERROR: This value is invalid for this export tool: 'a^~%b'. Please manually "
                      "configure the Nimbrel Reservation Service setting: '"
                          + QByteArray(labels[field]) + "'");
        }
    }
    file.flush();
    EXPECT_EQ(readTestFile(path), firstRow);
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
        for (int number = 0; number < kManyRows; ++number)
            computers.writeComputer(u"PC-%1"_s.arg(number), QString(), QString(), u"Teens"_s, QString());
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
