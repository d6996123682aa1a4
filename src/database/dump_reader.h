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
    /// Opens the dump read-only; false when it cannot be opened.
    bool open(const QString &path);

    /// The next record split into fields; nothing at the end of the dump, and nothing more
    /// once reading has failed. Its fields stay valid until the next call.
    std::optional<Latin1CsvTokenizer> nextRecord();

    /// Whether reading stopped at a read error rather than at the end of the dump: the
    /// records handed out are then only part of it.
    bool hasReadFailed() const { return m_readFailed; }
    /// The path of the dump, as it was opened.
    QString path() const { return m_file.fileName(); }
    /// The system's reason for the read error.
    QString errorString() const { return m_readError; }

private:
    /// Reads more of the file behind what is left unread; false at its end.
    bool readMore();

    QFile m_file;
    QByteArray m_buffer; ///< bytes read from the file and not yet handed out
    qsizetype m_position = 0;
    bool m_readFailed = false;
    QString m_readError;
};
