#pragma once

#include <QHash>
#include <QString>

/// Group number to group name, filled by the group stage and read by the computer stage.
class GroupNameTable {
public:
    /// A later group with the same number replaces the name.
    void enter(int groupNumber, const QString &groupName);
    /// The name, or the empty text when the number is not in the table.
    QString lookUp(int groupNumber) const;

private:
    QHash<int, QString> m_names;
};
