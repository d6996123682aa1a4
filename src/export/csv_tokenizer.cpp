#include "export/csv_tokenizer.h"

CsvTokenizer::CsvTokenizer(const QString &line)
{
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!quoted) {
            if (c == u',') {
                m_fields.append(current);
                current.clear();
                continue;
            }
            // The opening quote stays in the field until the field is finished.
            if (c == u'"')
                quoted = true;
            current += c;
            continue;
        }
        if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            current += u'"'; // a doubled quote stands for one quote
            ++i;
        } else {
            if (c == u'"')
                quoted = false;
            current += c;
        }
    }
    // A trailing empty field is dropped, so an empty line has no fields at all; an unclosed
    // quote runs to the end of the line.
    if (!current.isEmpty())
        m_fields.append(current);

    // A field is unquoted once: a leading quote goes, and only then a trailing one.
    for (QString &field : m_fields) {
        if (field.startsWith(u'"')) {
            field.remove(0, 1);
            if (field.endsWith(u'"'))
                field.chop(1);
        }
    }
}

std::optional<QString> CsvTokenizer::nextToken()
{
    // Once past the last field the position stays there.
    if (m_position < m_fields.size())
        ++m_position;
    if (m_position >= m_fields.size())
        return std::nullopt;
    return m_fields.at(m_position);
}
