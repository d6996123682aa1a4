#include "export/preferences_exporter.h"

#include "common/messages.h"
#include "export/export_constants.h"
#include "export/export_file.h"
#include "export/text_scan.h"
#include "platform/console.h"

#include <QList>

#include <stdexcept>

using namespace Qt::StringLiterals;
using TextScan::fourUnits;
using TextScan::holdsUnit;

namespace {

/// The refusal of a value that holds the field separator: prefix, value, middle, label, end.
constexpr QLatin1StringView kInvalidValuePrefix{
    "ERROR: This value is invalid for this export tool: '"};
constexpr QLatin1StringView kInvalidValueMiddle{
    "'. Please manually configure the Nimbrel Reservation Service setting: '"};
constexpr QLatin1StringView kInvalidValueEnd{"'"};

constexpr QLatin1StringView kEscapedLineBreak{"\\r\\n"};
constexpr QLatin1StringView kFlattenedLineBreak{"\\n"};

bool holdsFieldSeparator(QStringView text)
{
    for (qsizetype at = text.indexOf(kFieldSeparator.front()); at >= 0;
         at = text.indexOf(kFieldSeparator.front(), at + 1)) {
        if (text.sliced(at).startsWith(kFieldSeparator))
            return true;
    }
    return false;
}

/// Appends \a text to \a out as the export file holds it: one byte per character, and a
/// character beyond Latin-1 as one "?", also when it takes two UTF-16 units. With a
/// \a lineBreak, every line break (CR LF, a lone LF or a lone CR) is written as that text:
/// a value read from an XML preference file carries its CR LF as a lone LF, and a raw CR
/// or LF in the export file would end the row in the middle of the value.
void appendExportText(ByteBuffer &out, QStringView text, QLatin1StringView lineBreak = {})
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

/// Appends \a text in double quotes, every line break written as \a lineBreak (by default
/// the four characters \r\n); double quotes inside it are not escaped.
void appendQuoted(ByteBuffer &out, QStringView text, QLatin1StringView lineBreak = kEscapedLineBreak)
{
    out.append('"');
    appendExportText(out, text, lineBreak);
    out.append('"');
}

/// The lines of \a text, split at every line break; empty lines are kept, and a break at
/// the very end yields a last, empty line.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(lineStart, i - lineStart));
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lineStart = i + 1;
        }
    }
    lines.append(text.sliced(lineStart));
    return lines;
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
    m_value.clear();
    m_value.append(flag != 0 ? QByteArrayView("true") : QByteArrayView("false"));
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeInt(ExportInteger number, const QString &category,
                                   const QString &key)
{
    m_value.clear();
    m_value.appendDecimal(number);
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeString(const QString &text, const QString &category,
                                      const QString &key)
{
    validateValue(text, key);
    m_value.clear();
    appendQuoted(m_value, text);
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeList(const QString &text, const QString &category,
                                    const QString &key)
{
    validateValue(text, key);
    for (const QStringView line : splitLines(text)) {
        m_value.clear();
        m_value.append('[');
        appendQuoted(m_value, line);
        m_value.append(']');
        writeValueRow(category, key, false);
    }
}

void PreferencesExporter::writeLocalized(const QString &text, const QString &category,
                                         const QString &language, const QString &key)
{
    validateValue(text, key);
    m_value.clear();
    m_value.append('{');
    appendQuoted(m_value, language);
    m_value.append(':');
    // Line breaks are flattened to \n here, not escaped as \r\n.
    appendQuoted(m_value, text, kFlattenedLineBreak);
    m_value.append('}');
    // The marker may stand anywhere in a localized row, after the language part.
    writeValueRow(category, key, true);
}

void PreferencesExporter::writeHours(qint64 blocks, const QString &category,
                                     const QString &keyPrefix, bool open)
{
    // blocks × 5 minutes split into hours and minutes without forming the product:
    // (5b) / 60 == b / 12 and (5b) % 60 == 5 (b % 12), both truncating toward zero.
    const qint64 hours = blocks / 12;
    const qint64 rest = (blocks % 12) * 5;
    // The time is written quoted, as writeString writes a text; digits and a colon hold
    // nothing that validateValue could refuse or report.
    m_value.clear();
    m_value.append('"');
    if (rest >= 0) {
        // "%02d:%02d"; a negative hour already has two characters with its sign.
        if (hours >= 0 && hours < 10)
            m_value.append('0');
        m_value.appendDecimal(hours);
        m_value.append(':');
        if (rest < 10)
            m_value.append('0');
        m_value.appendDecimal(rest);
    }
    m_value.append('"');
    writeValueRow(category, keyPrefix + (open ? u"timeOfDayOpen"_s : u"timeOfDayClosed"_s), false);
}

void PreferencesExporter::writeSetting(const QString &value, const QString &category,
                                       const QString &key, bool matchAnywhere)
{
    m_value.clear();
    appendExportText(m_value, value);
    writeValueRow(category, key, matchAnywhere);
}

void PreferencesExporter::writeValueRow(const QString &category, const QString &key,
                                        bool matchAnywhere)
{
    static const QByteArray marker = kNoMappingMarker.toString().toLatin1();
    // A quoted value carries the marker right after its opening quote; a value that starts
    // with the marker itself is caught only when the marker may stand anywhere.
    const QByteArrayView value = m_value.view();
    const bool commentedOut = value.sliced(qMin<qsizetype>(1, value.size())).startsWith(marker)
        || (matchAnywhere && value.contains(marker));
    try {
        if (commentedOut)
            write(kCommentPrefix);
        writeRowKind();
        write(category);
        m_row.append('.');
        write(key);
        write(kFieldSeparator);
        m_row.append(value);
        endRow();
    } catch (...) {
        m_row.clear();
        throw;
    }
}

void PreferencesExporter::validateValue(QStringView value, QStringView label)
{
    // One pass looks for characters beyond Latin-1 and for the separator's first character.
    const qsizetype size = value.size();
    const char16_t *const units = value.utf16();
    quint64 allUnits = 0;
    bool holdsSeparatorStart = false;
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        const quint64 four = fourUnits(units + i);
        allUnits |= four;
        holdsSeparatorStart |= holdsUnit(four, kFieldSeparator.front().unicode());
    }
    for (; i < size; ++i) {
        allUnits |= units[i];
        holdsSeparatorStart |= units[i] == kFieldSeparator.front().unicode();
    }
    if (holdsSeparatorStart && holdsFieldSeparator(value)) {
        QString message = kInvalidValuePrefix;
        message += value;
        message += kInvalidValueMiddle;
        message += label;
        message += kInvalidValueEnd;
        throw std::runtime_error(message.toStdString());
    }
    if ((allUnits & TextScan::kHighBytes) != 0) {
        ByteBuffer written;
        appendExportText(written, value);
        Console::outLine(Messages::charactersReplaced(QString::fromLatin1(written.view()),
                                                      label.toString()));
    }
}

void PreferencesExporter::write(QStringView text)
{
    appendExportText(m_row, text);
}

void PreferencesExporter::write(QLatin1StringView text)
{
    m_row.append(QByteArrayView(text.data(), text.size()));
}

void PreferencesExporter::writeQuoted(QStringView text)
{
    appendQuoted(m_row, text);
}

void PreferencesExporter::endRow()
{
    m_row.append(QByteArrayView("\r\n"));
    m_file.append(m_row.view());
    m_row.clear();
}
