#include "database/group_preferences_exporter.h"

#include "export/export_constants.h"

using namespace Qt::StringLiterals;

namespace {

/// The label under which a group name is refused or reported.
const QString kGroupSettingLabel = u"Group Setting"_s;

} // namespace

GroupPreferencesExporter::GroupPreferencesExporter(ExportFile &file, const QString &exportPath)
    : GroupPreferencesExporter(file, exportPath, kUngroupedPoolName.toString())
{
    m_groupRowKind = RowKind::UngroupedPool;
}

GroupPreferencesExporter::GroupPreferencesExporter(ExportFile &file, const QString &exportPath,
                                                   const QString &groupName)
    : PreferencesExporter(file, exportPath), m_groupName(groupName)
{
}

void GroupPreferencesExporter::writeGroup()
{
    validateValue(m_groupName, kGroupSettingLabel);
    write(u"Group");
    write(kFieldSeparator);
    writeQuoted(m_groupName);
    endRow(m_groupRowKind);
}

RowKind GroupPreferencesExporter::writeRowKind()
{
    // Every setting row of a group names the group, so the name is checked on every row.
    validateValue(m_groupName, kGroupSettingLabel);
    write(u"GroupSetting");
    write(kFieldSeparator);
    writeQuoted(m_groupName);
    write(kFieldSeparator);
    return RowKind::GroupSetting;
}
