#pragma once

#include "utils/text_codec.h"

namespace UtilsLib {

/// The codec of the encoded entries of a preference file: every UTF-8 byte of the
/// text, scrambled, as two lowercase hexadecimal digits.
class HexCodec final : public TextCodec {
public:
    HexCodec() = default;

    QString encode(const QString &text) const override;
    /// Text of odd length is taken as never encoded and passes through byte for byte.
    QString decode(const QString &stored) const override;
};

} // namespace UtilsLib
