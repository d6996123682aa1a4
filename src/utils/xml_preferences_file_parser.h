#pragma once

#include "utils/preference_entry.h"

#include <QString>
#include <QStringView>
#include <QXmlStreamAttributes>

#include <optional>

namespace UtilsLib {

class XmlPreferences;

/// Fills a store from the parts of a preference file that a reader reports: every
/// `entry` element, at any depth, becomes one setting; everything else is ignored.
class XmlPreferencesFileParser {
public:
    explicit XmlPreferencesFileParser(XmlPreferences &store);

    /// An `entry` start tag begins a new pending entry (dropping any earlier one).
    void startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes);
    /// Character data belongs to the pending entry's value; without one it is ignored.
    void characters(QStringView text);
    /// Any end tag completes the pending entry and stores it.
    void endElement();

private:
    XmlPreferences &m_store;
    std::optional<PreferenceEntry> m_pending;
    QString m_pendingText;
};

} // namespace UtilsLib
