#pragma once

#include <QString>

namespace UtilsLib {

class HexCodec;

/// One stored setting.
struct PreferenceEntry {
    QString name;           ///< as the caller supplied it or the file held it
    QString value;          ///< plain text (already decoded)
    QString units;          ///< a time-unit name or empty
    bool encrypted = false; ///< written to the file encoded with HexCodec

    /// The entry's line of the preference file, without a line end.
    QString toXml(const HexCodec &codec) const;

    friend bool operator==(const PreferenceEntry &, const PreferenceEntry &) = default;
};

} // namespace UtilsLib
