#include "utils/hex_codec.h"
#include "utils/legacy_hex_codec.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using UtilsLib::HexCodec;
using UtilsLib::LegacyHexCodec;

TEST(HexCodec, EncodesEachUtf8ByteAsTwoLowercaseDigits)
{
    const struct {
        const char *name;
        QString text;
        QString stored;
    } cases[] = {
        {"empty", QString(), QString()},
        {"ascii", u"Az"_s, u"34a6"_s},
        {"two-byte character", u"é"_s, u"3905"_s},
        {"three-byte character", u"€"_s, u"77b70b"_s},
        {"zero byte kept", QString(QChar(0)), u"b2"_s},
    };
    const HexCodec codec;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codec.encode(c.text), c.stored);
        EXPECT_EQ(codec.decode(c.stored), c.text);
    }
}

TEST(HexCodec, RoundTripsTextBeyondAscii)
{
    const HexCodec codec;
    for (const QString &text : {u"Grüße, 日本語 😀"_s, u"a&b<c>\"d'"_s, u"\r\n\t"_s}) {
        const QString stored = codec.encode(text);
        EXPECT_EQ(stored.size(), 2 * text.toUtf8().size());
        EXPECT_EQ(stored, stored.toLower());
        EXPECT_EQ(codec.decode(stored), text);
    }
    EXPECT_EQ(codec.decode(u"34A6"_s), u"Az"_s);
    EXPECT_EQ(codec.decode(u"abc"_s), u"abc"_s);             // odd length: never encoded
    EXPECT_EQ(codec.decode(u"zz"_s), codec.decode(u"00"_s)); // not hexadecimal: 0
}

TEST(LegacyHexCodec, WritesTheBarAsTripleAndReadsItBack)
{
    const LegacyHexCodec codec;
    // "e" would become "|".
    EXPECT_EQ(codec.encode(u"ae"_s), u"t#^#"_s);
    EXPECT_EQ(codec.decode(u"t#^#"_s), u"ae"_s);
    EXPECT_FALSE(codec.encode(u"Secret-Password_1e"_s).contains(u'|'));
    EXPECT_EQ(codec.decode(codec.encode(u"Secret-Password_1e"_s)), u"Secret-Password_1e"_s);
    // Triples are taken left to right without overlap.
    EXPECT_EQ(codec.decode(u"#^#^#"_s), codec.decode(u"|^#"_s));
}

TEST(LegacyHexCodec, RefusesTextLongerThan1024Characters)
{
    const LegacyHexCodec codec;
    const QString atLimit(1024, u'a');
    const QString overLimit(1025, u'a');
    EXPECT_EQ(codec.encode(atLimit), QString(1024, u't'));
    EXPECT_EQ(codec.decode(QString(1024, u't')), atLimit);
    EXPECT_TRUE(codec.encode(overLimit).isNull());
    EXPECT_TRUE(codec.decode(QString(1025, u't')).isNull());
}
