#pragma once

#include "export/csv_tokenizer.h"

#include <QByteArray>
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
    /// Reads more of the file behind what is left unread; false at its end.
    bool readMore();

    QFile m_file;
    QByteArray m_buffer; ///< bytes read from the file and not yet handed out
    qsizetype m_position = 0;
};
