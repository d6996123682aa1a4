#include "utils/preference_entry.h"

#include "utils/xml_preferences_writer.h"

namespace UtilsLib {

QString PreferenceEntry::toXml(const HexCodec &codec) const
{
    return entryLine(*this, codec);
}

} // namespace UtilsLib
