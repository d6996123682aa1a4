#include "export/preferences_exporter.h"

#include "export/export_constants.h"
#include "export/export_text.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

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
    : ExportRowWriter(file, exportPath)
{ }

void PreferencesExporter::writeBool(qint64 flag, const QString &category, const QString &key)
{
    m_value.clear();
    m_value.append(flag != 0 ? QByteArrayView("true") : QByteArrayView("false"));
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeInt(WideInteger number, const QString &category, const QString &key)
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
    ExportText::appendQuoted(m_value, text);
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeList(const QString &text, const QString &category,
                                    const QString &key)
{
    validateValue(text, key);
    for (const QStringView line : splitLines(text)) {
        m_value.clear();
        m_value.append('[');
        ExportText::appendQuoted(m_value, line);
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
    ExportText::appendQuoted(m_value, language);
    m_value.append(':');
    // Line breaks are flattened to \n here, not escaped as \r\n.
    ExportText::appendQuoted(m_value, text, ExportText::kFlattenedLineBreak);
    m_value.append('}');
    // The marker may stand anywhere in a localized row, after the language part.
    writeValueRow(category, key, true);
}

void PreferencesExporter::writeHours(qint64 blocks, const QString &category, const QString &key)
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
    writeValueRow(category, key, false);
}

void PreferencesExporter::writeSetting(const QString &value, const QString &category,
                                       const QString &key, bool matchAnywhere)
{
    m_value.clear();
    ExportText::append(m_value, value);
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
        const RowKind kind = writeRowKind();
        write(category);
        write("."_L1);
        write(key);
        write(kFieldSeparator);
        write(QLatin1StringView(value));
        endRow(kind, commentedOut);
    } catch (...) {
        abandonRow();
        throw;
    }
}
