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
    /// Always "./../Management Service/config/ksrServer.qfp".
    QString servicePreferencesPath() const;
    QString localMessagesPath();
    QString userValidationPath();

private:
    QString m_consoleDataFolder;
};
