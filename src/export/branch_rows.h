#pragma once

namespace UtilsLib {
class PortablePreferences;
}
class LocalizedMessages;
class PreferencesExporter;

// The three stretches of branch rows, in the order the branch export writes them. Each
// reads the preference store by setting name and writes through \a exporter.

/// Client computers, reservations at the computer, session end, extra time, future
/// reservations, guest passes, interrupted sessions.
void writeClientAndReservationRows(UtilsLib::PortablePreferences &preferences,
                                   PreferencesExporter &exporter);
/// Reservation stations, weekly opening hours, closing, session rules, user validation
/// and its limits, the no-show policy, PIN rules and the end-of-session warnings.
void writeStationHoursSessionRows(UtilsLib::PortablePreferences &preferences,
                                  LocalizedMessages &messages, PreferencesExporter &exporter);
/// Internet filter, user ids and credentials, the validating authorities, idle-screen
/// appearance, control menu, screensaver, welcome message and the usage policy.
void writeSystemAuthorityAppearanceRows(UtilsLib::PortablePreferences &preferences,
                                        LocalizedMessages &messages, PreferencesExporter &exporter);
