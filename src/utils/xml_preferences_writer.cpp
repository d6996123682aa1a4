#include "utils/xml_preferences_writer.h"

#include "utils/hex_codec.h"
#include "utils/xml_escape.h"

using namespace Qt::StringLiterals;

namespace UtilsLib {

QString preferencesDocument(const QString &type, const QMap<QString, PreferenceEntry> &entries,
                            const QString &lineEnd)
{
    QString document;
    document += u"<?xml version=\"1.0\" encoding=\"utf-8\" ?>"_s + lineEnd;
    document += u"<Settings>"_s + lineEnd;
    document += u"<version>1.1</version>"_s + lineEnd;
    document += u"<type>"_s + escapeXml(type) + u"</type>"_s + lineEnd;
    const HexCodec codec;
    for (const PreferenceEntry &entry : entries)
        document += entry.toXml(codec) + lineEnd;
    document += u"</Settings>"_s + lineEnd;
    return document;
}

} // namespace UtilsLib
