#include "platform/console_streams.h"

#include <cstdio>

#include <unistd.h>

namespace Console::Streams {
namespace {

std::FILE *fileOf(Stream stream)
{
    return stream == Stream::Out ? stdout : stderr;
}

} // namespace

void write(Stream stream, QByteArrayView utf8)
{
    std::fwrite(utf8.data(), 1, static_cast<size_t>(utf8.size()), fileOf(stream));
}

void flush(Stream stream)
{
    std::fflush(fileOf(stream));
}

void readCharacter()
{
    (void)std::getchar();
}

bool isInputInteractive()
{
    return isatty(STDIN_FILENO) == 1;
}

bool isOutputInteractive(Stream stream)
{
    return isatty(stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

} // namespace Console::Streams
