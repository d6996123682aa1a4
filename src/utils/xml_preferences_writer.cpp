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

namespace {

/// An attribute value escaped like a value; a reader turns a raw TAB, LF or CR in an
/// attribute into a space, so those are written as character references.
QString escapeAttribute(const QString &text)
{
    QString escaped = escapeXml(text);
    escaped.replace(u'\t', u"&#9;"_s);
    escaped.replace(u'\n', u"&#10;"_s);
    escaped.replace(u'\r', u"&#13;"_s);
    return escaped;
}

} // namespace

QString entryLine(const PreferenceEntry &entry, const HexCodec &codec)
{
    // Names and units are escaped, so any name reads back unchanged.
    QString line = u"<entry name='"_s + escapeAttribute(entry.name) + u'\'';
    if (entry.encrypted)
        line += u" encrypted='1'"_s;
    if (!entry.units.isEmpty())
        line += u" units='"_s + escapeAttribute(entry.units) + u'\'';
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
