#include "utils/preference_entry.h"

#include "utils/hex_codec.h"
#include "utils/xml_escape.h"

using namespace Qt::StringLiterals;

namespace UtilsLib {

QString PreferenceEntry::toXml(const HexCodec &codec) const
{
    // Names and units are escaped, so any name reads back unchanged.
    QString line = u"<entry name='"_s + escapeXmlAttribute(name) + u'\'';
    if (encrypted)
        line += u" encrypted='1'"_s;
    if (!units.isEmpty())
        line += u" units='"_s + escapeXmlAttribute(units) + u'\'';
    line += u'>';
    line += encrypted ? codec.encode(value) : escapeXml(value);
    line += u"</entry>"_s;
    return line;
}

} // namespace UtilsLib
