#include "database/group_name_table.h"

void GroupNameTable::enter(int groupNumber, const QString &groupName)
{
    m_names.insert(groupNumber, groupName);
}

QString GroupNameTable::lookUp(int groupNumber) const
{
    return m_names.value(groupNumber);
}
