#pragma once

#include <QByteArrayView>

/// The process's own standard streams, under the console: UTF-8 bytes out, one character
/// in. Each system has its implementation.
namespace Console::Streams {

enum class Stream {
    Out, ///< standard output: guidance, progress, warnings, the lines that ask to act
    Err, ///< standard error: why the export did not complete; an unknown argument
};

/// Writes \a utf8 to the stream as it is.
void write(Stream stream, QByteArrayView utf8);
/// Hands what the stream holds to the console or file behind it.
void flush(Stream stream);
/// Reads one character from standard input and discards it (end of input counts).
void readCharacter();
/// Whether standard input is a terminal or console window that a person types into, not
/// a file, a pipe or the null device.
bool isInputInteractive();
/// Whether the stream goes to a terminal or console window that a person reads, not to a
/// file, a pipe or the null device.
bool isOutputInteractive(Stream stream);

} // namespace Console::Streams
