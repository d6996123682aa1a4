#include "platform/console.h"

#include <cstdio>

namespace Console {
namespace {

Capture *g_capture = nullptr;

std::FILE *fileOf(Stream stream)
{
    return stream == Stream::Out ? stdout : stderr;
}

} // namespace

void write(Stream stream, const QString &text)
{
    if (g_capture) {
        (stream == Stream::Out ? g_capture->m_out : g_capture->m_err) += text;
        return;
    }
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), fileOf(stream));
}

void endLine(Stream stream)
{
    write(stream, QStringLiteral("\n"));
    if (!g_capture)
        std::fflush(fileOf(stream));
}

void writeLine(Stream stream, const QString &text)
{
    write(stream, text);
    endLine(stream);
}

void waitForKey()
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (!g_capture)
        (void)std::getchar();
}

Capture::Capture() : m_previous(g_capture)
{
    g_capture = this;
}

Capture::~Capture()
{
    g_capture = m_previous;
}

} // namespace Console
