#pragma once

#include "export/export_row_writer.h"

/// Writes "Computer" rows; it has no setting rows to write.
class ResComputerPreferencesExporter final : public ExportRowWriter {
public:
    ResComputerPreferencesExporter(ExportFile &file, const QString &exportPath);

    void writeComputer(QStringView name, QStringView description, QStringView location,
                       QStringView groupName, QStringView status);
};
