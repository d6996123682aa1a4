#include "export/branch_preferences_exporter.h"

#include "export/export_constants.h"

using namespace Qt::StringLiterals;

BranchPreferencesExporter::BranchPreferencesExporter(ExportFile &file, const QString &exportPath)
    : PreferencesExporter(file, exportPath)
{ }

RowKind BranchPreferencesExporter::writeRowKind()
{
    write(u"BranchSetting");
    write(kFieldSeparator);
    return RowKind::BranchSetting;
}
