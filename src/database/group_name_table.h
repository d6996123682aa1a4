#pragma once

#include <QByteArray>
#include <QHash>
#include <QLatin1StringView>

/// Group number to group name, filled by the group stage and read by the computer stage.
/// Names are kept as the Latin-1 bytes of the groups dump, as the computer rows write them.
class GroupNameTable {
public:
    /// A later group with the same number replaces the name.
    void enter(int groupNumber, QLatin1StringView groupName);
    /// The name, or the empty text when the number is not in the table; valid until the
    /// next enter().
    QLatin1StringView lookUp(int groupNumber) const;

private:
    QHash<int, QByteArray> m_names;
};
