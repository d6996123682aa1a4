#include "utils/xml_preferences.h"
#include "utils/xml_preferences_file_parser.h"

#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using UtilsLib::XmlPreferences;

namespace {

class XmlPreferencesFileTest : public testing::Test {
protected:
    /// Writes \a contents to a file of the temporary folder and returns its path.
    QString file(const QString &name, const QByteArray &contents)
    {
        const QString path = m_dir.filePath(name);
        writeTestFile(path, contents);
        return path;
    }

    QTemporaryDir m_dir;
    XmlPreferences m_store{u"MC Config"_s};
};

} // namespace

TEST_F(XmlPreferencesFileTest, ReadsEveryEntryElementWithItsWholeCharacterData)
{
    const QString path = file(u"s.qfp"_s, R"(<?xml version="1.0"?>
<!DOCTYPE Settings [<!ENTITY who "A &amp; B">]>
<Settings><version>1.1</version><type>Ignored</type>
<group><entry name='Deep' units='Minutes'>30</entry></group>
<entry name='Pieces'>a&amp;b&#x41;&who;<!-- note -->c<![CDATA[<d>]]></entry>
<entry name='Split' encrypted='1'>3<!-- x -->4a6</entry>
<entry name='Plain' encrypted='yes'>34a6</entry>
<entry name='Nested'>before<b>inner</b>after</entry>
<entry name='Empty'/>
<entry units='hours'>no name</entry>
<entry name='Lines'>one
two</entry>
</Settings>
)"_ba);
    ASSERT_TRUE(m_store.load(path, false));
    const struct {
        QString name;
        QString value;
        QString units;
        bool encrypted;
    } expected[] = {
        {u"Deep"_s, u"30"_s, u"Minutes"_s, false},
        {u"Pieces"_s, u"a&bAA & Bc<d>"_s, QString(), false},
        {u"Split"_s, u"Az"_s, QString(), true},
        {u"Plain"_s, u"34a6"_s, QString(), false},
        {u"Nested"_s, u"beforeinner"_s, QString(), false},
        {u"Empty"_s, QString(), QString(), false},
        {QString(), u"no name"_s, u"hours"_s, false},
        {u"Lines"_s, u"one\ntwo"_s, QString(), false},
    };
    EXPECT_EQ(m_store.count(), int(std::size(expected)));
    EXPECT_EQ(m_store.type(), u"MC Config"_s);
    for (const auto &e : expected) {
        SCOPED_TRACE(e.name.toStdString());
        EXPECT_EQ(m_store.findEntry(e.name, u"absent"_s, QString()),
                  (UtilsLib::PreferenceEntry{e.name, e.value, e.units, e.encrypted}));
    }
}

TEST_F(XmlPreferencesFileTest, LaterFileReplacesEntriesOfTheSameNameInAnyCase)
{
    const QString first = file(u"first.qfp"_s, R"(<Settings>
<entry name='General: Session Length' units='minutes'>30</entry>
<entry name='Only First'>kept</entry>
<entry name='Secret' encrypted='1'>34a6</entry>
</Settings>)"_ba);
    const QString second = file(u"second.qfp"_s, R"(<Settings>
<entry name='GENERAL: session length'>45</entry>
<entry name='secret' units='hours'>34a6</entry>
</Settings>)"_ba);
    ASSERT_TRUE(m_store.load(first, false));
    ASSERT_TRUE(m_store.load(second, false));
    EXPECT_EQ(m_store.path(), second);
    EXPECT_EQ(m_store.count(), 3);
    EXPECT_EQ(m_store.findEntry(u"general: session length"_s, QString(), QString()),
              (UtilsLib::PreferenceEntry{u"GENERAL: session length"_s, u"45"_s, QString(), false}));
    EXPECT_EQ(m_store.findEntry(u"SECRET"_s, QString(), QString()),
              (UtilsLib::PreferenceEntry{u"secret"_s, u"34a6"_s, u"hours"_s, false}));
    EXPECT_EQ(m_store.getString(u"only first"_s, QString()), u"kept"_s);
}

