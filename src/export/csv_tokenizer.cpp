#include "export/csv_tokenizer.h"

#include "export/text_scan.h"

CsvTokenizer::CsvTokenizer(const QString &line) : m_line(line)
{
    const char16_t *const units = QStringView(m_line).utf16();
    const qsizetype size = m_line.size();
    qsizetype fieldStart = 0;
    bool hasQuotes = false;
    bool quoted = false;
    // Outside quotes only a comma or a quote matters, inside them only a quote.
    for (qsizetype i = 0;; ++i) {
        i += TextScan::indexOfEither(units + i, size - i, quoted ? u'"' : u',', u'"');
        if (i == size)
            break;
        if (!quoted) {
            if (units[i] == u',') {
                if (hasQuotes)
                    addQuotedField(fieldStart, i);
                else
                    m_fields.append({fieldStart, i - fieldStart, false});
                fieldStart = i + 1;
                hasQuotes = false;
            } else {
                quoted = true; // a quote opens quoting wherever it stands in the field
                hasQuotes = true;
            }
        } else {
            // Inside quotes a doubled quote stands for one; a single one closes the quoting.
            if (i + 1 < size && units[i + 1] == u'"')
                ++i;
            else
                quoted = false;
        }
    }
    // A trailing empty field is dropped, so an empty line has no fields at all; an unclosed
    // quote runs to the end of the line.
    if (fieldStart < size) {
        if (hasQuotes)
            addQuotedField(fieldStart, size);
        else
            m_fields.append({fieldStart, size - fieldStart, false});
    }
}

void CsvTokenizer::addQuotedField(qsizetype start, qsizetype end)
{
    // A doubled quote inside quotes becomes one quote; the quotes that open and close a
    // quoted stretch stay while the line is split. Only a field with doubled quotes needs
    // a copy of its own; any other is a part of the line.
    Field field{start, end - start, false};
    const QStringView raw = QStringView(m_line).sliced(start, end - start);
    qsizetype runStart = 0;
    bool quoted = false;
    const char16_t *const units = raw.utf16();
    for (qsizetype i = 0;; ++i) {
        i += TextScan::indexOfEither(units + i, raw.size() - i, u'"', u'"');
        if (i == raw.size())
            break;
        if (!quoted) {
            quoted = true;
        } else if (i + 1 < raw.size() && units[i + 1] == u'"') {
            if (!field.isRewritten)
                field = {m_rewritten.size(), 0, true};
            m_rewritten += raw.sliced(runStart, i + 1 - runStart);
            ++i;
            runStart = i + 1;
        } else {
            quoted = false;
        }
    }
    if (field.isRewritten) {
        m_rewritten += raw.sliced(runStart);
        field.length = m_rewritten.size() - field.start;
    }
    // Then the field is unquoted once: a leading quote goes, and only then a trailing one.
    const QStringView text = textOf(field);
    if (text.startsWith(u'"')) {
        ++field.start;
        --field.length;
        if (text.size() > 1 && text.endsWith(u'"'))
            --field.length;
    }
    m_fields.append(field);
}

QStringView CsvTokenizer::textOf(const Field &field) const
{
    return QStringView(field.isRewritten ? m_rewritten : m_line).sliced(field.start, field.length);
}

std::optional<QStringView> CsvTokenizer::nextToken()
{
    // Once past the last field the position stays there.
    if (m_position < m_fields.size())
        ++m_position;
    if (m_position >= m_fields.size())
        return std::nullopt;
    return textOf(m_fields[m_position]);
}

QStringList CsvTokenizer::fields() const
{
    QStringList fields;
    fields.reserve(m_fields.size());
    for (const Field &field : m_fields)
        fields.append(textOf(field).toString());
    return fields;
}
