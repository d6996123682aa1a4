#include "export/text_scan.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

/// Units that stop a plain run or are looked for, and units that look like them in one
/// byte only (a high byte of CR, a low byte of a quote under a high byte).
constexpr std::array<char16_t, 14> kUnits{
    u'a', u'"', u',', u'\r', u'\n', u'\t', 0x00E9, 0x00FF, 0x0100,
    0x0D00, 0x220D, 0x2022, 0xD83D, 0xFFFF,
};

/// What copyPlainRun must copy: the leading units that are Latin-1 and no line break.
qsizetype plainRunLength(const std::u16string &text)
{
    qsizetype i = 0;
    while (i < qsizetype(text.size()) && text[i] <= 0xFF && text[i] != u'\r' && text[i] != u'\n')
        ++i;
    return i;
}

qsizetype firstOf(const std::u16string &text, char16_t first, char16_t second)
{
    const size_t at = text.find_first_of(std::u16string{first, second});
    return at == std::u16string::npos ? qsizetype(text.size()) : qsizetype(at);
}

/// Runs both forms of both scans over \a text and checks them against the plain loops.
void checkScans(const std::u16string &text)
{
    const qsizetype size = text.size();
    const qsizetype expected = plainRunLength(text);
    for (const bool portable : {false, true}) {
        SCOPED_TRACE(portable ? "portable" : "as built");
        std::vector<char> target(text.size() + 1, '\x7F');
        const qsizetype copied = portable
            ? TextScan::Portable::copyPlainRun(text.data(), size, target.data())
            : TextScan::copyPlainRun(text.data(), size, target.data());
        ASSERT_EQ(copied, expected);
        for (qsizetype i = 0; i < copied; ++i)
            ASSERT_EQ(static_cast<unsigned char>(target[i]), text[i]) << "at " << i;
        for (const auto &[first, second] : {std::pair{u',', u'"'}, std::pair{u'"', u'"'},
                                            std::pair{u'\r', u'\n'}}) {
            const qsizetype found = portable
                ? TextScan::Portable::indexOfEither(text.data(), size, first, second)
                : TextScan::indexOfEither(text.data(), size, first, second);
            ASSERT_EQ(found, firstOf(text, first, second));
        }
    }
}

TEST(TextScan, EveryStoppingUnitAtEveryPlaceAroundTheBlockSizes)
{
    for (qsizetype length = 0; length <= 35; ++length) {
        const std::u16string plain(size_t(length), u'x');
        SCOPED_TRACE(length);
        checkScans(plain);
        for (qsizetype at = 0; at < length; ++at) {
            for (const char16_t unit : kUnits) {
                std::u16string text = plain;
                text[size_t(at)] = unit;
                checkScans(text);
            }
        }
    }
}

TEST(TextScan, BothFormsAgreeOnRandomText)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<size_t> pick(0, kUnits.size() - 1);
    std::uniform_int_distribution<int> length(0, 70);
    // Mostly plain text, so runs are long enough to cross several blocks.
    std::bernoulli_distribution plain(0.9);
    for (int round = 0; round < 3000; ++round) {
        std::u16string text(size_t(length(random)), u'a');
        for (char16_t &unit : text) {
            if (!plain(random))
                unit = kUnits[pick(random)];
        }
        SCOPED_TRACE(round);
        checkScans(text);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace
