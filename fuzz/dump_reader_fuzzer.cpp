// Database dumps: any file reads without harm and never gives more records than it has
// lines; a dump written from values, line breaks inside quoted values included, reads
// back record for record and value for value.

#include "csv_quoting.h"
#include "fuzz_support.h"

#include "database/dump_reader.h"

#include <QList>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

using Records = QList<QStringList>;

QByteArray shownRecords(const Records &records)
{
    QByteArray out;
    for (const QStringList &fields : records) {
        out += "\n    ";
        for (const QString &field : fields)
            out += '[' + Fuzz::shown(field) + ']';
    }
    return out;
}

/// Every record of the dump at \a path; more records than \a maxRecords is a finding.
Records readDump(const QString &path, qsizetype maxRecords)
{
    DumpReader reader;
    QString error;
    Fuzz::check(reader.open(path, &error), "an existing dump opens");
    Records records;
    while (const std::optional<Latin1CsvTokenizer> record = reader.nextRecord(&error)) {
        records.append(record->fields());
        if (records.size() > maxRecords)
            Fuzz::fail("no more records than lines", QByteArray::number(maxRecords),
                       shownRecords(records));
    }
    Fuzz::check(!reader.nextRecord(&error), "the end of the dump stays the end");
    Fuzz::check(error.isEmpty(), "a dump read to its end reports no failure");
    return records;
}

/// The lines of \a bytes as the reader sees them: without their LF or CR LF; the last
/// line needs no line end.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last LF: the unended last line, or nothing
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const qsizetype lastLineStart = bytes.lastIndexOf('\n') + 1;
    if (lastLineStart < bytes.size())
        lines.append(bytes.sliced(lastLineStart));
    return lines;
}

void checkAnyDump(const QByteArray &bytes)
{
    const QString path = Fuzz::scratchPath(u"any.csv"_s);
    Fuzz::writeScratchFile(path, bytes);
    const QList<QByteArray> lines = linesOf(bytes);
    const Records records = readDump(path, lines.size());

    // Without quotes every line is one record, its fields joined by commas (a trailing
    // empty field dropped).
    if (bytes.contains('"')) {
        return;
    }
    Fuzz::check(records.size() == lines.size(), "without quotes every line is one record");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = QString::fromLatin1(lines[i]);
        if (line.endsWith(u','))
            line.chop(1);
        Fuzz::checkEqual(line, records[i].join(u','), "a record without quotes is its line");
    }
}

void checkWrittenDump(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const Fuzz::Quoting quoting = Fuzz::consumeQuoting(provider);
    const QByteArray lineEnd = provider.ConsumeBool() ? "\r\n" : "\n";
    const int rowCount = provider.ConsumeIntegralInRange(0, 6);
    QList<Fuzz::CsvRow> rows;
    QByteArray dump;
    Records expected;
    for (int i = 0; i < rowCount; ++i) {
        const Fuzz::CsvRow row = Fuzz::consumeRow(provider, 6, true);
        rows.append(row);
        dump += Fuzz::csvLine(row, quoting) + lineEnd;
        QStringList fields;
        for (const QByteArray &field : Fuzz::expectedFields(row, quoting))
            fields.append(QString::fromLatin1(field));
        expected.append(fields);
    }
    // The last row needs no line end, unless it is an empty line.
    if (!dump.isEmpty() && !dump.endsWith("\n" + lineEnd) && dump != lineEnd
        && provider.ConsumeBool())
        dump.chop(lineEnd.size());

    const QString path = Fuzz::scratchPath(u"written.csv"_s);
    Fuzz::writeScratchFile(path, dump);
    const Records records = readDump(path, linesOf(dump).size());
    if (records != expected)
        Fuzz::fail("a written dump reads back value for value",
                   Fuzz::shown(dump) + shownRecords(expected), shownRecords(records));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkAnyDump(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    checkWrittenDump(data, size);
    return 0;
}
