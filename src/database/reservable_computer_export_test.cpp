#include "common/export_location.h"
#include "database/group_name_table.h"
#include "database/reservable_computer_export.h"
#include "export/export_file.h"
#include "platform/console.h"

#include "support/temporary_installation.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ReservableComputerExport, WritesOneRowPerComputerAndTheUngroupedPoolLast)
{
    GroupNameTable groupNames;
    groupNames.enter(3, "Teens"_L1);
    groupNames.enter(4, QLatin1StringView());
    const QByteArray allGrouped = "1,PC-01,Front desk,Main floor,0,x,3\r\n";
    const QByteArray pc01 =
        "Computer^~%\"PC-01\"^~%\"Front desk\"^~%\"Main floor\"^~%\"Teens\"^~%\"\"\r\n";
    const struct {
        const char *name;
        QByteArray dump;
        QByteArray exportFile;
    } cases[] = {
        {"mixed computers",
         allGrouped
             + "2,PC-02,\"Games, puzzles\",Teens room,6,,3\r\n"
               "3,PC-03,,,5,,9\r\n"
               "4,PC-04,,,7,,4\r\n"
               "5,PC-01,\"two\r\nlines\",,6,,abc\r\n"
               "6,PC-06\n",
         pc01
             + "Computer^~%\"PC-02\"^~%\"Games, puzzles\"^~%\"Teens "
               "room\"^~%\"Teens\"^~%\"MANUALLY_OUT_OF_SERVICE\"\r\n"
               "Computer^~%\"PC-03\"^~%\"\"^~%\"\"^~%\"KESTRUN UNGROUPED\"^~%\"\"\r\n"
               "Computer^~%\"PC-04\"^~%\"\"^~%\"\"^~%\"KESTRUN UNGROUPED\"^~%\"\"\r\n"
               "Computer^~%\"PC-01\"^~%\"two\\r\\nlines\"^~%\"\"^~%\"KESTRUN "
               "UNGROUPED\"^~%\"MANUALLY_OUT_OF_SERVICE\"\r\n"
               "Computer^~%\"PC-06\"^~%\"\"^~%\"\"^~%\"KESTRUN UNGROUPED\"^~%\"\"\r\n"
               "Group^~%\"KESTRUN UNGROUPED\"\r\n"},
        {"every computer grouped", allGrouped, pc01},
        {"empty dump", QByteArray(), QByteArray()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryInstallation installation;
        writeTestFile(installation.computersDumpPath(), c.dump);
        Console::Capture console;
        ExportLocation location;
        RunReport report;
        ExportFile file(report);
        EXPECT_TRUE(exportReservableComputers(location, file, groupNames));
        file.finish();
        EXPECT_EQ(console.out(), QString());
        EXPECT_EQ(readTestFile(installation.exportFilePath()).toStdString(),
                  c.exportFile.toStdString());
    }
}
