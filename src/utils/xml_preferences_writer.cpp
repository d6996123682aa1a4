#include "utils/xml_preferences_writer.h"

#include "utils/hex_codec.h"

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

QString entryLine(const PreferenceEntry &entry, const HexCodec &codec)
{
    // Names and units are escaped like values, so any name reads back unchanged.
    QString line = u"<entry name='"_s + escapeXml(entry.name) + u'\'';
    if (entry.encrypted)
        line += u" encrypted='1'"_s;
    if (!entry.units.isEmpty())
        line += u" units='"_s + escapeXml(entry.units) + u'\'';
    line += u'>';
    line += entry.encrypted ? codec.encode(entry.value) : escapeXml(entry.value);
    line += u"</entry>"_s;
    return line;
}

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
        document += entryLine(entry, codec) + lineEnd;
    document += u"</Settings>"_s + lineEnd;
    return document;
}

} // namespace UtilsLib
