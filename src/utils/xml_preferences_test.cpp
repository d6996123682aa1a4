#include "utils/xml_preferences.h"

#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;
using UtilsLib::PreferenceEntry;
using UtilsLib::XmlPreferences;

TEST(XmlPreferences, LooksNamesUpWithoutRegardToCaseButContainsMatchesExactly)
{
    XmlPreferences store(u"MC Config"_s);
    store.setString(u"General: Session Length In Blocks"_s, u"6"_s);
    store.setString(u"Straße"_s, QString());
    EXPECT_EQ(store.getString(u"general: session length in blocks"_s, u"d"_s), u"6"_s);
    EXPECT_EQ(store.getString(u"STRASSE"_s, u"d"_s), QString()); // present but empty
    EXPECT_EQ(store.getString(u"absent"_s, u"d"_s), u"d"_s);
    EXPECT_TRUE(store.contains(u"General: Session Length In Blocks"_s));
    EXPECT_FALSE(store.contains(u"general: session length in blocks"_s));
    store.remove(u"GENERAL: SESSION LENGTH IN BLOCKS"_s);
    EXPECT_EQ(store.count(), 1);
}

TEST(XmlPreferences, ReadsIntegersInBaseTenAndConvertsOnlyKnownUnits)
{
    XmlPreferences store(u"MC Config"_s);
    store.setEntry(u"text"_s, u"abc"_s, QString(), false);
    store.setEntry(u"minutes"_s, u"30"_s, u"minutes"_s, false);
    store.setEntry(u"hex"_s, u"0x10"_s, QString(), false);
    store.setEntry(u"negative"_s, u"-5"_s, u"Weeks"_s, false);
    store.setEntry(u"huge"_s, u"2147483648"_s, QString(), false);
    const struct {
        const char *name;
        QString units;
        int expected;
    } cases[] = {
        {"absent", QString(), 7},        {"text", QString(), 0},         {"minutes", QString(), 30},
        {"minutes", u"seconds"_s, 1800}, {"minutes", u"unknown"_s, 30},  {"hex", QString(), 0},
        {"negative", QString(), -5},     {"negative", u"seconds"_s, -5}, {"huge", QString(), 0},
        {"absent", u"seconds"_s, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name + (u" in "_s + c.units).toStdString());
        EXPECT_EQ(store.getInt(QString::fromLatin1(c.name), 7, c.units), c.expected);
    }
    EXPECT_EQ(store.getInt(u"MINUTES"_s, 7), 30);
    EXPECT_EQ(store.getUnits(u"Minutes"_s), u"minutes"_s);
    EXPECT_EQ(store.getUnits(u"text"_s), u"unknown"_s);
    EXPECT_EQ(store.getUnits(u"absent"_s), u"unknown"_s);
}

TEST(XmlPreferences, RenamesEntries)
{
    XmlPreferences store(u"MC Config"_s);
    store.setEntry(u"Old"_s, u"v"_s, u"hours"_s, true);
    store.renameEntry(u"old"_s, u"New Name"_s, false, QString(), QString());
    EXPECT_EQ(store.entries(), (QMap<QString, QString>{{u"NEW NAME"_s, u"v"_s}}));
    EXPECT_EQ(store.findEntry(u"new name"_s, QString(), QString()),
              (PreferenceEntry{u"NEW NAME"_s, u"v"_s, u"hours"_s, false}));

    // A new name of the same key keeps the entry.
    store.renameEntry(u"NEW NAME"_s, u"new name"_s, false, QString(), QString());
    EXPECT_EQ(store.entries(), (QMap<QString, QString>{{u"NEW NAME"_s, u"v"_s}}));

    store.setString(u"Blank"_s, QString());
    store.renameEntry(u"blank"_s, u"Made"_s, false, u"d"_s, u"days"_s);
    EXPECT_FALSE(store.contains(u"Made"_s));
    store.renameEntry(u"blank"_s, u"Made"_s, true, u"d"_s, u"days"_s);
    EXPECT_EQ(store.findEntry(u"made"_s, QString(), QString()),
              (PreferenceEntry{u"Made"_s, u"d"_s, u"days"_s, false}));
    EXPECT_TRUE(store.contains(u"Blank"_s));
}

TEST(XmlPreferences, CopiesTypeAndEntriesButNotThePath)
{
    QTemporaryDir dir;
    XmlPreferences store(u"MC Config"_s);
    store.setString(u"a"_s, u"1"_s);
    store.load(dir.filePath(u"missing.qfp"_s), true);

    XmlPreferences copy(store);
    EXPECT_EQ(copy.type(), u"MC Config"_s);
    EXPECT_EQ(copy.path(), QString());
    copy.setString(u"a"_s, u"2"_s);
    EXPECT_EQ(store.getString(u"a"_s, QString()), u"1"_s);

    XmlPreferences assigned(u"Other"_s);
    assigned.saveAs(dir.filePath(u"assigned.qfp"_s));
    assigned = store;
    EXPECT_EQ(assigned.type(), u"MC Config"_s);
    EXPECT_EQ(assigned.path(), dir.filePath(u"assigned.qfp"_s));
    EXPECT_EQ(assigned.entries(), store.entries());
}

TEST(XmlPreferences, SetAllLoadsFirstThenStoresEveryValueAsText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"base.qfp"_s);
    writeTestFile(path,
                  "<S><entry name='A' units='hours'>file</entry><entry name='B'>file</entry></S>");
    XmlPreferences store(u"MC Config"_s);
    EXPECT_TRUE(store.setAll({{u"a"_s, QVariant(5)}, {u"c"_s, QVariant(u"x"_s)}}, path));
    EXPECT_EQ(store.entries(),
              (QMap<QString, QString>{{u"a"_s, u"5"_s}, {u"B"_s, u"file"_s}, {u"c"_s, u"x"_s}}));
    EXPECT_EQ(store.getUnits(u"a"_s), u"unknown"_s);
    EXPECT_TRUE(store.setAll({}, dir.filePath(u"missing.qfp"_s)));

    try {
        store.getAll();
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "XmlPreferences::getAll() not implemented");
    }
}

TEST(XmlPreferences, SavesUtf8WithCrLfIntoNewFolders)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"one/two/prefs.qfp"_s);
    XmlPreferences store(u"MC Config"_s);
    store.setString(u"é"_s, u"ü"_s);
    ASSERT_TRUE(store.saveAs(path));
    EXPECT_EQ(readTestFile(path),
              "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<Settings>\r\n"
              "<version>1.1</version>\r\n<type>MC Config</type>\r\n"
              "<entry name='\xC3\xA9'>\xC3\xBC</entry>\r\n</Settings>\r\n");
    store.clear();
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readTestFile(path).count("\r\n"), 5);

    store.removeFile();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(store.saveAs(dir.filePath(u"one"_s))); // a folder
    if (QFile::exists(u"/dev/full"_s)) {
        EXPECT_FALSE(store.saveAs(u"/dev/full"_s)); // nothing could be written
    }
}
