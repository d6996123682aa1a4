#pragma once

#include "export/byte_buffer.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

/// How text is written into the export file, which holds Latin-1 bytes.
namespace ExportText {

/// The four characters backslash, r, backslash, n that stand for a line break in a value.
inline constexpr QLatin1StringView kEscapedLineBreak{"\\r\\n"};
/// The two characters backslash, n that stand for a line break in a localized value.
inline constexpr QLatin1StringView kFlattenedLineBreak{"\\n"};

/// Appends \a text to \a out as the export file holds it: one byte per character, and a
/// character beyond Latin-1 as one "?", also when it takes two UTF-16 units. With a
/// \a lineBreak, every line break (CR LF, a lone LF or a lone CR) is written as that text:
/// a value read from an XML preference file carries its CR LF as a lone LF, and a raw CR
/// or LF in the export file would end the row in the middle of the value.
void append(ByteBuffer &out, QStringView text, QLatin1StringView lineBreak = {});

/// The same for Latin-1 bytes, which the export file holds as they are.
void append(ByteBuffer &out, QLatin1StringView text, QLatin1StringView lineBreak = {});

/// \a text as the export file holds it, read back: what append writes without a line break.
QString asWritten(QStringView text);

/// Appends \a text in double quotes, every line break written as \a lineBreak; double
/// quotes inside it are not escaped.
void appendQuoted(ByteBuffer &out, QStringView text,
                  QLatin1StringView lineBreak = kEscapedLineBreak);
void appendQuoted(ByteBuffer &out, QLatin1StringView text,
                  QLatin1StringView lineBreak = kEscapedLineBreak);

} // namespace ExportText
