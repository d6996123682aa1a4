#include "support/map_preferences.h"

MapPreferences::MapPreferences(std::initializer_list<std::pair<QString, QString>> values)
{
    for (const auto &[name, value] : values)
        setString(name, value);
}

void MapPreferences::setString(const QString &name, const QString &value)
{
    m_values.insert(name.toUpper(), value);
}

void MapPreferences::setInt(const QString &name, int value)
{
    setString(name, QString::number(value));
}

QString MapPreferences::getString(const QString &name, const QString &defaultValue)
{
    return m_values.value(name.toUpper(), defaultValue);
}

int MapPreferences::getInt(const QString &name, int defaultValue)
{
    const auto found = m_values.constFind(name.toUpper());
    if (found == m_values.cend())
        return defaultValue;
    bool ok = false;
    const int value = found->toInt(&ok, 10);
    return ok ? value : 0;
}

void MapPreferences::remove(const QString &name)
{
    m_values.remove(name.toUpper());
}

bool MapPreferences::setAll(const ValueMap &values, const QString &)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setString(it.key(), it.value().toString());
    return true;
}

MapPreferences::ValueMap MapPreferences::getAll()
{
    ValueMap all;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        all.insert(it.key(), *it);
    return all;
}
