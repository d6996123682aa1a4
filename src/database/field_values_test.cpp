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
        Field field;
        std::optional<int> expected;
    } cases[] = {
        {"maximum", "2147483647"_L1, kMax},
        {"below maximum", "2147483646"_L1, kMax - 1},
        {"above maximum", "2147483648"_L1, std::nullopt},
        {"minimum", "-2147483648"_L1, kMin},
        {"above minimum", "-2147483647"_L1, kMin + 1},
        {"below minimum", "-2147483649"_L1, std::nullopt},
        {"far beyond", "99999999999999999999999"_L1, std::nullopt},
        {"leading zeros", "000000000000002147483647"_L1, kMax},
        {"white space, sign, trailing text", " \t+7 rooms"_L1, 7},
        {"sign alone", "-"_L1, std::nullopt},
        {"no digits", "abc"_L1, std::nullopt},
        {"empty", ""_L1, std::nullopt},
        {"missing", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(strictInteger(c.field), c.expected);
    }
}

TEST(FieldValues, MissingFieldReadsLikeEmptyAndComparisonIsExact)
{
    for (const Field field : {Field(""_L1), Field()}) {
        SCOPED_TRACE(field ? "empty" : "missing");
        EXPECT_EQ(integer(field), 0);
        EXPECT_EQ(text(field), u""_s);
        EXPECT_EQ(textView(field), ""_L1);
        EXPECT_FALSE(equals(field, "0"_L1));
        EXPECT_FALSE(equals(field, "1"_L1));
        EXPECT_TRUE(equals(field, ""_L1));
    }
    EXPECT_TRUE(equals("0"_L1, "0"_L1));
    EXPECT_TRUE(equals("1"_L1, "1"_L1));
    for (const QLatin1StringView field : {"00"_L1, " 0"_L1, "0 "_L1, "+0"_L1, "1"_L1})
        EXPECT_FALSE(equals(field, "0"_L1)) << field.data();
    // Bytes beyond ASCII are the Latin-1 characters of the same number.
    EXPECT_EQ(text("Caf\xE9"_L1), u"Caf\u00E9"_s);
}
