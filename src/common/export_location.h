#pragma once

#include <QString>

/// The export folder on the user's desktop and the files in it. The folder is found and
/// created once; while that fails every request says so and the files are named
/// relative to the working directory.
class ExportLocation {
public:
    QString exportFolder();
    QString exportFilePath();
    QString groupsDumpPath();
    QString computersDumpPath();
    /// The list of settings to configure by hand, beside the export file.
    QString actionsRequiredPath();

private:
    QString m_exportFolder;
};
