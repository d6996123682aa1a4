#pragma once

#include "export/preferences_exporter.h"

/// Writes "BranchSetting" rows.
class BranchPreferencesExporter final : public PreferencesExporter {
public:
    BranchPreferencesExporter(ExportFile &file, const QString &exportPath);

protected:
    RowKind writeRowKind() override;
};
