#pragma once

#include <QString>

namespace UtilsLib {

/// Turns a setting's value into the form it is stored in and back.
class TextCodec {
public:
    virtual ~TextCodec();

    virtual QString encode(const QString &text) const = 0;
    virtual QString decode(const QString &stored) const = 0;

protected:
    TextCodec() = default;
    TextCodec(const TextCodec &) = default;
    TextCodec &operator=(const TextCodec &) = default;
};

} // namespace UtilsLib
