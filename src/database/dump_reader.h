#pragma once

#include "export/csv_tokenizer.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

/// Reads a dump file record by record. A record is one line (without its CR LF), or
/// several when a double-quoted field holds line breaks; bytes are taken as Latin-1 and
/// handed out as they are, without a copy.
class DumpReader {
public:
    /// Opens the dump read-only; false when it cannot be opened, with the system's reason
    /// in \a error.
    bool open(const QString &path, QString *error);

    /// The next record split into fields; its fields stay valid until the next call.
    /// Nothing at the end of the dump; nothing, with the system's reason in \a error, when
    /// reading failed: the records handed out are then only part of the dump. Nothing more
    /// is read after a failure.
    std::optional<Latin1CsvTokenizer> nextRecord(QString *error);

private:
    /// Reads more of the file behind what is left unread; false at its end, and false with
    /// the reason in \a error when reading failed.
    bool readMore(QString *error);

    QFile m_file;
    QByteArray m_buffer; ///< bytes read from the file and not yet handed out
    qsizetype m_position = 0;
    bool m_readFailed = false;
};
