#pragma once

#include <QtGlobal>

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

/// Helpers that look at text four UTF-16 units at a time, read as one 64-bit word, or at
/// bytes sixteen at a time, for the loops that every character of the export and every
/// byte of a dump pass through.
namespace TextScan {

/// The bits of a word that hold the high bytes of its four units: all zero for Latin-1.
inline constexpr quint64 kHighBytes = 0xFF00FF00FF00FF00;

/// The four units from \a units on.
inline quint64 fourUnits(const char16_t *units)
{
    quint64 four;
    std::memcpy(&four, units, sizeof four);
    return four;
}

/// Whether one of the four units in \a four equals \a unit.
constexpr bool holdsUnit(quint64 four, char16_t unit)
{
    // A unit equal to \a unit leaves a zero unit in the difference, which borrows when one
    // is subtracted from it (the classic test for a zero byte, here for 16-bit units).
    constexpr quint64 kOnes = 0x0001000100010001;
    constexpr quint64 kSignBits = 0x8000800080008000;
    const quint64 difference = four ^ (kOnes * unit);
    return ((difference - kOnes) & ~difference & kSignBits) != 0;
}

/// Whether one of the eight bytes in \a eight equals \a byte; the same test for bytes.
constexpr bool holdsByte(quint64 eight, char byte)
{
    constexpr quint64 kOnes = 0x0101010101010101;
    constexpr quint64 kSignBits = 0x8080808080808080;
    const quint64 difference = eight ^ (kOnes * static_cast<unsigned char>(byte));
    return ((difference - kOnes) & ~difference & kSignBits) != 0;
}

/// The units of a block of at most kBlockSize that equal one unit and another: bit k
/// stands for the block's unit k.
struct BlockMasks {
    quint32 first;
    quint32 second;
};
inline constexpr qsizetype kBlockSize = 16;

/// Bit k of the result is the parity of bits 0 to k of \a bits (of a block): set where an
/// odd number of them is set.
constexpr quint32 prefixParity(quint32 bits)
{
    bits ^= bits << 1;
    bits ^= bits << 2;
    bits ^= bits << 4;
    bits ^= bits << 8;
    return bits & 0xFFFF;
}

/// The portable forms of the scans below, four units or one at a time, for a processor
/// without SSE2. The SSE2 forms finish their last few units with these, and tests check
/// them against each other on every processor.
namespace Portable {

/// copyPlainRun from \a start on, where the units before \a start are already copied.
inline qsizetype copyPlainRun(const char16_t *units, qsizetype size, char *target,
                              qsizetype start = 0)
{
    qsizetype i = start;
    for (; i + 4 <= size; i += 4) {
        const quint64 four = fourUnits(units + i);
        if ((four & kHighBytes) != 0 || holdsUnit(four, u'\r') || holdsUnit(four, u'\n'))
            break;
        for (int unit = 0; unit < 4; ++unit)
            target[i + unit] = static_cast<char>(units[i + unit]);
    }
    for (; i < size; ++i) {
        const char16_t unit = units[i];
        if (unit > 0xFF || unit == u'\r' || unit == u'\n')
            break;
        target[i] = static_cast<char>(unit);
    }
    return i;
}

/// indexOfEither from \a start on, where the units before \a start hold neither.
inline qsizetype indexOfEither(const char16_t *units, qsizetype size, char16_t first,
                               char16_t second, qsizetype start = 0)
{
    qsizetype i = start;
    for (; i < size; ++i) {
        if (units[i] == first || units[i] == second)
            break;
    }
    return i;
}

/// indexOfEither over bytes from \a start on, where the bytes before \a start hold neither.
inline qsizetype indexOfEither(const char *bytes, qsizetype size, char first, char second,
                               qsizetype start = 0)
{
    qsizetype i = start;
    for (; i < size; ++i) {
        if (bytes[i] == first || bytes[i] == second)
            break;
    }
    return i;
}

/// countOf from \a start on, \a counted being the count of the bytes before \a start.
inline qsizetype countOf(const char *bytes, qsizetype size, char byte, qsizetype start = 0,
                         qsizetype counted = 0)
{
    for (qsizetype i = start; i < size; ++i)
        counted += bytes[i] == byte;
    return counted;
}

/// copyLineRun from \a start on, where the bytes before \a start are already copied.
inline qsizetype copyLineRun(const char *bytes, qsizetype size, char *target, qsizetype start = 0)
{
    qsizetype i = start;
    for (; i + 8 <= size; i += 8) {
        quint64 eight;
        std::memcpy(&eight, bytes + i, sizeof eight);
        if (holdsByte(eight, '\r') || holdsByte(eight, '\n'))
            break;
        std::memcpy(target + i, &eight, sizeof eight);
    }
    for (; i < size && bytes[i] != '\r' && bytes[i] != '\n'; ++i)
        target[i] = bytes[i];
    return i;
}

/// blockMasks unit by unit.
template <typename Char>
BlockMasks blockMasks(const Char *units, qsizetype count, Char first, Char second)
{
    BlockMasks masks{0, 0};
    for (qsizetype k = 0; k < count; ++k) {
        masks.first |= quint32(units[k] == first) << k;
        masks.second |= quint32(units[k] == second) << k;
    }
    return masks;
}

} // namespace Portable

/// Copies the low bytes of the leading units of \a units that are Latin-1 and neither CR
/// nor LF into \a target; returns how many were copied. Most of the export's text is such
/// a run, so it is copied in blocks: eight units at a time where the processor has SSE2
/// (every x86-64 processor), then four at a time, then one by one.
inline qsizetype copyPlainRun(const char16_t *units, qsizetype size, char *target)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i carriageReturns = _mm_set1_epi16(u'\r');
    const __m128i lineFeeds = _mm_set1_epi16(u'\n');
    const __m128i highBytes = _mm_set1_epi16(static_cast<short>(0xFF00));
    for (; i + 8 <= size; i += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi16(eight, carriageReturns),
                                            _mm_cmpeq_epi16(eight, lineFeeds));
        const __m128i latin1 =
            _mm_cmpeq_epi16(_mm_and_si128(eight, highBytes), _mm_setzero_si128());
        if (_mm_movemask_epi8(breaks) != 0 || _mm_movemask_epi8(latin1) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(target + i), _mm_packus_epi16(eight, eight));
    }
