#include "utils/xml_escape.h"

using namespace Qt::StringLiterals;

namespace UtilsLib {

QString escapeXml(const QString &text)
{
    // The ampersand goes first, so the ones the later steps bring in stay as they are.
    QString escaped = text;
    escaped.replace(u'&', u"&amp;"_s);
    escaped.replace(u'<', u"&lt;"_s);
    escaped.replace(u'>', u"&gt;"_s);
    escaped.replace(u'"', u"&quot;"_s);
    escaped.replace(u'\'', u"&apos;"_s);
    return escaped;
}

QString escapeXmlAttribute(const QString &text)
{
    QString escaped = escapeXml(text);
    escaped.replace(u'\t', u"&#9;"_s);
    escaped.replace(u'\n', u"&#10;"_s);
    escaped.replace(u'\r', u"&#13;"_s);
    return escaped;
}

} // namespace UtilsLib
