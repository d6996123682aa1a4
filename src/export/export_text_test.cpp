#include "export/export_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray appended(QStringView text, QLatin1StringView lineBreak)
{
    ByteBuffer out;
    ExportText::append(out, text, lineBreak);
    return out.view().toByteArray();
}

QByteArray appended(QLatin1StringView text, QLatin1StringView lineBreak)
{
    ByteBuffer out;
    ExportText::append(out, text, lineBreak);
    return out.view().toByteArray();
}

TEST(ExportText, WritesEveryLineBreakAsGivenAndTheRestByteForByte)
{
    const struct {
        const char *name;
        QString text;
        QByteArray kept;    // no line break given
        QByteArray escaped; // line breaks as \r\n
    } cases[] = {
        {"empty", QString(), "", ""},
        {"CR LF", u"a\r\nb"_s, "a\r\nb", "a\\r\\nb"},
        {"lone LF and lone CR", u"\na\rb\n"_s, "\na\rb\n", "\\r\\na\\r\\nb\\r\\n"},
        {"LF CR is two breaks", u"a\n\rb"_s, "a\n\rb", "a\\r\\n\\r\\nb"},
        {"CR at the end", u"a\r"_s, "a\r", "a\\r\\n"},
        {"Latin-1 beyond ASCII", u"\u00E9t\u00E9 \u00FF\u0080"_s, "\xE9t\xE9 \xFF\x80",
         "\xE9t\xE9 \xFF\x80"},
        {"long text across blocks", u"0123456789abcdefghij\r\n0123456789abcdefghij\r"_s,
         "0123456789abcdefghij\r\n0123456789abcdefghij\r",
         "0123456789abcdefghij\\r\\n0123456789abcdefghij\\r\\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // Text that Latin-1 holds comes out the same from its characters and from its bytes.
        const QByteArray latin1 = c.text.toLatin1();
        for (const QLatin1StringView lineBreak :
             {QLatin1StringView(), ExportText::kEscapedLineBreak}) {
            const QByteArray &expected = lineBreak.isNull() ? c.kept : c.escaped;
            EXPECT_EQ(appended(c.text, lineBreak), expected);
            EXPECT_EQ(appended(QLatin1StringView(latin1), lineBreak), expected);
        }
    }
    // Beyond Latin-1 a character, also one of two UTF-16 units, is one "?".
    EXPECT_EQ(appended(u"\u20AC\U0001F600x"_s, ExportText::kFlattenedLineBreak), "??x");
}

TEST(ExportText, ReadsBackOneQuestionMarkPerCharacterBeyondLatin1)
{
    EXPECT_EQ(ExportText::asWritten(u"caf\u00E9 \U0001F600\u20AC"_s), u"caf\u00E9 ??"_s);
    // A surrogate without its partner is a character of its own.
    const char16_t lone[] = {u'a', 0xD83D, u'b', 0xDE00, 0xD83D};
    EXPECT_EQ(ExportText::asWritten(QStringView(lone, std::size(lone))), u"a?b??"_s);
    // Line breaks stay as they are.
    EXPECT_EQ(ExportText::asWritten(u"a\r\nb"_s), u"a\r\nb"_s);
}

} // namespace
