#pragma once

#include <QString>

namespace UtilsLib {

/// \a text with "&", "<", ">", '"' and "'" replaced by their predefined entities.
QString escapeXml(const QString &text);

/// \a text escaped for an attribute value: like escapeXml, and TAB, LF and CR as character
/// references, since a reader turns them into spaces when they stand raw in an attribute.
QString escapeXmlAttribute(const QString &text);

} // namespace UtilsLib
