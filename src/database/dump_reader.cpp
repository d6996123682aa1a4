#include "database/dump_reader.h"

#include <QByteArray>
#include <QByteArrayView>

namespace {

/// Whether a double-quoted stretch is still open after \a text, given whether one was
/// open before it. In the tokenizer every double quote opens or closes a stretch, and a
/// doubled one inside a stretch closes and reopens it, so the parity of the count decides.
bool isQuoteOpenAfter(QByteArrayView text, bool isQuoted)
{
    return isQuoted != (text.count('"') % 2 == 1);
}

/// Length of \a line without its line end (LF, or CR LF).
qsizetype contentLength(const QByteArray &line)
{
    qsizetype length = line.size();
    if (length > 0 && line[length - 1] == '\n') {
        --length;
        if (length > 0 && line[length - 1] == '\r')
            --length;
    }
    return length;
}

} // namespace

bool DumpReader::open(const QString &path)
{
    if (m_file.isOpen())
        m_file.close();
    m_file.setFileName(path);
    // Binary mode: the line ends are taken apart here, because a CR LF inside a quoted
    // value belongs to the value.
    return m_file.open(QIODevice::ReadOnly);
}

std::optional<CsvTokenizer> DumpReader::nextRecord()
{
    if (!m_file.isOpen())
        return std::nullopt;
    // Every line that exists holds at least its LF or one byte, so an empty result is
    // the end of the file (or a read error, which ends the dump just the same).
    QByteArray line = m_file.readLine();
    if (line.isEmpty())
        return std::nullopt;

    QByteArray record;
    bool isQuoted = false;
    for (;;) {
        const qsizetype length = contentLength(line);
        const QByteArrayView content(line.constData(), length);
        isQuoted = isQuoteOpenAfter(content, isQuoted);
        record.append(content);
        if (!isQuoted)
            break;
        // A quoted value holds a line break: the record goes on with the next line, and
        // the break, exactly as written, is part of the value. At the end of the file
        // an unclosed quote simply ends the record.
        QByteArray next = m_file.readLine();
        if (next.isEmpty())
            break;
        record.append(line.constData() + length, line.size() - length);
        line = std::move(next);
    }
    return CsvTokenizer(QString::fromLatin1(record));
}
