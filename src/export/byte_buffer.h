#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

/// Bytes collected for one write, such as a row or a chunk of rows. Room is made ahead in
/// growing steps and pieces are copied straight into it, so appending costs no more than
/// the copy; clear() keeps the room for the next use.
class ByteBuffer {
public:
    QByteArrayView view() const { return {m_bytes.constData(), m_size}; }
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    void clear() { m_size = 0; }

    void append(char c)
    {
        *room(1) = c;
        ++m_size;
    }
    void append(QByteArrayView bytes)
    {
        if (!bytes.isEmpty())
            std::memcpy(room(bytes.size()), bytes.data(), static_cast<size_t>(bytes.size()));
        m_size += bytes.size();
    }

    /// Where at least \a count more bytes can be written; added() then says how many were.
    char *room(qsizetype count)
    {
        if (m_bytes.size() - m_size < count)
            makeRoom(count);
        return m_bytes.data() + m_size;
    }
    void added(qsizetype count) { m_size += count; }

private:
    void makeRoom(qsizetype count)
    {
        m_bytes.resize(qMax(qMax<qsizetype>(256, 2 * m_bytes.size()), m_size + count));
    }

    QByteArray m_bytes; ///< the room; only the first m_size bytes hold the buffer
    qsizetype m_size = 0;
};
