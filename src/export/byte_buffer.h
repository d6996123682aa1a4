#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>
#include <iterator>

/// Bytes collected for one write, such as a row or a chunk of rows. Room is made ahead in
/// growing steps and pieces are copied straight into it, so appending costs no more than
/// the copy; clear() keeps the room for the next use.
class ByteBuffer {
public:
    ByteBuffer() = default;
    // The room's start is kept beside it, so a copy would write into the original's room.
    ByteBuffer(const ByteBuffer &) = delete;
    ByteBuffer &operator=(const ByteBuffer &) = delete;

    QByteArrayView view() const { return {m_data, m_size}; }
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
        if (m_capacity - m_size < count)
            makeRoom(count);
        return m_data + m_size;
    }
    void added(qsizetype count) { m_size += count; }

    /// Appends \a number in decimal, a minus sign before a negative one. The widest integer
    /// there is, so that any product of read numbers is written exactly.
    __extension__ void appendDecimal(__int128 number);

private:
    void makeRoom(qsizetype count)
    {
        m_bytes.resize(qMax(qMax<qsizetype>(256, 2 * m_capacity), m_size + count));
        m_data = m_bytes.data();
        m_capacity = m_bytes.size();
    }

    QByteArray m_bytes; ///< the room; only the first m_size bytes hold the buffer
    // The room's start and size, kept beside it: asking the array for them on every
    // append would check each time whether it is shared.
    char *m_data = nullptr;
    qsizetype m_capacity = 0;
    qsizetype m_size = 0;
};

__extension__ inline void ByteBuffer::appendDecimal(__int128 number)
{
    __extension__ typedef unsigned __int128 Magnitude;
    Magnitude magnitude = number < 0 ? Magnitude(0) - Magnitude(number) : Magnitude(number);
    char digits[48];
    char *first = std::end(digits);
    // Digits beyond 64 bits are rare; the rest is divided in 64 bits, which is much faster.
    while (magnitude > Magnitude(~quint64(0))) {
        *--first = static_cast<char>('0' + int(magnitude % 10));
        magnitude /= 10;
    }
    for (quint64 rest = quint64(magnitude);; rest /= 10) {
        *--first = static_cast<char>('0' + rest % 10);
        if (rest < 10)
            break;
    }
    if (number < 0)
        *--first = '-';
    append(QByteArrayView(first, std::end(digits) - first));
}
