#pragma once

#include "platform/console_streams.h"

#include <QString>

#include <optional>

/// The program's console: standard output, standard error and the final key press.
/// Every "end of line" is a line end followed by a flush of that stream. Text is
/// written as UTF-8; tests collect both streams in strings with a Console::Capture.
namespace Console {

using Streams::Stream;

/// Writes text without a line end.
void write(Stream stream, const QString &text);
/// Writes a line end and flushes the stream.
void endLine(Stream stream);
/// Writes text, then a line end, and flushes.
void writeLine(Stream stream, const QString &text);

inline void out(const QString &text)
{
    write(Stream::Out, text);
}
inline void outLine(const QString &text)
{
    writeLine(Stream::Out, text);
}
inline void err(const QString &text)
{
    write(Stream::Err, text);
}
inline void errLine(const QString &text)
{
    writeLine(Stream::Err, text);
}

/// Reads one character from standard input and discards it (end of input counts).
void waitForKey();
/// Where the person who is to press the key sees that the program waits: standard output
/// when it is a terminal or console window, else standard error when that one is. Nothing
/// when standard input is not typed into by a person, when neither stream is shown to
/// one, or while output is captured.
std::optional<Stream> announcementStream();

/// While alive, console output goes into two strings instead of the process's streams.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture &) = delete;
    Capture &operator=(const Capture &) = delete;

    const QString &out() const { return m_out; }
    const QString &err() const { return m_err; }

private:
    friend void write(Stream stream, const QString &text);
    QString m_out;
    QString m_err;
    Capture *m_previous = nullptr;
};

} // namespace Console
