#pragma once

#include "utils/preference_entry.h"

#include <QMap>
#include <QString>

namespace UtilsLib {

class HexCodec;

/// \a text with "&", "<", ">", '"' and "'" replaced by their predefined entities.
QString escapeXml(const QString &text);

/// One entry element on one line: the name, the encrypted flag when set and the units
/// when present as attributes, then the value (encoded when the entry is encrypted).
QString entryLine(const PreferenceEntry &entry, const HexCodec &codec);

/// The whole preference file: declaration, root, version, \a type, then one line per
/// entry in the order of \a entries' keys, every line ended by \a lineEnd.
QString preferencesDocument(const QString &type, const QMap<QString, PreferenceEntry> &entries,
                            const QString &lineEnd);

} // namespace UtilsLib
