// The codecs of encoded values: any stored text decodes without harm; HexCodec gives
// back every text it encoded; LegacyHexCodec never writes "|" and gives back the
// characters it can hold.

#include "fuzz_support.h"

#include "utils/hex_codec.h"
#include "utils/legacy_hex_codec.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using UtilsLib::HexCodec;
using UtilsLib::LegacyHexCodec;

namespace {

bool isLowerHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

void checkHexCodec(const QByteArray &bytes)
{
    const HexCodec codec;
    // Text made from UTF-8 (broken sequences become replacement characters) is valid text.
    const QString text = QString::fromUtf8(bytes);
    const QString stored = codec.encode(text);
    if (stored.size() != 2 * text.toUtf8().size())
        Fuzz::fail("two digits per UTF-8 byte", QByteArray::number(2 * text.toUtf8().size()),
                   QByteArray::number(stored.size()));
    for (const QChar c : stored)
        Fuzz::check(isLowerHexDigit(c), "encode writes lowercase hexadecimal digits only");
    Fuzz::checkEqual(text, codec.decode(stored), "decode gives back what encode stored");
    Fuzz::checkEqual(text, codec.decode(stored.toUpper()), "decode takes uppercase digits too");

    // Any stored text decodes to text that survives another round.
    const QString storedAsFound = QString::fromLatin1(bytes);
    const QString decoded = codec.decode(storedAsFound);
    Fuzz::checkEqual(decoded, codec.decode(codec.encode(decoded)), "decoded text round-trips");

    // Text of odd length was never encoded: ASCII passes through as it is.
    if (storedAsFound.size() % 2 == 1) {
        bool isAscii = true;
        for (const QChar c : storedAsFound)
            isAscii = isAscii && c.unicode() < 0x80;
        if (isAscii)
            Fuzz::checkEqual(storedAsFound, decoded, "odd-length ASCII passes through");
    }
}

void checkLegacyHexCodec(const QByteArray &bytes)
{
    const LegacyHexCodec codec;
    const QString text = QString::fromLatin1(bytes);
    const QString stored = codec.encode(text);
    const QString decoded = codec.decode(text);
    if (text.size() > LegacyHexCodec::kMaxLength) {
        Fuzz::check(stored.isNull(), "encode refuses text over the limit");
        Fuzz::check(decoded.isNull(), "decode refuses text over the limit");
    }
    Fuzz::check(!stored.contains(u'|'), "encode never writes \"|\"");
    Fuzz::check(stored.size() <= 3 * text.size(), "encode writes at most three characters each");

    // The characters the codec can hold: below 128, and with a doubled code above the
    // codec key (the apostrophe, whose doubled code is the key, encodes to the zero that
    // ends the text).
    QString holdable;
    for (const QChar c : text) {
        if (c.unicode() > 0x27 && c.unicode() < 0x80)
            holdable += c;
    }
    const QString holdableStored = codec.encode(holdable);
    if (!holdableStored.isNull() && holdableStored.size() <= LegacyHexCodec::kMaxLength)
        Fuzz::checkEqual(holdable, codec.decode(holdableStored),
                         "decode gives back what encode stored");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkHexCodec(bytes);
    checkLegacyHexCodec(bytes);
    return 0;
}
