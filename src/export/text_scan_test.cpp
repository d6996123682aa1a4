#include "export/text_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

/// Units that stop a plain run or are looked for, and units that look like them in one
/// byte only (a high byte of CR, a low byte of a quote under a high byte).
constexpr std::array<char16_t, 14> kUnits{
    u'a',   u'"',   u',',   u'\r',  u'\n',  u'\t',  0x00E9,
    0x00FF, 0x0100, 0x0D00, 0x220D, 0x2022, 0xD83D, 0xFFFF,
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

/// Checks the masks of the first block of \a units against a plain loop.
template <typename Char>
void checkBlockMasks(const std::basic_string<Char> &units, bool portable)
{
    const qsizetype count = qMin(TextScan::kBlockSize, qsizetype(units.size()));
    quint32 commas = 0;
    quint32 quotes = 0;
    for (qsizetype k = 0; k < count; ++k) {
        commas |= quint32(units[k] == Char(',')) << k;
        quotes |= quint32(units[k] == Char('"')) << k;
    }
    const TextScan::BlockMasks masks = portable
        ? TextScan::Portable::blockMasks(units.data(), count, Char(','), Char('"'))
        : TextScan::blockMasks(units.data(), count, Char(','), Char('"'));
    ASSERT_EQ(masks.first, commas);
    ASSERT_EQ(masks.second, quotes);
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
        for (const auto &[first, second] :
             {std::pair{u',', u'"'}, std::pair{u'"', u'"'}, std::pair{u'\r', u'\n'}}) {
            const qsizetype found = portable
                ? TextScan::Portable::indexOfEither(text.data(), size, first, second)
                : TextScan::indexOfEither(text.data(), size, first, second);
            ASSERT_EQ(found, firstOf(text, first, second));
        }
        checkBlockMasks(text, portable);
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

/// Bytes that are looked for or counted, and bytes that differ from them in one bit or
/// only in the sign bit.
constexpr std::array<char, 8> kBytes{'a', '"', ',', '\r', '\n', '\xA2', '\x8D', '\xAC'};

/// Runs both forms of the byte scans over \a bytes and checks them against the plain loops.
void checkByteScans(const std::string &bytes)
{
    const qsizetype size = bytes.size();
    for (const bool portable : {false, true}) {
        SCOPED_TRACE(portable ? "portable" : "as built");
        for (const auto &[first, second] :
             {std::pair{',', '"'}, std::pair{'"', '"'}, std::pair{'\r', '\n'}}) {
            const size_t at = bytes.find_first_of(std::string{first, second});
            const qsizetype found = portable
                ? TextScan::Portable::indexOfEither(bytes.data(), size, first, second)
                : TextScan::indexOfEither(bytes.data(), size, first, second);
            ASSERT_EQ(found, at == std::string::npos ? size : qsizetype(at));
        }
        for (const char byte : kBytes) {
            const qsizetype counted = portable
                ? TextScan::Portable::countOf(bytes.data(), size, byte)
                : TextScan::countOf(bytes.data(), size, byte);
            ASSERT_EQ(counted, qsizetype(std::count(bytes.begin(), bytes.end(), byte)))
                << int(byte);
        }
        std::string target(bytes.size(), '\x7F');
        const qsizetype copied = portable
            ? TextScan::Portable::copyLineRun(bytes.data(), size, target.data())
            : TextScan::copyLineRun(bytes.data(), size, target.data());
        const size_t lineBreak = bytes.find_first_of("\r\n");
        ASSERT_EQ(copied, lineBreak == std::string::npos ? size : qsizetype(lineBreak));
        ASSERT_EQ(target.substr(0, size_t(copied)), bytes.substr(0, size_t(copied)));
        checkBlockMasks(bytes, portable);
    }
}

TEST(TextScan, PrefixParityCountsTheBitsUpToEachPlace)
{
    for (const quint32 bits : {0x0000u, 0x0001u, 0x8000u, 0x0005u, 0xFFFFu, 0x1234u, 0xA5C3u}) {
        quint32 expected = 0;
        bool odd = false;
        for (int k = 0; k < 16; ++k) {
            odd = odd != (((bits >> k) & 1) != 0);
            expected |= quint32(odd) << k;
        }
        EXPECT_EQ(TextScan::prefixParity(bits), expected) << bits;
    }
}

TEST(TextScan, ByteScansFindAndCountEveryByteAtEveryPlace)
{
    for (qsizetype length = 0; length <= 50; ++length) {
        const std::string plain(size_t(length), 'x');
        SCOPED_TRACE(length);
        checkByteScans(plain);
        for (qsizetype at = 0; at < length; ++at) {
            for (const char byte : kBytes) {
                std::string bytes = plain;
                bytes[size_t(at)] = byte;
                checkByteScans(bytes);
            }
        }
    }
    // A lane counts up to 255 blocks at a time: every byte a match, over many more blocks.
    for (const qsizetype length : {255 * 16, 255 * 16 + 1, 2 * 255 * 16 + 23}) {
        const std::string quotes(size_t(length), '"');
        EXPECT_EQ(TextScan::countOf(quotes.data(), length, '"'), length);
    }
    std::mt19937 random(20261208);
    std::uniform_int_distribution<size_t> pick(0, kBytes.size() - 1);
    std::uniform_int_distribution<int> length(0, 100);
    std::bernoulli_distribution plain(0.8);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(size_t(length(random)), 'a');
        for (char &byte : bytes) {
            if (!plain(random))
                byte = kBytes[pick(random)];
        }
        SCOPED_TRACE(round);
        checkByteScans(bytes);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace
