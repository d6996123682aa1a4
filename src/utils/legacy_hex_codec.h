#pragma once

#include "utils/text_codec.h"

namespace UtilsLib {

/// The older codec of encoded values, kept for files written by early versions; the
/// preference store itself uses HexCodec. Despite the name its output is not
/// hexadecimal, and it reverses its own encoding only for characters below 128 whose
/// doubled code is at least the codec key.
class LegacyHexCodec final : public TextCodec {
public:
    /// Longest text either direction accepts; longer input gives the null text.
    static constexpr qsizetype kMaxLength = 1024;

    LegacyHexCodec() = default;

    QString encode(const QString &text) const override;
    QString decode(const QString &stored) const override;
};

} // namespace UtilsLib
