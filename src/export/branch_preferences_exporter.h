#pragma once

#include "export/preferences_exporter.h"

/// Writes "BranchSetting" rows.
class BranchPreferencesExporter final : public PreferencesExporter {
public:
    explicit BranchPreferencesExporter(const QString &exportPath);

protected:
    void writeRowKind() override;
};
