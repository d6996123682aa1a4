#pragma once

#include <QString>

class InstallationPaths;
namespace UtilsLib {
class XmlPreferences;
} // namespace UtilsLib

/// Loads the Management Console's preference file into \a store; false when it does not
/// load, with the file and what is wrong with it in \a error.
bool loadConsolePreferences(UtilsLib::XmlPreferences &store, InstallationPaths &paths,
                            QString *error);
/// Loads the Management Service's preference file into the same store; its settings win.
/// The file is the one found from the working folder, or else the one beside the program.
bool loadServicePreferences(UtilsLib::XmlPreferences &store, InstallationPaths &paths,
                            QString *error);
