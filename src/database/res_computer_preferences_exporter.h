#pragma once

#include "export/preferences_exporter.h"

/// Writes "Computer" rows; it writes no setting rows.
class ResComputerPreferencesExporter final : public PreferencesExporter {
public:
    ResComputerPreferencesExporter(ExportFile &file, const QString &exportPath);

    void writeComputer(const QString &name, const QString &description, const QString &location,
                       const QString &groupName, const QString &status);

protected:
    void writeRowKind() override;
};
