#include "database/dump_reader.h"

#include "export/text_scan.h"

#include <QByteArrayView>

#include <cstring>

namespace {

/// The file is read in pieces of this size.
constexpr qsizetype kReadSize = 64 * 1024;

/// Whether a double-quoted stretch is still open after \a text, given whether one was
/// open before it. In the tokenizer every double quote opens or closes a stretch, and a
/// doubled one inside a stretch closes and reopens it, so the parity of the count decides.
bool isQuoteOpenAfter(QByteArrayView text, bool isQuoted)
{
    return isQuoted != (TextScan::countOf(text.data(), text.size(), '"') % 2 == 1);
}

/// The index of the first LF in \a text from \a from on; -1 when there is none.
qsizetype indexOfLineFeed(QByteArrayView text, qsizetype from)
{
    if (from >= text.size())
        return -1;
    const void *found =
        std::memchr(text.data() + from, '\n', static_cast<size_t>(text.size() - from));
    return found == nullptr ? -1 : static_cast<const char *>(found) - text.data();
}

Latin1CsvTokenizer recordOf(QByteArrayView text)
{
    return Latin1CsvTokenizer(QLatin1StringView(text.data(), text.size()));
}

} // namespace

bool DumpReader::open(const QString &path, QString *error)
{
    if (m_file.isOpen())
        m_file.close();
    m_buffer.clear();
    m_position = 0;
    m_readFailed = false;
    m_file.setFileName(path);
    // Binary mode: the line ends are taken apart here, because a CR LF inside a quoted
    // value belongs to the value.
    if (m_file.open(QIODevice::ReadOnly))
        return true;
    *error = m_file.errorString();
    return false;
}

bool DumpReader::readMore(QString *error)
{
    if (!m_file.isOpen() || m_readFailed)
        return false;
    // What was handed out goes; the unread rest moves to the front.
    m_buffer.remove(0, m_position);
    m_position = 0;
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + kReadSize);
    const qint64 read = m_file.read(m_buffer.data() + kept, kReadSize);
    m_buffer.resize(kept + qMax<qint64>(read, 0));
    // A read error is not the end of the dump: what was read is only part of the table.
    if (read < 0) {
        m_readFailed = true;
        *error = m_file.errorString();
    }
    return read > 0;
}

std::optional<Latin1CsvTokenizer> DumpReader::nextRecord(QString *error)
{
    // A record runs from the current position over as many lines as its quotes need. The
    // scan goes on after more was read, because reading moves the unread bytes to the front.
    qsizetype lineStart = 0;  // where the next line of the record starts, from m_position
    qsizetype contentEnd = 0; // where the record's text ends so far
    bool isQuoted = false;
    for (;;) {
        const QByteArrayView unread = QByteArrayView(m_buffer).sliced(m_position);
        const qsizetype lineFeed = indexOfLineFeed(unread, lineStart);
        if (lineFeed < 0) {
            if (readMore(error))
                continue;
            // The unread rest before a read error may be a record cut short: never handed out.
            if (m_readFailed)
                return std::nullopt;
            // The last line needs no line end. When a quote is still open at the end of
            // the file, the record simply ends with the last line.
            if (lineStart < unread.size())
                contentEnd = unread.size();
            m_position = m_buffer.size();
            if (contentEnd == 0 && lineStart == 0)
                return std::nullopt;
            return recordOf(unread.first(contentEnd));
        }
        // A CR right before the LF belongs to the line end; when a quoted value goes on to
        // the next line, the line break, exactly as written, is part of the value.
        contentEnd = lineFeed > lineStart && unread[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
        isQuoted = isQuoteOpenAfter(unread.sliced(lineStart, contentEnd - lineStart), isQuoted);
        lineStart = lineFeed + 1;
        if (!isQuoted) {
            m_position += lineStart;
            return recordOf(unread.first(contentEnd));
        }
    }
}
