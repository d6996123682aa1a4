#pragma once

#include <QString>

class InstallationPaths;
namespace UtilsLib {
class PortablePreferences;
class XmlPreferences;
} // namespace UtilsLib

/// Loads the Management Console's preference file into \a store.
bool loadConsolePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths);
/// Loads the Management Service's preference file into the same store; its settings win.
/// The file is the one found from the working folder, or else the one beside the program.
bool loadServicePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths);
/// The line that says why the last file \a store loaded did not load. A relative path
/// that is missing is named as found from the working folder, where it was looked for.
QString preferencesLoadFailureReason(const UtilsLib::XmlPreferences &store);
