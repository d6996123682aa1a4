#include "common/export_location.h"
#include "common/export_stopped.h"
#include "common/installation_paths.h"
#include "database/database_settings_export.h"
#include "database/group_name_table.h"
#include "export/export_file.h"
#include "platform/console.h"

#include "support/temporary_installation.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace {

/// The two tables the stage dumps; every column an INSERT does not name stays NULL.
QByteArray poolsTable()
{
    QByteArray schema = "CREATE TABLE Pools(c0";
    for (int column = 1; column < 62; ++column)
        schema += ",c" + QByteArray::number(column);
    return schema + ");";
}
const QByteArray kEquipmentTable = "CREATE TABLE Equipment(c0,c1,c2,c3,c4,c5,c6);";

void createDatabase(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    const int result = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(result, SQLITE_OK);
}

struct DatabaseStageRun {
    bool exported = false;
    QString error;
    QString out;
    QString err;
    std::string exportFile; // as text, so that a failure shows the rows
    RowCounts counts;
};

DatabaseStageRun runDatabaseStage(TemporaryInstallation &installation)
{
    DatabaseStageRun run;
    Console::Capture console;
    InstallationPaths paths;
    ExportLocation location;
    GroupNameTable groupNames;
    RunReport report;
    ExportFile file(report);
    try {
        run.exported =
            exportDatabaseSettings(paths, location, installation.messages(), file, groupNames);
    } catch (const ExportStopped &error) {
        run.error = error.message();
    }
    file.flush();
    run.out = console.out();
    run.err = console.err();
    run.exportFile =
        readTestFile(ExportFile::partialPath(installation.exportFilePath())).toStdString();
    run.counts = report.rowCounts();
    return run;
}

} // namespace

TEST(DatabaseSettingsExport, ExportsGroupsThenComputersAndLeavesNoDump)
{
    TemporaryInstallation installation;
    createDatabase(installation.databasePath(),
                   poolsTable() + kEquipmentTable
                       + "INSERT INTO Pools(c0,c1,c2,c11) VALUES(3,'Teens, Room 2',255,0);"
                         "INSERT INTO Pools(c0,c1,c11,c23,c26)"
                         " VALUES(4,'Quiet',8,1,'C:\\start.exe'||char(13,10)||'second');"
                         "INSERT INTO Equipment VALUES(1,'PC-01','Desk','Floor 1',0,NULL,3);"
                         "INSERT INTO Equipment VALUES(2,'PC-02',NULL,NULL,6,NULL,99);");
    const DatabaseStageRun run = runDatabaseStage(installation);
    EXPECT_TRUE(run.exported);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(
        run.exportFile,
        "Group^~%\"Teens, Room 2\"\r\n"
        "GroupSetting^~%\"Teens, Room "
        "2\"^~%ReservableComputerSettings.customGroupTextColor^~%\"#FF0000\"\r\n"
        "GroupSetting^~%\"Teens, Room "
        "2\"^~%ReservableComputerSettings.customGroupBoxColor^~%\"\"\r\n"
        "Group^~%\"Quiet\"\r\n"
        "GroupSetting^~%\"Quiet\"^~%ReservableComputerSettings.customGroupTextColor^~%\"\"\r\n"
        "GroupSetting^~%\"Quiet\"^~%ReservableComputerSettings.customGroupBoxColor^~%\"\"\r\n"
        "GroupSetting^~%\"Quiet\"^~%ReservableComputerSettings.sessionStartPrograms^~%[\"C:\\start."
        "exe\"]\r\n"
        "GroupSetting^~%\"Quiet\"^~%ReservableComputerSettings.sessionStartPrograms^~%[\"second\"]"
        "\r\n"
        "Computer^~%\"PC-01\"^~%\"Desk\"^~%\"Floor 1\"^~%\"Teens, Room 2\"^~%\"\"\r\n"
        "Computer^~%\"PC-02\"^~%\"\"^~%\"\"^~%\"KESTRUN "
        "UNGROUPED\"^~%\"MANUALLY_OUT_OF_SERVICE\"\r\n"
        "Group^~%\"KESTRUN UNGROUPED\"\r\n");
    EXPECT_EQ(QDir(installation.exportFolder()).entryList(QDir::Files),
              QStringList{u"kestrunSettings.csv.partial"_s});
    // The ungrouped pool's group row is not one of the groups.
    EXPECT_EQ(run.counts.groups, 2);
    EXPECT_EQ(run.counts.groupSettings, 6);
    EXPECT_EQ(run.counts.computers, 2);
    EXPECT_EQ(run.counts.ungroupedComputers, 1);
    EXPECT_EQ(run.counts.branchSettings, 0);
}

