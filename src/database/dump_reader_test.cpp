#include "database/dump_reader.h"

#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<QStringList> readRecords(const QString &path)
{
    DumpReader reader;
    QString error;
    EXPECT_TRUE(reader.open(path, &error));
    QList<QStringList> records;
    while (auto record = reader.nextRecord(&error)) {
        QStringList fields;
        while (auto field = record->nextToken())
            fields.append(field->toString());
        records.append(fields);
    }
    EXPECT_TRUE(error.isEmpty()) << qPrintable(error);
    return records;
}

} // namespace

TEST(DumpReader, SplitsRecordsAndKeepsQuotedLineBreaks)
{
    const QByteArray longValue(1 << 20, 'x');
    const struct {
        const char *name;
        QByteArray dump;
        QList<QStringList> expected;
    } cases[] = {
        {"CR LF",
         "3,\"Teens, Room 2\",7\r\n4,b\r\n",
         {{u"3"_s, u"Teens, Room 2"_s, u"7"_s}, {u"4"_s, u"b"_s}}},
        {"LF",
         "3,\"Teens, Room 2\",7\n4,b\n",
         {{u"3"_s, u"Teens, Room 2"_s, u"7"_s}, {u"4"_s, u"b"_s}}},
        {"doubled quotes", "\"say \"\"hi\"\"\",z\r\n", {{u"say \"hi\""_s, u"z"_s}}},
        {"quoted CR LF",
         "1,\"two\r\nlines\",x\r\n2\r\n",
         {{u"1"_s, u"two\r\nlines"_s, u"x"_s}, {u"2"_s}}},
        {"quoted LF", "1,\"a\n\nb\"\n2\n", {{u"1"_s, u"a\n\nb"_s}, {u"2"_s}}},
        {"doubled quote before a break", "\"a\"\"\r\nb\",c\r\n", {{u"a\"\r\nb"_s, u"c"_s}}},
        {"closing quote at line end", "\"a\"\r\n\"b\"\r\n", {{u"a"_s}, {u"b"_s}}},
        {"no final line end", "a,b\r\nc", {{u"a"_s, u"b"_s}, {u"c"_s}}},
        {"empty lines", "a\r\n\r\n\nb\r\n", {{u"a"_s}, {}, {}, {u"b"_s}}},
        {"empty file", "", {}},
        {"unclosed quote", "1,\"open\r\nrest\r\n", {{u"1"_s, u"open\r\nrest"_s}}},
        {"bytes beyond ASCII", "\xE9\xFF,\x80\x01\r\n", {{u"\u00E9\u00FF"_s, u"\u0080\u0001"_s}}},
        {"long line", longValue + ",y\r\nz", {{QString::fromLatin1(longValue), u"y"_s}, {u"z"_s}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"groupsDump.csv"_s);
        writeTestFile(path, c.dump);
        EXPECT_EQ(readRecords(path), c.expected);
    }
    QTemporaryDir dir;
    DumpReader missing;
    QString error;
    EXPECT_FALSE(missing.open(dir.filePath(u"missing.csv"_s), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(missing.nextRecord(&error));
    EXPECT_TRUE(error.isEmpty());
}
