#pragma once

#include "utils/preference_entry.h"

#include <QMap>
#include <QString>

namespace UtilsLib {

/// The whole preference file: declaration, root, version, \a type, then one line per
/// entry in the order of \a entries' keys, every line ended by \a lineEnd.
QString preferencesDocument(const QString &type, const QMap<QString, PreferenceEntry> &entries,
                            const QString &lineEnd);

} // namespace UtilsLib
