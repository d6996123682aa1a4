#pragma once

#include "utils/portable_preferences.h"

#include <QMap>

/// A preference store held in memory for tests: names match without regard to case,
/// numbers are read in base 10 (0 when the text is not a number).
class MapPreferences final : public UtilsLib::PortablePreferences {
public:
    MapPreferences() = default;
    MapPreferences(std::initializer_list<std::pair<QString, QString>> values);

    void setString(const QString &name, const QString &value) override;
    void setInt(const QString &name, int value) override;
    QString getString(const QString &name, const QString &defaultValue) override;
    int getInt(const QString &name, int defaultValue) override;
    void remove(const QString &name) override;
    void removeFile() override { }
    bool save() override { return false; }
    bool load(const QString &, bool acceptFailure) override { return acceptFailure; }
    bool setAll(const ValueMap &values, const QString &path) override;
    ValueMap getAll() override;

private:
    QMap<QString, QString> m_values;
};
