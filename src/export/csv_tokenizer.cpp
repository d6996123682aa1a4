#include "export/csv_tokenizer.h"

#include "export/text_scan.h"

#include <bit>

namespace {

void appendUnits(QString &text, const char16_t *units, qsizetype count)
{
    text.append(reinterpret_cast<const QChar *>(units), count);
}

void appendUnits(QByteArray &bytes, const char *units, qsizetype count)
{
    bytes.append(units, count);
}

} // namespace

template <typename Char>
void BasicCsvTokenizer<Char>::split(const Char *line, qsizetype size)
{
    m_line = line;
    qsizetype fieldStart = 0;
    bool fieldHasQuotes = false;
    // Outside quotes a comma ends a field and a quote opens quoting, wherever it stands in
    // the field; inside them a doubled quote stands for one and a single one closes the
    // quoting. So every quote opens or closes quoting (a doubled one closes and reopens
    // it), and a comma ends a field where an even number of quotes stands before it. The
    // line is looked at a block at a time, with the commas and quotes of each block as bits.
    quint32 openAtBlockStart = 0; // all ones when a quote is open where the block starts
    for (qsizetype block = 0; block < size; block += TextScan::kBlockSize) {
        const qsizetype count = qMin(TextScan::kBlockSize, size - block);
        const TextScan::BlockMasks masks =
            TextScan::blockMasks(line + block, count, Char(','), Char('"'));
        quint32 quotes = masks.second;
        const quint32 open = TextScan::prefixParity(quotes) ^ openAtBlockStart;
        for (quint32 commas = masks.first & ~open; commas != 0; commas &= commas - 1) {
            const int bit = std::countr_zero(commas);
            const quint32 before = (quint32(1) << bit) - 1;
            const qsizetype comma = block + bit;
            if (fieldHasQuotes || (quotes & before) != 0)
                addQuotedField(fieldStart, comma);
            else
                m_fields.append({fieldStart, comma - fieldStart, false});
            fieldStart = comma + 1;
            fieldHasQuotes = false;
            quotes &= ~before;
        }
        fieldHasQuotes = fieldHasQuotes || quotes != 0;
        openAtBlockStart = (open >> 15) & 1 ? 0xFFFF : 0;
    }
    // A trailing empty field is dropped, so an empty line has no fields at all; an unclosed
    // quote runs to the end of the line.
    if (fieldStart < size) {
        if (fieldHasQuotes)
            addQuotedField(fieldStart, size);
        else
            m_fields.append({fieldStart, size - fieldStart, false});
    }
}

template <typename Char>
void BasicCsvTokenizer<Char>::addQuotedField(qsizetype start, qsizetype end)
{
    // A doubled quote inside quotes becomes one quote; the quotes that open and close a
    // quoted stretch stay while the line is split. Only a field with doubled quotes needs
    // a copy of its own; any other is a part of the line.
    Field field{start, end - start, false};
    const Char *const units = m_line + start;
    const qsizetype size = end - start;
    qsizetype runStart = 0;
    bool quoted = false;
    for (qsizetype i = 0;; ++i) {
        i += TextScan::indexOfEither(units + i, size - i, Char('"'), Char('"'));
        if (i == size)
            break;
        if (!quoted) {
            quoted = true;
        } else if (i + 1 < size && units[i + 1] == Char('"')) {
            if (!field.isRewritten)
                field = {m_rewritten.size(), 0, true};
            appendUnits(m_rewritten, units + runStart, i + 1 - runStart);
            ++i;
            runStart = i + 1;
        } else {
            quoted = false;
        }
    }
    if (field.isRewritten) {
        appendUnits(m_rewritten, units + runStart, size - runStart);
        field.length = m_rewritten.size() - field.start;
    }
    // Then the field is unquoted once: a leading quote goes, and only then a trailing one.
    const View text = textOf(field);
    if (text.startsWith(u'"')) {
        ++field.start;
        --field.length;
        if (text.size() > 1 && text.endsWith(u'"'))
            --field.length;
    }
    m_fields.append(field);
}

template <typename Char>
typename BasicCsvTokenizer<Char>::View BasicCsvTokenizer<Char>::textOf(const Field &field) const
{
    const Char *const units =
        field.isRewritten ? reinterpret_cast<const Char *>(m_rewritten.constData()) : m_line;
    return View(units + field.start, field.length);
}

template <typename Char>
std::optional<typename BasicCsvTokenizer<Char>::View> BasicCsvTokenizer<Char>::nextToken()
{
    // Once past the last field the position stays there.
    if (m_position < m_fields.size())
        ++m_position;
    if (m_position >= m_fields.size())
        return std::nullopt;
    return textOf(m_fields[m_position]);
}

template <typename Char>
QStringList BasicCsvTokenizer<Char>::fields() const
{
    QStringList fields;
    fields.reserve(m_fields.size());
    for (const Field &field : m_fields)
        fields.append(textOf(field).toString());
    return fields;
}

template class BasicCsvTokenizer<char16_t>;
template class BasicCsvTokenizer<char>;

CsvTokenizer::CsvTokenizer(const QString &line) : m_text(line)
{
    split(QStringView(m_text).utf16(), m_text.size());
}

Latin1CsvTokenizer::Latin1CsvTokenizer(QLatin1StringView line)
{
    split(line.data(), line.size());
}
