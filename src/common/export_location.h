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

    /// The file \a fileName in the folder of \a exportFilePath, a path made here; named
    /// without asking for the folder again, which would say once more that a desktop
    /// cannot be used.
    static QString besideExportFile(const QString &exportFilePath, const QString &fileName);
    static const QString kGroupsDumpName;
    static const QString kComputersDumpName;

private:
    static const QString kExportFileName;
    static const QString kActionsRequiredName;

    QString m_exportFolder;
};
