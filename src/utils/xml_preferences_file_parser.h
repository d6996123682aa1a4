#pragma once

#include "utils/preference_entry.h"

#include <QIODevice>
#include <QString>
#include <QStringView>
#include <QXmlStreamAttributes>

#include <functional>
#include <optional>

namespace UtilsLib {

/// Reads a preference file: every `entry` element, at any depth, becomes one setting,
/// handed to the store the parser was made with; everything else is ignored.
class XmlPreferencesFileParser {
public:
    /// Takes each completed entry (its value already decoded).
    using EntrySink = std::function<void(const PreferenceEntry &entry)>;

    explicit XmlPreferencesFileParser(EntrySink store);

    /// Reads one whole document from \a input. False when it cannot be read, is not
    /// well-formed or expands its entities beyond reason, with what is wrong with it in
    /// \a error (the device's reason, or the reader's message and where it stopped);
    /// entries completed before that are kept.
    bool parse(QIODevice &input, QString *error);

    /// An `entry` start tag begins a new pending entry (dropping any earlier one).
    void startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes);
    /// Character data belongs to the pending entry's value; without one it is ignored.
    void characters(QStringView text);
    /// Any end tag completes the pending entry and stores it.
    void endElement();

private:
    EntrySink m_store;
    std::optional<PreferenceEntry> m_pending;
    QString m_pendingText;
};

} // namespace UtilsLib
