#pragma once

#include "export/export_row_writer.h"

/// Writes "Computer" rows; it has no setting rows to write. The fields are Latin-1 bytes,
/// as the computers dump holds them.
class ResComputerPreferencesExporter final : public ExportRowWriter {
public:
    ResComputerPreferencesExporter(ExportFile &file, const QString &exportPath);

    void writeComputer(QLatin1StringView name, QLatin1StringView description,
                       QLatin1StringView location, QLatin1StringView groupName,
                       QLatin1StringView status);
};
