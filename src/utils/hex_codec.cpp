#include "utils/hex_codec.h"

#include <QByteArray>

namespace UtilsLib {

namespace {

constexpr quint8 kCodecKey = 0x4E;

quint8 rotateLeft(quint8 byte)
{
    return static_cast<quint8>((byte << 1) | (byte >> 7));
}

quint8 rotateRight(quint8 byte)
{
    return static_cast<quint8>((byte >> 1) | (byte << 7));
}

} // namespace

QString HexCodec::encode(const QString &text) const
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const QByteArray bytes = text.toUtf8();
    QString stored;
    stored.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto scrambled = static_cast<quint8>(rotateLeft(static_cast<quint8>(c)) - kCodecKey);
        stored.append(QLatin1Char(kDigits[scrambled >> 4]));
        stored.append(QLatin1Char(kDigits[scrambled & 0x0F]));
    }
    return stored;
}

QString HexCodec::decode(const QString &stored) const
{
    if (stored.isEmpty())
        return {};

    QByteArray bytes;
    if (stored.size() % 2 != 0) {
        // Not something encode could have written: each character stands for one byte.
        bytes.reserve(stored.size());
        for (const QChar ch : stored)
            bytes.append(static_cast<char>(ch.unicode() <= 0xFF ? ch.unicode() : 0));
    } else {
        bytes.reserve(stored.size() / 2);
        for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
            const int pair = stored.mid(i, 2).toInt(nullptr, 16); // 0 when not hexadecimal
            const auto scrambled = static_cast<quint8>(pair + kCodecKey);
            bytes.append(static_cast<char>(rotateRight(scrambled)));
        }
    }
    return QString::fromUtf8(bytes);
}

} // namespace UtilsLib
