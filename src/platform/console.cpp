#include "platform/console.h"

namespace Console {
namespace {

Capture *g_capture = nullptr;

} // namespace

void write(Stream stream, const QString &text)
{
    if (g_capture) {
        (stream == Stream::Out ? g_capture->m_out : g_capture->m_err) += text;
        return;
    }
    Streams::write(stream, text.toUtf8());
}

void endLine(Stream stream)
{
    write(stream, QStringLiteral("\n"));
    if (!g_capture)
        Streams::flush(stream);
}

void writeLine(Stream stream, const QString &text)
{
    write(stream, text);
    endLine(stream);
}

void waitForKey()
{
    if (g_capture)
        return;
    Streams::flush(Stream::Out);
    Streams::flush(Stream::Err);
    Streams::readCharacter();
}

std::optional<Stream> announcementStream()
{
    if (g_capture || !Streams::isInputInteractive())
        return std::nullopt;
    for (const Stream stream : {Stream::Out, Stream::Err}) {
        if (Streams::isOutputInteractive(stream))
            return stream;
    }
    return std::nullopt;
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