TEST(DatabaseSettingsExport, TriesBothTablesAndFailsWhenEitherCannotBeExported)
{
    const QByteArray rows = "INSERT INTO Pools(c0,c1) VALUES(3,'Teens');"
                            "INSERT INTO Equipment VALUES(1,'PC-01','','',0,NULL,3);";
    const struct {
        const char *name;
        QByteArray database; // empty: none
        bool exportFileOpens;
        int sqliteErrors;
        QString out;
        std::string exportFile;
    } cases[] = {
        {"no database", QByteArray(), true, 2,
         u"Failed to open groupsDump.csv\n"
         u"Failed to write group data to export file: %1groupsDump.csv\n"
         u"Failed to open resComputersDump.csv\n"
         u"Failed to write reservable computer data to export file: %1resComputersDump.csv\n"_s,
         ""},
        {"no groups table",
         kEquipmentTable + "INSERT INTO Equipment VALUES(1,'PC-01','','',0,NULL,3);", true, 1,
         u"Failed to open groupsDump.csv\n"
         u"Failed to write group data to export file: %1groupsDump.csv\n"_s,
         "Computer^~%\"PC-01\"^~%\"\"^~%\"\"^~%\"KESTRUN UNGROUPED\"^~%\"\"\r\n"
         "Group^~%\"KESTRUN UNGROUPED\"\r\n"},
        {"export file cannot be opened", poolsTable() + kEquipmentTable + rows, false, 0,
         u"Failed to write group data to export file: %1groupsDump.csv\n"
         u"Failed to write reservable computer data to export file: %1resComputersDump.csv\n"_s,
         ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryInstallation installation;
        if (!c.database.isEmpty())
            createDatabase(installation.databasePath(), c.database);
        if (!c.exportFileOpens)
            QDir().mkpath(installation.exportFilePath());
        const DatabaseStageRun run = runDatabaseStage(installation);
        EXPECT_FALSE(run.exported);
        EXPECT_EQ(run.out, c.out.arg(QDir::toNativeSeparators(installation.exportFolder())));
        // One line per table that could not be read, SQLite's own message after the prefix.
        EXPECT_EQ(run.err.count(u"\n"_s), c.sqliteErrors);
        EXPECT_EQ(run.err.count(u"Error: "_s), c.sqliteErrors);
        EXPECT_EQ(run.exportFile, c.exportFile);
        EXPECT_FALSE(QFile::exists(installation.groupsDumpPath()));
        EXPECT_FALSE(QFile::exists(installation.computersDumpPath()));
    }
}

TEST(DatabaseSettingsExport, RefusedGroupNameEndsTheStageAndRemovesTheDump)
{
    TemporaryInstallation installation;
    createDatabase(installation.databasePath(),
                   poolsTable() + kEquipmentTable
                       + "INSERT INTO Pools(c0,c1) VALUES(3,'Teens');"
                         "INSERT INTO Pools(c0,c1) VALUES(4,'Bad^~%Name');"
                         "INSERT INTO Equipment VALUES(1,'PC-01','','',0,NULL,3);");
    const DatabaseStageRun run = runDatabaseStage(installation);
    EXPECT_EQ(run.error,
              u"ERROR: This value is invalid for this export tool: 'Bad^~%Name'. Please "
              u"manually configure the Nimbrel Reservation Service setting: 'Group Setting'"_s);
    EXPECT_EQ(
        run.exportFile,
        "Group^~%\"Teens\"\r\n"
        "GroupSetting^~%\"Teens\"^~%ReservableComputerSettings.customGroupTextColor^~%\"\"\r\n"
        "GroupSetting^~%\"Teens\"^~%ReservableComputerSettings.customGroupBoxColor^~%\"\"\r\n");
    EXPECT_EQ(QDir(installation.exportFolder()).entryList(QDir::Files),
              QStringList{u"kestrunSettings.csv.partial"_s});
}
