#include "database/table_dump.h"

#include "support/failing_output_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QString kShell = u"/usr/bin/sqlite3"_s;

sqlite3 *openDatabase(const QString &path)
{
    sqlite3 *db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    return db;
}

void execute(sqlite3 *db, const QByteArray &sql)
{
    char *message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message), SQLITE_OK)
        << (message != nullptr ? message : "");
    sqlite3_free(message);
}

void createDatabase(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = openDatabase(path);
    execute(db, sql);
    sqlite3_close(db);
}

QByteArray shellDump(const QString &databasePath, const QString &table, const QString &dumpPath)
{
    QProcess shell;
    shell.start(kShell,
                {databasePath, u".mode csv"_s, u".once '%1'"_s.arg(dumpPath),
                 u"SELECT * FROM %1;"_s.arg(table)});
    EXPECT_TRUE(shell.waitForFinished());
    return readTestFile(dumpPath);
}

/// The system's reason why \a path cannot be opened for writing.
QString openFailure(const QString &path)
{
    QString reason;
    EXPECT_EQ(openOutputFile(path, OutputFile::Mode::Replace, &reason), nullptr);
    EXPECT_FALSE(reason.isEmpty());
    return reason;
}

} // namespace

TEST(TableDump, WritesWhatTheShellWrites)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the sqlite3 shell to compare with is a Linux program";
#endif
    if (!QFile::exists(kShell))
        GTEST_SKIP() << "no sqlite3 shell";
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"dumps $HOME \"a\" b"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString database = folder + u"/kestrun data.db"_s;
    QByteArray sql = R"sql(
BEGIN;
CREATE TABLE Mixed(a, b, c);
INSERT INTO Mixed VALUES(NULL, '', ' lead'), ('trail ', 'a,b', 'say "hi"');
INSERT INTO Mixed VALUES('it''s', 'cr' || char(13, 10) || 'lf', 'lone' || char(10) || 'lf');
INSERT INTO Mixed VALUES('café', CAST(X'E9FF' AS TEXT), CAST(X'01097F' AS TEXT));
INSERT INTO Mixed VALUES(X'41222C', X'', X'610062'), (CAST(X'610062' AS TEXT), X'00', NULL);
INSERT INTO Mixed VALUES(1.5, 1e300, -0.0), (0.1, CAST(3 AS REAL), 1e-7);
INSERT INTO Mixed VALUES(9223372036854775807, -9223372036854775808, -5);
CREATE TABLE Bytes(text, blob);
CREATE TABLE Empty(a);
)sql";
    // Every byte value inside a text and as a blob.
    for (int byte = 1; byte < 256; ++byte) {
        const QByteArray hex = QByteArray::number(byte, 16).rightJustified(2, '0');
        sql += "INSERT INTO Bytes VALUES(CAST(X'61" + hex + "62' AS TEXT), X'" + hex + "');";
    }
    createDatabase(database, sql + "COMMIT;");

    for (const QString &table : {u"Mixed"_s, u"Bytes"_s, u"Empty"_s}) {
        SCOPED_TRACE(table.toStdString());
        const QString ours = folder + u"/ours "_s + table + u".csv"_s;
        QString error;
        EXPECT_TRUE(dumpTable(database, table, ours, &error)) << error.toStdString();
        const QByteArray expected = shellDump(database, table, folder + u"/shell.csv"_s);
        EXPECT_EQ(table == u"Empty"_s, expected.isEmpty());
        EXPECT_EQ(readTestFile(ours), expected);
    }
}

