#pragma once

#include <QtGlobal>

#include <cstring>

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

} // namespace TextScan
