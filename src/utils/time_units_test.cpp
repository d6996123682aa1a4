#include "utils/time_units.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;
using UtilsLib::convertUnits;
using UtilsLib::convertUnitsIfKnown;

TEST(TimeUnits, ConvertsAndRoundsHalfAwayFromZero)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const struct {
        const char *name;
        int value;
        QString from;
        QString to;
        int expected;
    } cases[] = {
        {"half up", 90, u"minutes"_s, u"hours"_s, 2},
        {"half down", -90, u"minutes"_s, u"hours"_s, -2},
        {"below half", 89, u"minutes"_s, u"hours"_s, 1},
        {"names in any case", 1, u"Days"_s, u"HOURS"_s, 24},
        {"millisecond to seconds", 1, u"milliseconds"_s, u"seconds"_s, 0},
        {"half a second", 1500, u"milliseconds"_s, u"seconds"_s, 2},
        {"hours to minutes", 3, u"hours"_s, u"minutes"_s, 180},
        {"same unit", -123456, u"seconds"_s, u"seconds"_s, -123456},
        {"int limits unchanged", kMin, u"days"_s, u"days"_s, kMin},
        {"saturates above", 30000, u"days"_s, u"milliseconds"_s, kMax},
        {"saturates below", -30000, u"days"_s, u"milliseconds"_s, kMin},
        {"just fits", 2147483, u"seconds"_s, u"milliseconds"_s, 2147483000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convertUnits(c.value, c.from, c.to), c.expected);
        EXPECT_EQ(convertUnitsIfKnown(c.value, c.from, c.to), c.expected);
    }
}

TEST(TimeUnits, FailsWithTheNamesAsGiven)
{
    const struct {
        QString from;
        QString to;
        const char *message;
    } cases[] = {
        {QString(), u"seconds"_s, "Conversion Failure: Could not convert from  to seconds"},
        {u"unknown"_s, u"Hours"_s, "Conversion Failure: Could not convert from unknown to Hours"},
        {u"Minutes"_s, u"weeks"_s, "Conversion Failure: Could not convert from Minutes to weeks"},
        {u"%2"_s, u"x"_s, "Conversion Failure: Could not convert from %2 to x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(convertUnitsIfKnown(1, c.from, c.to), std::nullopt);
        try {
            convertUnits(1, c.from, c.to);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error &error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
    try {
        UtilsLib::unitFactor(u"Fortnights"_s);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(
            error.what(),
            "Conversion Failure: Unable to get conversion factor from Fortnights to seconds");
    }
}
