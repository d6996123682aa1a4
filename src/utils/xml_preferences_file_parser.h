#pragma once

#include "utils/preference_entry.h"
#include "utils/preference_load_failure.h"

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

    /// Reads one whole document from \a input. False when it is not well-formed, cannot be
    /// read or expands its entities beyond reason; entries completed before that are kept.
    bool parse(QIODevice &input);
    /// Why the last parse failed: a read error (Unreadable, with the device's reason) or
    /// a document that is not well-formed (with the reader's message and position).
    const PreferenceLoadFailure &failure() const { return m_failure; }

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
    PreferenceLoadFailure m_failure;
};

} // namespace UtilsLib