TEST_F(XmlPreferencesFileTest, KeepsEntriesCompletedBeforeAParseError)
{
    const struct {
        const char *name;
        QByteArray contents;
    } cases[] = {
        {"truncated",
         "<Settings><entry name='a'>1</entry><entry name='b'>2</entry><entry name='c'>3"},
        {"mismatched tag",
         "<Settings><entry name='a'>1</entry><entry name='b'>2</entry></Setting>"},
        {"content after the root",
         "<Settings><entry name='a'>1</entry><entry name='b'>2</entry></Settings><x/>"},
        {"undeclared entity",
         "<Settings><entry name='a'>1</entry><entry name='b'>2</entry><entry name='c'>&x;</entry>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        XmlPreferences store(u"MC Config"_s);
        store.setString(u"earlier"_s, u"e"_s);
        const QString path = file(u"broken.qfp"_s, c.contents);
        EXPECT_FALSE(store.load(path, false));
        EXPECT_EQ(
            store.entries(),
            (QMap<QString, QString>{{u"earlier"_s, u"e"_s}, {u"a"_s, u"1"_s}, {u"b"_s, u"2"_s}}));
        EXPECT_TRUE(store.load(path, true));
    }
    for (const QByteArray &contents : {QByteArray(), "   "_ba, "not xml"_ba}) {
        EXPECT_FALSE(m_store.load(file(u"empty.qfp"_s, contents), false));
    }
}

TEST_F(XmlPreferencesFileTest, MissingFileLeavesTheStoreUnchanged)
{
    m_store.setString(u"Kept"_s, u"1"_s);
    const QString missing = m_dir.filePath(u"missing.qfp"_s);
    EXPECT_FALSE(m_store.load(missing, false));
    EXPECT_TRUE(m_store.load(missing, true));
    EXPECT_EQ(m_store.entries(), (QMap<QString, QString>{{u"Kept"_s, u"1"_s}}));
    EXPECT_EQ(m_store.path(), missing);
}

TEST_F(XmlPreferencesFileTest, TakesTheEncodingFromTheDocument)
{
    const QString text =
        u"<?xml version=\"1.0\" encoding=\"utf-16\"?><S><entry name='é'>日本</entry></S>"_s;
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const struct {
        const char *name;
        QByteArray contents;
        QString entryName;
        QString value;
    } cases[] = {
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF<S><entry name='n'>\xC3\xA9</entry></S>",
         u"n"_s, u"é"_s},
        {"UTF-8 without",
         "<?xml version=\"1.0\" encoding=\"utf-8\" ?><S><entry name='n'>\xC3\xA9</entry></S>",
         u"n"_s, u"é"_s},
        {"Latin-1",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><S><entry name='n'>\xE9</entry></S>",
         u"n"_s, u"é"_s},
        {"UTF-16", utf16, u"É"_s, u"日本"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        XmlPreferences store(u"MC Config"_s);
        ASSERT_TRUE(store.load(file(u"encoded.qfp"_s, c.contents), false));
        EXPECT_EQ(store.getString(c.entryName, u"absent"_s), c.value);
    }
}

TEST_F(XmlPreferencesFileTest, UsesAPlainPathAsItStandsAndAFileUrlAsItsLocalPath)
{
    const QByteArray contents = "<S><entry name='n'>v</entry></S>";
    QStringList names = {u"a#b.qfp"_s, u"a%20b.qfp"_s};
#ifndef Q_OS_WIN
    names.append(u"a?b.qfp"_s); // a character that Windows does not allow in a file name
#endif
    for (const QString &name : std::as_const(names)) {
        SCOPED_TRACE(name.toStdString());
        XmlPreferences store(u"MC Config"_s);
        const QString path = file(name, contents);
        EXPECT_TRUE(store.load(path, false));
        EXPECT_EQ(store.path(), path);
        EXPECT_EQ(store.getString(u"n"_s, QString()), u"v"_s);
    }
    const QString spaced = file(u"with space.qfp"_s, contents);
    EXPECT_TRUE(m_store.load(QUrl::fromLocalFile(spaced).toString(QUrl::FullyEncoded), false));
    EXPECT_EQ(m_store.path(), spaced);

    XmlPreferences sample(u"Sample Settings"_s);
    sample.load(m_dir.filePath(u"ksrServer.old.qfp"_s), true);
    EXPECT_EQ(sample.type(), u"ksrServer.old"_s);
}

TEST_F(XmlPreferencesFileTest, NeverReadsExternalEntities)
{
    file(u"secret.txt"_s, "SECRET");
    const QString path = file(u"external.qfp"_s, R"(<?xml version="1.0"?>
<!DOCTYPE Settings SYSTEM "secret.dtd" [<!ENTITY ext SYSTEM "secret.txt">]>
<Settings><entry name='n'>a&ext;b</entry></Settings>)"_ba);
    m_store.load(path, false);
    EXPECT_EQ(m_store.getString(u"n"_s, QString()), u"ab"_s);
}

TEST_F(XmlPreferencesFileTest, RejectsRunawayEntityExpansionQuickly)
{
    QByteArray nested = "<?xml version=\"1.0\"?>\n<!DOCTYPE S [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level)
        nested += "<!ENTITY lol" + QByteArray::number(level) + " \""
            + QByteArray("&lol" + QByteArray::number(level - 1) + ";").repeated(10) + "\">\n";
    nested += "]>\n<S><entry name='a'>1</entry><entry name='b'>&lol9;</entry></S>\n";

    QByteArray repeated = "<!DOCTYPE S [<!ENTITY a \"" + QByteArray(4000, 'A')
        + "\">]>\n<S><entry name='a'>1</entry><entry name='b'>";
    repeated += QByteArray("&a;").repeated(20000) + "</entry></S>\n";

    for (const QByteArray &contents : {nested, repeated}) {
        XmlPreferences store(u"MC Config"_s);
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(store.load(file(u"laughs.qfp"_s, contents), false));
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_EQ(store.getString(u"a"_s, QString()), u"1"_s);
        EXPECT_EQ(store.count(), 1);
    }

    // Entities used with measure still read.
    const QString modest =
        file(u"modest.qfp"_s,
             "<!DOCTYPE S [<!ENTITY a \"" + QByteArray(4000, 'A') + "\">]>\n<S><entry name='b'>"
                 + QByteArray("&a;").repeated(100) + "</entry></S>\n");
    ASSERT_TRUE(m_store.load(modest, false));
    EXPECT_EQ(m_store.getString(u"b"_s, QString()), QString(400000, u'A'));
}

TEST_F(XmlPreferencesFileTest, SaysWhyALoadFailed)
{
    QDir(m_dir.path()).mkdir(u"folder.qfp"_s);
    QByteArray runaway =
        "<!DOCTYPE S [<!ENTITY a \"" + QByteArray(4000, 'A') + "\">]>\n<S><entry name='b'>";
    runaway += QByteArray("&a;").repeated(20000) + "</entry></S>\n";
    const auto notValid = [](const char *readerMessage) {
        return u"is not a valid preference file: "_s + QLatin1StringView(readerMessage);
    };
    const struct {
        const char *name;
        QString path;
        QString whatIsWrong; ///< after the path
    } cases[] = {
        {"missing", m_dir.filePath(u"missing.qfp"_s), u"does not exist"_s},
        {"folder", m_dir.filePath(u"folder.qfp"_s),
         u"could not be read: it is a folder, not a file"_s},
        {"empty", file(u"empty.qfp"_s, QByteArray()),
         notValid("the file is empty (line 1, column 0)")},
        {"blanks", file(u"blanks.qfp"_s, "  \r\n"),
         notValid("Premature end of document (line 2, column 0)")},
        {"truncated", file(u"cut.qfp"_s, "<S>\n<entry name='a'>1</en"),
         notValid("Premature end of document (line 2, column 21)")},
        {"mismatched tag", file(u"tag.qfp"_s, "<S>\n<entry name='a'>1</entry>\n</T>\n"),
         notValid("Opening and ending tag mismatch (line 3, column 4)")},
        // The line named is the one that holds the byte, not where the reader began decoding.
        {"Latin-1 byte in UTF-8",
         file(u"latin1.qfp"_s,
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<S>\n<entry name='a'>1</entry>\n<entry "
              "name='b'>G\xE9ST</entry>\n</S>\n"),
         notValid("Encountered incorrectly encoded content (line 4, column 0)")},
        {"Latin-1 byte right after the declaration",
         file(u"prolog.qfp"_s,
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<S><entry "
              "name='b'>G\xE9ST</entry></S>\n<!-- end -->\n"),
         notValid("Encountered incorrectly encoded content (line 2, column 0)")},
        {"Latin-1 byte before the root, after a comment",
         file(u"comment.qfp"_s, "<?xml version=\"1.0\"?>\n<!-- saved -->\n\xE9<S/>\n"),
         notValid("Encountered incorrectly encoded content (line 3, column 0)")},
        {"character cut short by the end of the file",
         file(u"cut-short.qfp"_s, "<S>\n<entry name='a'>1</entry>\n\xC3"),
         notValid("Encountered incorrectly encoded content (line 3, column 0)")},
        {"runaway entities", file(u"runaway.qfp"_s, runaway),
         notValid("its entity references would expand to more than 16 MiB of text (line 2, "
                  "column 8258)")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        XmlPreferences store(u"MC Config"_s);
        QString error;
        EXPECT_FALSE(store.loadFile(c.path, &error));
        EXPECT_EQ(error, u"'"_s + QDir::toNativeSeparators(c.path) + u"' "_s + c.whatIsWrong);
        EXPECT_FALSE(store.load(c.path, false));
        EXPECT_TRUE(store.load(c.path, true));
    }
}

TEST_F(XmlPreferencesFileTest, AMissingRelativePathNamesWhereItWasLookedFor)
{
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    XmlPreferences store(u"MC Config"_s);
    QString error;
    EXPECT_FALSE(store.loadFile(u"./../x/missing.qfp"_s, &error));
    QDir::setCurrent(before);
    EXPECT_EQ(
        error,
        u"'"_s + QDir::toNativeSeparators(u"./../x/missing.qfp"_s)
            + u"' does not exist: it was looked for at '"_s
            + QDir::toNativeSeparators(QFileInfo(m_dir.path()).dir().filePath(u"x/missing.qfp"_s))
            + u"' (the program must be started from the Management Console's program folder)"_s);
}

namespace {

/// A device that hands out its bytes, then fails as a disk that cannot be read would.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_bytes.isEmpty()) {
            setErrorString(u"Input/output error"_s);
            return -1;
        }
        const qint64 size = std::min<qint64>(maxSize, m_bytes.size());
        std::copy_n(m_bytes.constData(), size, data);
        m_bytes.remove(0, size);
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

} // namespace

TEST(XmlPreferencesFileParser, AReadErrorPartWayIsUnreadableAndKeepsWhatWasRead)
{
    QList<UtilsLib::PreferenceEntry> read;
    UtilsLib::XmlPreferencesFileParser parser(
        [&read](const UtilsLib::PreferenceEntry &entry) { read.append(entry); });
    FailingDevice device("<S>\n<entry name='a'>1</entry>\n<entry name='b'>2");
    QString error;
    EXPECT_FALSE(parser.parse(device, &error));
    EXPECT_EQ(error, u"could not be read: Input/output error"_s);
    EXPECT_EQ(read, (QList<UtilsLib::PreferenceEntry>{{u"a"_s, u"1"_s, QString(), false}}));
}
