#pragma once

#include <QString>

/// Where the legacy installation keeps its files. The Management Console's program-data
/// folder is remembered once found; while it cannot be found every request says so and
/// the paths are relative to the working directory.
class InstallationPaths {
public:
    QString consoleDataFolder();
    QString configFolder();
    QString databasePath();
    QString consolePreferencesPath();
    /// Always "./../Management Service/config/ksrServer.qfp", from the working folder.
    QString servicePreferencesPath() const;
    /// The Management Service's preference file that the program loads: the one found from
    /// the working folder when anything is there; otherwise the one beside the program's
    /// own folder (its parent's "Management Service/config/ksrServer.qfp", native) when
    /// that file is there; otherwise servicePreferencesPath, which then fails to load.
    QString servicePreferencesPathInUse() const;
    QString localMessagesPath();
    QString userValidationPath();

private:
    QString m_consoleDataFolder;
};
