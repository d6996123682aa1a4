#include "utils/legacy_hex_codec.h"

#include <QByteArray>

namespace UtilsLib {

namespace {

constexpr int kCodecKey = 0x4E;
// encode never emits "|": the byte that would become it is written as "#^#".
constexpr char kBar = '|';
constexpr QLatin1StringView kBarEscape{"#^#"};

/// The bytes up to the first zero byte, as Latin-1 text.
QString latin1UpToZero(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.first(end));
}

} // namespace

QString LegacyHexCodec::encode(const QString &text) const
{
    if (text.size() > kMaxLength)
        return {};

    const QByteArray plain = text.toLatin1();
    QByteArray stored;
    stored.reserve(plain.size() * 3);
    for (const char c : plain) {
        // The top bit of the character is lost here.
        const auto scrambled = static_cast<char>((2 * static_cast<quint8>(c) - kCodecKey) & 0xFF);
        if (scrambled == kBar)
            stored.append(kBarEscape.data(), kBarEscape.size());
        else
            stored.append(scrambled);
    }
    return latin1UpToZero(stored);
}

QString LegacyHexCodec::decode(const QString &stored) const
{
    if (stored.size() > kMaxLength)
        return {};

    QString scrambled = QString::fromLatin1(stored.toLatin1());
    scrambled.replace(kBarEscape, QString(QLatin1Char(kBar))); // left to right, no overlaps
    QByteArray plain;
    plain.reserve(scrambled.size());
    for (const QChar ch : std::as_const(scrambled))
        plain.append(static_cast<char>((ch.unicode() + kCodecKey) >> 1));
    return latin1UpToZero(plain);
}

} // namespace UtilsLib
