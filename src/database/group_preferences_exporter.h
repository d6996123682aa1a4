#pragma once

#include "export/preferences_exporter.h"

#include <QByteArray>

/// Writes the "Group" row and the "GroupSetting" rows of one group.
class GroupPreferencesExporter final : public PreferencesExporter {
public:
    /// The ungrouped pool, "KESTRUN UNGROUPED".
    GroupPreferencesExporter(ExportFile &file, const QString &exportPath);
    GroupPreferencesExporter(ExportFile &file, const QString &exportPath, const QString &groupName);

    void writeGroup();
    const QString &groupName() const { return m_groupName; }

protected:
    RowKind writeRowKind() override;

private:
    QString m_groupName;
    RowKind m_groupRowKind = RowKind::Group; ///< the ungrouped pool's row is told apart
    /// What every setting row starts with: its kind, the quoted name and the separators,
    /// made once for the group.
    QByteArray m_settingRowStart;
    /// Whether the name holds something that checking it refuses or reports, so that it
    /// is checked on every row.
    bool m_isNameCheckedPerRow = true;
};

/// The group of the computers whose group has no name.
inline constexpr QLatin1StringView kUngroupedPoolName{"KESTRUN UNGROUPED"};
