#include "utils/xml_preferences_file_parser.h"

#include "utils/hex_codec.h"
#include "utils/xml_preferences.h"

using namespace Qt::StringLiterals;

namespace UtilsLib {

XmlPreferencesFileParser::XmlPreferencesFileParser(XmlPreferences &store)
    : m_store(store)
{
}

void XmlPreferencesFileParser::startElement(QStringView qualifiedName,
                                            const QXmlStreamAttributes &attributes)
{
    if (qualifiedName != u"entry"_s)
        return;
    PreferenceEntry entry;
    entry.name = attributes.value(u"name"_s).toString();
    entry.units = attributes.value(u"units"_s).toString();
    entry.encrypted = attributes.value(u"encrypted"_s) == u"1"_s;
    m_pending = std::move(entry);
    m_pendingText.clear();
}

void XmlPreferencesFileParser::characters(QStringView text)
{
    if (m_pending)
        m_pendingText.append(text);
}

void XmlPreferencesFileParser::endElement()
{
    if (m_pending) {
        // The value is decoded once, as a whole, however many pieces it was read in.
        const QString value = m_pending->encrypted ? HexCodec().decode(m_pendingText)
                                                   : m_pendingText;
        m_store.setEntry(m_pending->name, value, m_pending->units, m_pending->encrypted);
    }
    m_pending.reset();
    m_pendingText.clear();
}

} // namespace UtilsLib
