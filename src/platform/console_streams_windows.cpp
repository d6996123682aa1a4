#include "platform/console_streams.h"

#include <cstdio>

#include <windows.h>

namespace Console::Streams {
namespace {

/// While the program runs, the console shows what it is given as UTF-8; the code page it
/// had before comes back when the program ends.
class Utf8ConsoleOutput {
public:
    Utf8ConsoleOutput() : m_previous(GetConsoleOutputCP())
    {
        // Without a console (output redirected to a file or a pipe) there is nothing to set.
        if (m_previous != 0 && m_previous != CP_UTF8)
            m_changed = SetConsoleOutputCP(CP_UTF8) != 0;
    }
    ~Utf8ConsoleOutput()
    {
        if (m_changed)
            SetConsoleOutputCP(m_previous);
    }
    Utf8ConsoleOutput(const Utf8ConsoleOutput &) = delete;
    Utf8ConsoleOutput &operator=(const Utf8ConsoleOutput &) = delete;

private:
    UINT m_previous;
    bool m_changed = false;
};

HANDLE handleOf(Stream stream)
{
    return GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

/// Only a console handle has a console mode; a file, a pipe or NUL has none.
bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE
        && GetConsoleMode(handle, &mode) != 0;
}

} // namespace

void write(Stream stream, QByteArrayView utf8)
{
    static const Utf8ConsoleOutput utf8Console;
    // The bytes go to the handle as they are: UTF-8, with LF line ends, to a console, a
    // file or a pipe alike (the C runtime's text mode would turn LF into CR LF).
    const HANDLE handle = handleOf(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    const char *data = utf8.data();
    qsizetype left = utf8.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, data, static_cast<DWORD>(left), &written, nullptr) || written == 0)
            return;
        data += written;
        left -= written;
    }
}

void flush(Stream)
{
    // Every write went straight to the handle.
}

void readCharacter()
{
    (void)std::getchar();
}

bool isInputInteractive()
{
    return isConsole(GetStdHandle(STD_INPUT_HANDLE));
}

bool isOutputInteractive(Stream stream)
{
    return isConsole(handleOf(stream));
}

} // namespace Console::Streams
