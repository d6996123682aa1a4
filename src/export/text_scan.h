#pragma once

#include <QtGlobal>

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

/// Helpers that look at text four UTF-16 units at a time, read as one 64-bit word, for
/// the loops that every character of the export passes through.
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
        const __m128i latin1 = _mm_cmpeq_epi16(_mm_and_si128(eight, highBytes), _mm_setzero_si128());
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

} // namespace TextScan
