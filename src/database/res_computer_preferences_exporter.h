#pragma once

#include "export/preferences_exporter.h"

/// Writes "Computer" rows; it writes no setting rows.
class ResComputerPreferencesExporter final : public PreferencesExporter {
public:
    ResComputerPreferencesExporter(ExportFile &file, const QString &exportPath);

    void writeComputer(QStringView name, QStringView description, QStringView location,
                       QStringView groupName, QStringView status);

protected:
    void writeRowKind() override;
};
