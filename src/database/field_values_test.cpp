#include "database/field_values.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;
using namespace FieldValues;

TEST(FieldValues, StrictIntegerNeedsDigitsWithin32Bits)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct {
        const char *name;
        std::optional<QString> field;
        std::optional<int> expected;
    } cases[] = {
        {"maximum", u"2147483647"_s, kMax},
        {"below maximum", u"2147483646"_s, kMax - 1},
        {"above maximum", u"2147483648"_s, std::nullopt},
        {"minimum", u"-2147483648"_s, kMin},
        {"above minimum", u"-2147483647"_s, kMin + 1},
        {"below minimum", u"-2147483649"_s, std::nullopt},
        {"far beyond", u"99999999999999999999999"_s, std::nullopt},
        {"leading zeros", u"000000000000002147483647"_s, kMax},
        {"white space, sign, trailing text", u" \t+7 rooms"_s, 7},
        {"sign alone", u"-"_s, std::nullopt},
        {"no digits", u"abc"_s, std::nullopt},
        {"empty", u""_s, std::nullopt},
        {"missing", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(strictInteger(c.field), c.expected);
    }
}

TEST(FieldValues, MissingFieldReadsLikeEmptyAndComparisonIsExact)
{
    for (const auto &field : {std::optional<QString>(u""_s), std::optional<QString>()}) {
        SCOPED_TRACE(field ? "empty" : "missing");
        EXPECT_EQ(integer(field), 0);
        EXPECT_EQ(text(field), u""_s);
        EXPECT_FALSE(equals(field, u"0"));
        EXPECT_FALSE(equals(field, u"1"));
    }
    EXPECT_TRUE(equals(u"0"_s, u"0"));
    EXPECT_TRUE(equals(u"1"_s, u"1"));
    for (const QString &field : {u"00"_s, u" 0"_s, u"0 "_s, u"+0"_s, u"1"_s})
        EXPECT_FALSE(equals(field, u"0")) << field.toStdString();
}