#endif
    return Portable::copyPlainRun(units, size, target, i);
}

/// The index of the first unit of \a units that equals \a first or \a second, or \a size
/// when there is none. Eight units are compared at a time where the processor has SSE2.
inline qsizetype indexOfEither(const char16_t *units, qsizetype size, char16_t first,
                               char16_t second)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i firsts = _mm_set1_epi16(static_cast<short>(first));
    const __m128i seconds = _mm_set1_epi16(static_cast<short>(second));
    for (; i + 8 <= size; i += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        const int found = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi16(eight, firsts), _mm_cmpeq_epi16(eight, seconds)));
        if (found != 0)
            return i + std::countr_zero(static_cast<unsigned>(found)) / 2;
    }
#endif
    return Portable::indexOfEither(units, size, first, second, i);
}

/// The index of the first of \a bytes that equals \a first or \a second, or \a size when
/// there is none. Sixteen bytes are compared at a time where the processor has SSE2.
inline qsizetype indexOfEither(const char *bytes, qsizetype size, char first, char second)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i firsts = _mm_set1_epi8(first);
    const __m128i seconds = _mm_set1_epi8(second);
    for (; i + 16 <= size; i += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        const int found = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(sixteen, firsts), _mm_cmpeq_epi8(sixteen, seconds)));
        if (found != 0)
            return i + std::countr_zero(static_cast<unsigned>(found));
    }
#endif
    return Portable::indexOfEither(bytes, size, first, second, i);
}

/// How many of \a bytes equal \a byte; sixteen are compared at a time where the processor
/// has SSE2.
inline qsizetype countOf(const char *bytes, qsizetype size, char byte)
{
    qsizetype i = 0;
    qsizetype counted = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(byte);
    while (i + 16 <= size) {
        // Each byte lane counts its matches (a match compares as -1, subtracted) for up to
        // 255 blocks; then the lanes are added up.
        __m128i lanes = _mm_setzero_si128();
        const qsizetype blocksEnd = i + qMin<qsizetype>((size - i) / 16, 255) * 16;
        for (; i < blocksEnd; i += 16) {
            const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(sixteen, wanted));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        counted += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    }
#endif
    return Portable::countOf(bytes, size, byte, i, counted);
}

/// Copies the leading bytes of \a bytes that are neither CR nor LF into \a target;
/// returns how many were copied. Sixteen at a time where the processor has SSE2.
inline qsizetype copyLineRun(const char *bytes, qsizetype size, char *target)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i carriageReturns = _mm_set1_epi8('\r');
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(sixteen, carriageReturns),
                                            _mm_cmpeq_epi8(sixteen, lineFeeds));
        if (_mm_movemask_epi8(breaks) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(target + i), sixteen);
    }
#endif
    return Portable::copyLineRun(bytes, size, target, i);
}

/// Which of the first \a count units (at most kBlockSize) equal \a first and which equal
/// \a second. A whole block is compared at once where the processor has SSE2.
inline BlockMasks blockMasks(const char *bytes, qsizetype count, char first, char second)
{
#if defined(__SSE2__)
    if (count == kBlockSize) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes));
        return {quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, _mm_set1_epi8(first)))),
                quint32(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, _mm_set1_epi8(second))))};
    }
#endif
    return Portable::blockMasks(bytes, count, first, second);
}

inline BlockMasks blockMasks(const char16_t *units, qsizetype count, char16_t first,
                             char16_t second)
{
#if defined(__SSE2__)
    if (count == kBlockSize) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + 8));
        // Each unit's comparison (all ones or zero) packs into one byte.
        const auto maskOf = [low, high](char16_t unit) {
            const __m128i wanted = _mm_set1_epi16(static_cast<short>(unit));
            return quint32(_mm_movemask_epi8(
                _mm_packs_epi16(_mm_cmpeq_epi16(low, wanted), _mm_cmpeq_epi16(high, wanted))));
        };
        return {maskOf(first), maskOf(second)};
    }
#endif
    return Portable::blockMasks(units, count, first, second);
}

} // namespace TextScan
