#include "platform/ini_file.h"

#include "support/test_files.h"

#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string_view>

using namespace Qt::StringLiterals;
using namespace std::string_view_literals;

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

struct StringCase {
    const char *name;
    std::string_view file;
    std::string_view section;
    std::string_view key;
    std::string_view expected;
    std::string_view defaultValue = "dflt"sv;
};

/// Every case also through a file read once and indexed, which must answer the same.
void expectStrings(std::initializer_list<StringCase> cases)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"messages.inf"_s);
    for (const StringCase &c : cases) {
        SCOPED_TRACE(c.name);
        const IniFile::Contents contents = IniFile::parse(bytes(c.file));
        EXPECT_EQ(
            IniFile::readString(contents, bytes(c.section), bytes(c.key), bytes(c.defaultValue)),
            bytes(c.expected));
        writeTestFile(path, bytes(c.file));
        IniFile::IndexedFile indexed;
        QString error;
        EXPECT_TRUE(indexed.load(path, &error)) << qPrintable(error);
        EXPECT_EQ(indexed.readString(bytes(c.section), bytes(c.key), bytes(c.defaultValue)),
                  bytes(c.expected));
    }
}

} // namespace

TEST(IniFile, SplitsLinesAtEveryRunOfLineEnds)
{
    expectStrings({
        {"CR LF", "[s]\r\nk=v\r\nj=w\r\n"sv, "s", "j", "w"},
        {"LF", "[s]\nk=v\nj=w\n"sv, "s", "j", "w"},
        {"CR", "[s]\rk=v\rj=w\r"sv, "s", "j", "w"},
        {"mixed and blank lines", "[s]\r\r\n\n\rk=v\n\r\r\nj=w"sv, "s", "j", "w"},
        {"last line without end", "[s]\nj=w"sv, "s", "j", "w"},
    });
}

TEST(IniFile, TrimsTheWindowsWhitespaceSet)
{
    expectStrings({
        {"around lines", " \t[s] \x1A\n \v\fk=v \t\x1A\n"sv, "s", "k", "v"},
        {"around the equals sign", "[s]\nk \t\x1A= \x1Av"sv, "s", "k", "v"},
        {"Ctrl-Z at the end", "[s]\nk=v\x1A"sv, "s", "k", "v"},
        {"NBSP is kept in a value", "[s]\nk=\xA0v\xA0"sv, "s", "k", "\xA0v\xA0"},
        {"NBSP is part of a name", "[s]\n\xA0k=v"sv, "s", "k", "dflt"},
        {"NBSP name found as written", "[s]\n\xA0k=v"sv, "s", "\xA0k", "v"},
        {"arguments are trimmed", "[s]\nk=v"sv, " s\t", "\x1Ak ", "v"},
    });
}

TEST(IniFile, NulByteHidesTheRestOfItsItemButNotTheLine)
{
    expectStrings({
        {"in a value", "[s]\nk=ab\0cd\nj=w"sv, "s", "k", "ab"},
        {"in a name", "[s]\nk\0x=v"sv, "s", "k", "v"},
        {"in a section name", "[s\0x]\nk=v"sv, "s", "k", "v"},
        {"does not end the line", "[s]\nk=a\0j=w\n"sv, "s", "j", "dflt"},
    });
}

TEST(IniFile, ReadsHeadersAndTheNamelessSection)
{
    expectStrings({
        {"text after the last bracket", "[s] junk\nk=v"sv, "s", "k", "v"},
        {"name up to the last bracket", "[a]b] c\nk=v"sv, "a]b", "k", "v"},
        {"name is trimmed", "[ \ts \x1A]\nk=v"sv, "s", "k", "v"},
        {"bracket without close is an entry", "[s=x\nk=v"sv, "", "[s", "x"},
        {"bracket without close opens no section", "[s\nk=v"sv, "s", "k", "dflt"},
        {"lines before the first header", "k=v\n[s]\nk=w"sv, "", "k", "v"},
        {"blank section argument", "k=v\n[s]"sv, " ", "k", "v"},
        {"empty header name", "[]\nk=v"sv, "", "k", "v"},
    });
}

TEST(IniFile, FindsTheFirstMatchingEntryOfTheFirstMatchingSection)
{
    expectStrings({
        {"split at the first equals sign", "[s]\nk=a=b"sv, "s", "k", "a=b"},
        {"later section of the same name is never searched", "[s]\na=1\n[S]\nb=2"sv, "s", "b",
         "dflt"},
        {"first key wins", "[s]\nk=1\nK=2"sv, "s", "k", "1"},
        {"key without equals gives the default", "[s]\nk\nk=v"sv, "s", "k", "dflt"},
        {"empty value is found", "[s]\nk=\nk=v"sv, "s", "k", ""},
        {"empty name", "[s]\n=v"sv, "s", "", "v"},
        {"semicolon and hash mean nothing", "[s]\n;k=1\n#j=2"sv, "s", ";k", "1"},
        {"no escapes", "[s]\nk=a\\nb%1"sv, "s", "k", "a\\nb%1"},
        {"ASCII letters fold", "[eNgLiSh]\nlcl_warn=v"sv, "English", "LCL_WARN", "v"},
        {"accented byte matches itself", "[Espa\xF1ol]\nk=v"sv, "ESPA\xF1OL", "K", "v"},
        {"accented letters do not fold", "[Espa\xF1ol]\nk=v"sv, "ESPA\xD1OL", "k", "dflt"},
        {"high bytes kept", "[s]\nk=\x01\x7F\x80\x81\xFF"sv, "s", "k", "\x01\x7F\x80\x81\xFF"},
        {"UTF-8 without a mark stays bytes", "[s]\nk=caf\xC3\xA9"sv, "s", "k", "caf\xC3\xA9"},
    });
}

TEST(IniFile, StripsOnePairOfMatchingQuotes)
{
    expectStrings({
        {"double", "[s]\nk=\"v\""sv, "s", "k", "v"},
        {"single", "[s]\nk='v'"sv, "s", "k", "v"},
        {"only one pair", "[s]\nk=\"\"v\"\""sv, "s", "k", "\"v\""},
        {"empty quotes", "[s]\nk=\"\""sv, "s", "k", ""},
        {"lone quote", "[s]\nk=\""sv, "s", "k", "\""},
        {"mismatched", "[s]\nk=\"v'"sv, "s", "k", "\"v'"},
        {"not at the start", "[s]\nk=a\"b\""sv, "s", "k", "a\"b\""},
        {"after trimming", "[s]\nk= 'v' "sv, "s", "k", "v"},
    });
}

TEST(IniFile, HandlesTheDefaultLikeAValue)
{
    expectStrings({
        {"missing section", "[s]\nk=v"sv, "t", "k", "d", "d"},
        {"missing key", "[s]\nk=v"sv, "s", "j", "d", "d"},
        {"empty file", ""sv, "s", "k", "d", "d"},
        {"trailing spaces removed", ""sv, "s", "k", " d", " d  "},
        {"only spaces are removed", ""sv, "s", "k", "d\t", "d\t"},
        {"quotes stripped", ""sv, "s", "k", "d", "'d'"},
        {"spaces before quotes", ""sv, "s", "k", "d", "\"d\"  "},
    });
}

TEST(IniFile, CutsValuesToTheBufferSize)
{
    const QByteArray longValue(300, 'x');
    const IniFile::Contents contents =
        IniFile::parse("[s]\nk=" + longValue + "\nq=\"" + QByteArray(255, 'y') + "\"\n");
    EXPECT_EQ(IniFile::readString(contents, "s", "k"), QByteArray(255, 'x'));
    // The quotes go before the cut, so all 255 bytes between them are kept.
    EXPECT_EQ(IniFile::readString(contents, "s", "q"), QByteArray(255, 'y'));
    EXPECT_EQ(IniFile::readString(contents, "s", "missing", longValue), QByteArray(255, 'x'));
}

TEST(IniFile, ReadsFilesWithByteOrderMarksAsWindows1252)
{
    const QString text = u"[Espa\u00F1ol]\r\nk=\u20AC caf\u00E9 \u2713 \U0001F600 \u0178\r\n"_s;
    struct Case {
        const char *name;
        QByteArray file;
    };
    const Case cases[] = {
        {"UTF-16LE", "\xFF\xFE"_ba + QStringEncoder(QStringConverter::Utf16LE)(text)},
        {"UTF-16BE", "\xFE\xFF"_ba + QStringEncoder(QStringConverter::Utf16BE)(text)},
        {"UTF-8", "\xEF\xBB\xBF"_ba + text.toUtf8()},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + u".inf"_s);
        writeTestFile(path, c.file);
        EXPECT_EQ(IniFile::readString(path, "Espa\xF1ol", "k"), "\x80 caf\xE9 ? ? \x9F");
    }

    // An invalid sequence in a UTF-8 file reads as "?".
    EXPECT_EQ(IniFile::readString(IniFile::parse("\xEF\xBB\xBFk=a\xFF"
                                                 "b"),
                                  "", "k"),
              "a?b");
}

TEST(IniFile, MissingOrUnreadableFileHasNoSections)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(IniFile::readString(dir.filePath(u"none.inf"_s), "s", "k", "d"), "d");
    EXPECT_EQ(IniFile::readString(dir.path(), "s", "k", "d"), "d");
    EXPECT_TRUE(IniFile::readSection(dir.filePath(u"none.inf"_s), "s").isEmpty());
}

TEST(IniFile, ListsTheEntriesOfASection)
{
    struct Case {
        const char *name;
        std::string_view file;
        QByteArray section;
        QByteArrayList expected;
    };
    const Case cases[] = {
        {"name=value and bare names", "[r]\n k = v \nbare\ne=\n"sv, "r", {"k=v", "bare", "e="}},
        {"quotes kept", "[r]\nk=\"v\"\n"sv, "r", {"k=\"v\""}},
        {"semicolon entries left out", "[r]\n;c=1\n;x\n#h\nk\n"sv, "r", {"#h", "k"}},
        {"second nameless entry in a row dropped",
         "[r]\n=a\n=b\nk=c\n=d\n"sv,
         "r",
         {"=a", "k=c", "=d"}},
        {"section argument is not trimmed", "[r]\nk\n"sv, " r", {}},
        {"header name is trimmed", "[ r ]\nk\n"sv, "R", {"k"}},
        {"first section only", "[r]\na\n[R]\nb\n"sv, "r", {"a"}},
        {"empty section", "[r]\n[t]\nk\n"sv, "r", {}},
        {"only comments", "[r]\n;k=v\n"sv, "r", {}},
        {"missing section", "[t]\nk\n"sv, "r", {}},
        {"entry hidden by a NUL", "[r]\n\0x\nk\n"sv, "r", {"k"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniFile::readSection(IniFile::parse(bytes(c.file)), c.section), c.expected);
    }
}

TEST(IniFile, CutsASectionToItsBuffer)
{
    // Each entry takes its length plus a terminating zero; the list ends with one more.
    const auto section = [](int count, int entryLength) {
        QByteArray file = "[r]\n";
        QByteArrayList entries;
        for (int i = 0; i < count; ++i) {
            QByteArray entry = QByteArray::number(1000 + i) + '=';
            entry += QByteArray(entryLength - entry.size(), 'v');
            file += entry + '\n';
            entries += entry;
        }
        return std::pair{IniFile::readSection(IniFile::parse(file), "r"), entries};
    };

    const auto [fits, all] = section(31, 32); // 31 * 33 + 1 = 1024 bytes
    EXPECT_EQ(fits, all);

    auto [cut, entries] = section(32, 31); // 32 * 32 + 1 = 1025 bytes
    entries.back().chop(1);                // 1022 bytes of text are kept
    EXPECT_EQ(cut, entries);
}
