#include "export/export_text.h"

#include "export/text_scan.h"

#include <QChar>

#include <algorithm>

namespace ExportText {

void append(ByteBuffer &out, QStringView text, QLatin1StringView lineBreak)
{
    const qsizetype size = text.size();
    const char16_t *const units = text.utf16();
    char *const first = out.room(size * qMax<qsizetype>(1, lineBreak.size()));
    char *next = first;
    qsizetype i = 0;
    while (i < size) {
        // Most text is Latin-1 without line breaks; each character keeps its low byte.
        const qsizetype run = TextScan::copyPlainRun(units + i, size - i, next);
        next += run;
        i += run;
        if (i == size)
            break;
        const char16_t c = units[i];
        if (c > 0xFF) {
            if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(units[i + 1]))
                ++i;
            *next++ = '?';
        } else if ((c == u'\r' || c == u'\n') && !lineBreak.isNull()) {
            if (c == u'\r' && i + 1 < size && units[i + 1] == u'\n')
                ++i;
            next = std::copy(lineBreak.begin(), lineBreak.end(), next);
        } else {
            *next++ = static_cast<char>(c);
        }
        ++i;
    }
    out.added(next - first);
}

void append(ByteBuffer &out, QLatin1StringView text, QLatin1StringView lineBreak)
{
    const qsizetype size = text.size();
    const char *const bytes = text.data();
    if (lineBreak.isNull()) {
        out.append(QByteArrayView(bytes, size));
        return;
    }
    char *const first = out.room(size * qMax<qsizetype>(1, lineBreak.size()));
    char *next = first;
    qsizetype i = 0;
    while (i < size) {
        // The bytes up to the next line break are copied as they are.
        const qsizetype run = TextScan::copyLineRun(bytes + i, size - i, next);
        next += run;
        i += run;
        if (i == size)
            break;
        if (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        next = std::copy(lineBreak.begin(), lineBreak.end(), next);
        ++i;
    }
    out.added(next - first);
}

QString asWritten(QStringView text)
{
    ByteBuffer written;
    append(written, text);
    return QString::fromLatin1(written.view());
}

void appendQuoted(ByteBuffer &out, QStringView text, QLatin1StringView lineBreak)
{
    out.append('"');
    append(out, text, lineBreak);
    out.append('"');
}

void appendQuoted(ByteBuffer &out, QLatin1StringView text, QLatin1StringView lineBreak)
{
    out.append('"');
    append(out, text, lineBreak);
    out.append('"');
}

} // namespace ExportText
