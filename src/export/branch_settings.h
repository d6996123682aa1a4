#pragma once

#include <QString>

namespace UtilsLib {
class PortablePreferences;
}
class ExportFile;
class PreferencesExporter;

/// Writes every "BranchSetting" row from the preference store into \a file, opened at
/// \a exportPath. False when the export file cannot be opened; a value the cloud service
/// cannot take throws std::runtime_error.
bool exportBranchSettings(UtilsLib::PortablePreferences &preferences, ExportFile &file,
                          const QString &exportPath);

/// \a value, or \a replacement when \a value is below 1 (legacy 0 meant "not limited").
constexpr int replaceBelowOne(int value, int replacement)
{
    return value < 1 ? replacement : value;
}

// The three stretches of rows, in the order exportBranchSettings writes them.
void writeClientAndReservationRows(UtilsLib::PortablePreferences &preferences,
                                   PreferencesExporter &exporter);
void writeStationHoursSessionRows(UtilsLib::PortablePreferences &preferences,
                                  PreferencesExporter &exporter);
void writeSystemAuthorityAppearanceRows(UtilsLib::PortablePreferences &preferences,
                                        PreferencesExporter &exporter);
