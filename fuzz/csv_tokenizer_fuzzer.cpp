// Comma-separated lines: any line splits without harm into no more fields than it has
// commas plus one, lines written from values split back into those values, and Latin-1
// bytes split as the text they stand for.

#include "csv_quoting.h"
#include "fuzz_support.h"

#include "export/csv_tokenizer.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

QByteArray shownFields(const QStringList &fields)
{
    QByteArray out;
    for (const QString &field : fields)
        out += '[' + Fuzz::shown(field) + ']';
    return out;
}

/// The tokens nextToken hands out, which must be the fields and then nothing, for good.
void checkTokens(const QString &line)
{
    CsvTokenizer tokenizer(line);
    const QStringList fields = tokenizer.fields();
    QStringList tokens;
    while (const std::optional<QStringView> token = tokenizer.nextToken())
        tokens.append(token->toString());
    if (tokens != fields)
        Fuzz::fail("nextToken hands out the fields in order", shownFields(fields),
                   shownFields(tokens));
    Fuzz::check(!tokenizer.nextToken() && !tokenizer.nextToken(),
                "nextToken stays at the end once past the last field");

    if (fields.size() > line.count(u',') + 1)
        Fuzz::fail("no more fields than commas plus one", QByteArray::number(line.count(u',') + 1),
                   QByteArray::number(fields.size()));

    // Without quotes a line is its fields joined by commas (a trailing empty field dropped).
    if (!line.contains(u'"')) {
        const QString expected = line.endsWith(u',') ? line.chopped(1) : line;
        Fuzz::checkEqual(expected, fields.join(u','), "a line without quotes is its fields joined");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkTokens(QString::fromLatin1(bytes));
    // The bytes split as Latin-1 give the fields of their text.
    const QStringList textFields = CsvTokenizer(QString::fromLatin1(bytes)).fields();
    const QStringList byteFields = Latin1CsvTokenizer(QLatin1StringView(bytes)).fields();
    if (byteFields != textFields)
        Fuzz::fail("Latin-1 bytes split as their text does", shownFields(textFields),
                   shownFields(byteFields));

    // The same bytes read as values: the line written from them splits back into them.
    FuzzedDataProvider provider(data, size);
    const Fuzz::Quoting quoting = Fuzz::consumeQuoting(provider);
    const Fuzz::CsvRow row = Fuzz::consumeRow(provider, 8, true);
    const QString line = QString::fromLatin1(Fuzz::csvLine(row, quoting));
    QStringList expected;
    for (const QByteArray &field : Fuzz::expectedFields(row, quoting))
        expected.append(QString::fromLatin1(field));
    const QStringList fields = CsvTokenizer(line).fields();
    if (fields != expected)
        Fuzz::fail("a written line splits into its values",
                   Fuzz::shown(line) + "\n  fields:   " + shownFields(expected),
                   shownFields(fields));
    checkTokens(line);
    return 0;
}
