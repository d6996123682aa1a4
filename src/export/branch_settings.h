#pragma once

#include <QString>

namespace UtilsLib {
class PortablePreferences;
}
class ExportFile;
class LocalizedMessages;

/// Writes every "BranchSetting" row from the preference store into \a file, opened at
/// \a exportPath; localized values come from \a messages. False when the export file
/// cannot be opened; a value the cloud service cannot take throws ExportStopped.
bool exportBranchSettings(UtilsLib::PortablePreferences &preferences, LocalizedMessages &messages,
                          ExportFile &file, const QString &exportPath);
