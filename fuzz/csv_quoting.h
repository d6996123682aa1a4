#pragma once

// Writing comma-separated lines the way the database dump writes them, so that the
// reading side can be checked against values it was given.

#include <QByteArray>
#include <QList>

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>

namespace Fuzz {

/// One field as written: nothing for a NULL, otherwise the value's bytes.
using CsvValue = std::optional<QByteArray>;
using CsvRow = QList<CsvValue>;

enum class Quoting {
    AsDumped,   ///< quoted when empty or holding a control byte, quote, apostrophe,
                ///< comma, DEL or a byte of 0x80 and above
    WhenNeeded, ///< quoted only when holding a comma, a double quote or a line break
    Always,     ///< every value quoted
};

inline bool needsDumpQuotes(const QByteArray &value)
{
    if (value.isEmpty())
        return true;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x01 && byte <= 0x20) || byte == '"' || byte == '\'' || byte == ','
            || byte == 0x7F || byte >= 0x80)
            return true;
    }
    return false;
}

inline QByteArray quotedField(const CsvValue &value, Quoting quoting)
{
    if (!value)
        return {};
    bool quote = false;
    switch (quoting) {
    case Quoting::AsDumped: quote = needsDumpQuotes(*value); break;
    case Quoting::WhenNeeded:
        quote = value->contains(',') || value->contains('"') || value->contains('\r')
            || value->contains('\n');
        break;
    case Quoting::Always: quote = true; break;
    }
    if (!quote)
        return *value;
    QByteArray inner = *value;
    inner.replace("\"", "\"\"");
    return '"' + inner + '"';
}

inline QByteArray csvLine(const CsvRow &row, Quoting quoting)
{
    QByteArray line;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            line += ',';
        line += quotedField(row[i], quoting);
    }
    return line;
}

/// The fields a reader should give for \a row: the values in order, where a NULL reads
/// as an empty field, except that a field written as nothing at the end of the line is
/// no field at all.
inline QList<QByteArray> expectedFields(const CsvRow &row, Quoting quoting)
{
    QList<QByteArray> fields;
    for (const CsvValue &value : row)
        fields.append(value.value_or(QByteArray()));
    if (!row.isEmpty() && quotedField(row.back(), quoting).isEmpty())
        fields.removeLast();
    return fields;
}

/// A row of up to \a maxValues values taken from the fuzzer's bytes; no value holds a
/// NUL byte (the dump ends a text there) and, unless \a lineBreaks, no CR or LF.
inline CsvRow consumeRow(FuzzedDataProvider &provider, int maxValues, bool lineBreaks)
{
    CsvRow row;
    const int count = provider.ConsumeIntegralInRange(1, maxValues);
    for (int i = 0; i < count && provider.remaining_bytes() > 0; ++i) {
        if (provider.ConsumeIntegralInRange(0, 7) == 0) {
            row.append(std::nullopt);
            continue;
        }
        const std::string text = provider.ConsumeRandomLengthString(40);
        QByteArray value(text.data(), static_cast<qsizetype>(text.size()));
        value.replace('\0', "");
        if (!lineBreaks) {
            value.replace('\r', "");
            value.replace('\n', "");
        }
        row.append(value);
    }
    if (row.isEmpty())
        row.append(QByteArray("x"));
    return row;
}

inline Quoting consumeQuoting(FuzzedDataProvider &provider)
{
    return provider.PickValueInArray({Quoting::AsDumped, Quoting::WhenNeeded, Quoting::Always});
}

} // namespace Fuzz
