#include "database/group_name_table.h"

void GroupNameTable::enter(int groupNumber, QLatin1StringView groupName)
{
    m_names.insert(groupNumber, QByteArray(groupName.data(), groupName.size()));
}

QLatin1StringView GroupNameTable::lookUp(int groupNumber) const
{
    const auto found = m_names.constFind(groupNumber);
    return found == m_names.cend() ? QLatin1StringView() : QLatin1StringView(*found);
}
