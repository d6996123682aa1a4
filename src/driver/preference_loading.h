#pragma once

class InstallationPaths;
namespace UtilsLib {
class PortablePreferences;
}

/// Loads the Management Console's preference file into \a store.
bool loadConsolePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths);
/// Loads the Management Service's preference file into the same store; its settings win.
bool loadServicePreferences(UtilsLib::PortablePreferences &store, InstallationPaths &paths);
