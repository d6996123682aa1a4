#include "database/group_preferences_exporter.h"

#include "common/messages.h"
#include "export/export_constants.h"
#include "export/export_text.h"

using namespace Qt::StringLiterals;

namespace {

/// The label under which a group name is refused or reported.
const QString kGroupSettingLabel = Messages::groupSettingLabel();

} // namespace

GroupPreferencesExporter::GroupPreferencesExporter(ExportFile &file, const QString &exportPath)
    : GroupPreferencesExporter(file, exportPath, kUngroupedPoolName.toString())
{
    m_groupRowKind = RowKind::UngroupedPool;
}

GroupPreferencesExporter::GroupPreferencesExporter(ExportFile &file, const QString &exportPath,
                                                   const QString &groupName)
    : PreferencesExporter(file, exportPath), m_groupName(groupName),
      m_isNameCheckedPerRow(!isPlainValue(groupName))
{
    ByteBuffer start;
    ExportText::append(start, u"GroupSetting");
    start.append(QByteArrayView(kFieldSeparator.data(), kFieldSeparator.size()));
    ExportText::appendQuoted(start, m_groupName);
    start.append(QByteArrayView(kFieldSeparator.data(), kFieldSeparator.size()));
    m_settingRowStart = start.view().toByteArray();
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
    // Every setting row of a group names the group, so the name is checked on every row;
    // a name in which the check finds nothing needs no second look.
    if (m_isNameCheckedPerRow)
        validateValue(m_groupName, kGroupSettingLabel);
    write(QLatin1StringView(m_settingRowStart));
    return RowKind::GroupSetting;
}
