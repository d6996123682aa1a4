#include "export/csv_tokenizer.h"

CsvTokenizer::CsvTokenizer(const QString &line)
{
    // Characters are copied in runs: a run ends at a field-ending comma or at a doubled
    // quote inside quotes, which stands for one quote.
    const QStringView text(line);
    QString current;
    qsizetype runStart = 0;
    const auto takeRun = [&](qsizetype end) { current += text.sliced(runStart, end - runStart); };
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quoted) {
            if (c == u',') {
                takeRun(i);
                m_fields.append(current);
                current.clear();
                runStart = i + 1;
            } else if (c == u'"') {
                quoted = true; // the opening quote stays in the field until it is finished
            }
        } else if (c == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                takeRun(i + 1);
                ++i;
                runStart = i + 1;
            } else {
                quoted = false;
            }
        }
    }
    takeRun(text.size());
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
