#pragma once

#include "export/csv_tokenizer.h"

#include <QFile>
#include <QString>

#include <optional>

/// Reads a dump file record by record. A record is one line (without its CR LF), or
/// several when a double-quoted field holds line breaks; bytes are taken as Latin-1.
class DumpReader {
public:
    /// Opens the dump read-only; false when it cannot be opened.
    bool open(const QString &path);

    /// The next record split into fields; nothing at the end of the dump.
    std::optional<CsvTokenizer> nextRecord();

private:
    QFile m_file;
};
