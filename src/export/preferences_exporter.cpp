#include "export/preferences_exporter.h"

#include "common/messages.h"
#include "export/export_constants.h"
#include "export/export_file.h"
#include "platform/console.h"

#include <QStringList>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

/// The refusal of a value that holds the field separator: prefix, value, middle, label, end.
constexpr QLatin1StringView kInvalidValuePrefix{
    "ERROR: This value is invalid for this export tool: '"};
constexpr QLatin1StringView kInvalidValueMiddle{
    "'. Please manually configure the Nimbrel Reservation Service setting: '"};
constexpr QLatin1StringView kInvalidValueEnd{"'"};

constexpr QLatin1StringView kEscapedLineBreak{"\\r\\n"};
constexpr QLatin1StringView kFlattenedLineBreak{"\\n"};

bool fitsLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

/// The export file holds one byte per character. A character beyond Latin-1 becomes one
/// "?", also when it takes two UTF-16 units.
QByteArray toExportBytes(QStringView text)
{
    if (fitsLatin1(text))
        return text.toLatin1();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() <= 0xFF) {
            bytes.append(static_cast<char>(c.unicode()));
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append('?');
    }
    return bytes;
}

/// Every line break (CR LF, a lone LF or a lone CR) replaced by \a replacement. A value
/// read from an XML preference file carries its CR LF as a lone LF, and a raw CR or LF in
/// the export file would end the row in the middle of the value.
QString replaceLineBreaks(const QString &text, QLatin1StringView replacement)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += replacement;
        } else if (c == u'\n') {
            result += replacement;
        } else {
            result += c;
        }
    }
    return result;
}

/// The lines of \a text, split at every line break; empty lines are kept, and a break at
/// the very end yields a last, empty line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    lines.append(current);
    return lines;
}

/// The number in decimal, a minus sign before a negative one.
QString decimalText(ExportInteger number)
{
    __extension__ typedef unsigned __int128 Magnitude;
    Magnitude magnitude = number < 0 ? Magnitude(0) - Magnitude(number) : Magnitude(number);
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return number < 0 ? u'-' + digits : digits;
}

} // namespace

PreferencesExporter::PreferencesExporter(ExportFile &file, const QString &exportPath)
    : m_file(file)
{
    // A failure to open shows only in isOpen().
    (void)m_file.open(exportPath);
}

bool PreferencesExporter::isOpen() const
{
    return m_file.isOpen();
}

void PreferencesExporter::writeBool(qint64 flag, const QString &category, const QString &key)
{
    writeSetting(flag != 0 ? u"true"_s : u"false"_s, category, key, false);
}

void PreferencesExporter::writeInt(ExportInteger number, const QString &category,
                                   const QString &key)
{
    writeSetting(decimalText(number), category, key, false);
}

void PreferencesExporter::writeString(const QString &text, const QString &category,
                                      const QString &key)
{
    validateValue(text, key);
    writeSetting(quoteValue(text), category, key, false);
}

void PreferencesExporter::writeList(const QString &text, const QString &category,
                                    const QString &key)
{
    validateValue(text, key);
    for (const QString &line : splitLines(text))
        writeSetting(u'[' + quoteValue(line) + u']', category, key, false);
}

void PreferencesExporter::writeLocalized(const QString &text, const QString &category,
                                         const QString &language, const QString &key)
{
    validateValue(text, key);
    const QString flattened = replaceLineBreaks(text, kFlattenedLineBreak);
    // The marker may stand anywhere in a localized row, after the language part.
    writeSetting(u'{' + quoteValue(language) + u':' + quoteValue(flattened) + u'}', category,
                 key, true);
}

void PreferencesExporter::writeHours(qint64 blocks, const QString &category,
                                     const QString &keyPrefix, bool open)
{
    // blocks × 5 minutes split into hours and minutes without forming the product:
    // (5b) / 60 == b / 12 and (5b) % 60 == 5 (b % 12), both truncating toward zero.
    const qint64 hours = blocks / 12;
    const qint64 rest = (blocks % 12) * 5;
    QString time;
    if (rest >= 0) {
        // "%02d:%02d"; a negative hour already has two characters with its sign.
        time = QString::number(hours).rightJustified(2, u'0') + u':'
            + QString::number(rest).rightJustified(2, u'0');
    }
    const QString key = keyPrefix + (open ? u"timeOfDayOpen"_s : u"timeOfDayClosed"_s);
    writeString(time, category, key);
}

void PreferencesExporter::writeSetting(const QString &value, const QString &category,
                                       const QString &key, bool matchAnywhere)
{
    const QByteArray bytes = toExportBytes(value);
    static const QByteArray marker = kNoMappingMarker.toString().toLatin1();
    // A quoted value carries the marker right after its opening quote; a value that starts
    // with the marker itself is caught only when the marker may stand anywhere.
    const bool commentedOut =
        bytes.mid(1, marker.size()) == marker || (matchAnywhere && bytes.contains(marker));
    try {
        if (commentedOut)
            write(kCommentPrefix.toString());
        writeRowKind();
        write(category + u'.' + key + kFieldSeparator);
        m_row += bytes;
        endRow();
    } catch (...) {
        m_row.clear();
        throw;
    }
}

QString PreferencesExporter::quoteValue(const QString &text)
{
    return u'"' + replaceLineBreaks(text, kEscapedLineBreak) + u'"';
}

void PreferencesExporter::validateValue(const QString &value, const QString &label)
{
    if (value.contains(kFieldSeparator)) {
        const QString message =
            kInvalidValuePrefix + value + kInvalidValueMiddle + label + kInvalidValueEnd;
        throw std::runtime_error(message.toStdString());
    }
    if (!fitsLatin1(value))
        Console::outLine(Messages::charactersReplaced(QString::fromLatin1(toExportBytes(value)),
                                                      label));
}

void PreferencesExporter::write(const QString &text)
{
    m_row += toExportBytes(text);
}

void PreferencesExporter::endRow()
{
    m_row += "\r\n";
    m_file.append(m_row);
    m_row.clear();
}