TEST(TableDump, FailsWithSqliteMessageAndLeavesNoDump)
{
    QTemporaryDir dir;
    const QString dump = dir.filePath(u"dump.csv"_s);
    const QString missing = dir.filePath(u"missing.db"_s);
    const QString text = dir.filePath(u"text.db"_s);
    const QString valid = dir.filePath(u"valid.db"_s);
    const QString inMissingFolder = dir.filePath(u"none/dump.csv"_s);
    const QString folder = dir.filePath(u"folder.csv"_s);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.csv"_s));
    writeTestFile(text, QByteArray("not a database, just some text\n").repeated(200));
    createDatabase(valid, "CREATE TABLE Pools(a); INSERT INTO Pools VALUES(1);");

    // A table whose pages are overwritten fails while its rows are read, after some were.
    const QString damaged = dir.filePath(u"damaged.db"_s);
    createDatabase(damaged,
                   "CREATE TABLE Pools(a); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                   "SELECT i + 1 FROM n WHERE i < 2000) "
                   "INSERT INTO Pools SELECT printf('%0100d', i) FROM n;");
    QByteArray pages = readTestFile(damaged);
    pages.replace(29 * 4096, 4096, QByteArray(4096, 'U'));
    writeTestFile(damaged, pages);

    const struct {
        const char *name;
        QString database, table, dumpPath, expected;
    } cases[] = {
        {"missing database", missing, u"Pools"_s, dump,
         u"unable to open database \"%1\": unable to open database file"_s.arg(missing)},
        {"not a database", text, u"Pools"_s, dump, u"in prepare, file is not a database (26)"_s},
        {"missing table", valid, u"Equipment"_s, dump, u"in prepare, no such table: Equipment"_s},
        {"damaged table", damaged, u"Pools"_s, dump,
         u"stepping, database disk image is malformed (11)"_s},
        {"missing folder", valid, u"Pools"_s, inMissingFolder,
         u"cannot open \"%1\": %2"_s.arg(QDir::toNativeSeparators(inMissingFolder),
                                         openFailure(inMissingFolder))},
        {"folder in the dump's place", valid, u"Pools"_s, folder,
         u"cannot open \"%1\": %2"_s.arg(QDir::toNativeSeparators(folder), openFailure(folder))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (QFileInfo(c.dumpPath).dir().exists() && !QFileInfo(c.dumpPath).isDir())
            writeTestFile(c.dumpPath, "left by an earlier run\r\n");
        QString error;
        EXPECT_FALSE(dumpTable(c.database, c.table, c.dumpPath, &error));
        EXPECT_EQ(error, c.expected);
        EXPECT_FALSE(QFileInfo(c.dumpPath).isFile());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(TableDump, ADumpNotWrittenWholeFailsAndLeavesNothing)
{
    QTemporaryDir dir;
    const QString database = dir.filePath(u"kestrun.db"_s);
    const QString dump = dir.filePath(u"dump.csv"_s);
    // About 210 KiB of rows, so the dump is written in several pieces.
    createDatabase(database,
                   "CREATE TABLE Pools(a); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                   "SELECT i + 1 FROM n WHERE i < 2000) "
                   "INSERT INTO Pools SELECT printf('%0100d', i) FROM n;");
    OutputFailures noSpace, partWay, atTheEnd, closeFails;
    noSpace.spaceLeft = 0;
    partWay.spaceLeft = 70000;
    atTheEnd.spaceLeft = 2000 * 102 - 1;
    closeFails.closeFails = true;
    const struct {
        const char *name;
        OutputFailures failures;
        const char *reason;
    } cases[] = {
        {"disk full from the start", noSpace, kDiskFullReason},
        {"disk full part-way", partWay, kDiskFullReason},
        {"last byte missing", atTheEnd, kDiskFullReason},
        {"close fails", closeFails, kDeviceFailedReason},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(dumpTable(database, u"Pools"_s, dump, &error, kDumpBusyTimeoutMs,
                               failingFiles(c.failures)));
        EXPECT_EQ(error,
                  u"cannot write \"%1\": %2"_s.arg(QDir::toNativeSeparators(dump),
                                                   QLatin1StringView(c.reason)));
        EXPECT_FALSE(QFile::exists(dump));
    }
}

TEST(TableDump, WaitsForALockedDatabase)
{
    QTemporaryDir dir;
    const QString database = dir.filePath(u"kestrun.db"_s);
    const QString dump = dir.filePath(u"dump.csv"_s);
    createDatabase(database, "CREATE TABLE Pools(a); INSERT INTO Pools VALUES(1);");
    sqlite3 *holder = openDatabase(database);
    execute(holder, "BEGIN EXCLUSIVE; INSERT INTO Pools VALUES(2);");

    QString error;
    EXPECT_FALSE(dumpTable(database, u"Pools"_s, dump, &error, 100));
    EXPECT_EQ(error, u"in prepare, database is locked (5)"_s);
    EXPECT_FALSE(QFile::exists(dump));

    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        execute(holder, "COMMIT;");
    });
    EXPECT_TRUE(dumpTable(database, u"Pools"_s, dump, &error, 10000)) << error.toStdString();
    release.join();
    sqlite3_close(holder);
    EXPECT_EQ(readTestFile(dump), "1\r\n2\r\n");
}

TEST(TableDump, LeavesTheSideFilesOfAWriteAheadLogAsFound)
{
    QTemporaryDir dir;
    const QString database = dir.filePath(u"kestrun.db"_s);
    const QString dump = dir.filePath(u"dump.csv"_s);
    const QStringList sideFiles = {database + u"-wal"_s, database + u"-shm"_s};
    const auto sideFilesThere = [&] {
        return std::count_if(sideFiles.begin(), sideFiles.end(),
                             [](const QString &path) { return QFile::exists(path); });
    };
    createDatabase(database,
                   "PRAGMA journal_mode=WAL; CREATE TABLE Pools(a); INSERT INTO Pools VALUES(1);");
    ASSERT_EQ(sideFilesThere(), 0);

    // Those the dump made go when it is done, also when it fails.
    QString error;
    EXPECT_TRUE(dumpTable(database, u"Pools"_s, dump, &error)) << error.toStdString();
    EXPECT_EQ(sideFilesThere(), 0);
    EXPECT_FALSE(dumpTable(database, u"Equipment"_s, dump, &error));
    EXPECT_EQ(sideFilesThere(), 0);

    // Those of a program that has the database open stay, and it goes on using them.
    sqlite3 *holder = openDatabase(database);
    execute(holder, "INSERT INTO Pools VALUES(2);");
    ASSERT_EQ(sideFilesThere(), 2);
    EXPECT_TRUE(dumpTable(database, u"Pools"_s, dump, &error)) << error.toStdString();
    EXPECT_EQ(readTestFile(dump), "1\r\n2\r\n");
    EXPECT_EQ(sideFilesThere(), 2);
    execute(holder, "INSERT INTO Pools VALUES(3);");
    sqlite3_close(holder);
    EXPECT_TRUE(dumpTable(database, u"Pools"_s, dump, &error)) << error.toStdString();
    EXPECT_EQ(readTestFile(dump), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(sideFilesThere(), 0);
}
