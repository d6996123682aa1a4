#include "export/branch_preferences_exporter.h"

#include "export/export_constants.h"

using namespace Qt::StringLiterals;

BranchPreferencesExporter::BranchPreferencesExporter(const QString &exportPath)
    : PreferencesExporter(exportPath)
{
}

void BranchPreferencesExporter::writeRowKind()
{
    write(u"BranchSetting"_s + kFieldSeparator);
}
