#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

namespace UtilsLib {

/// Named settings, looked up without regard to case. Every getter takes a default
/// that is returned for a missing setting.
class PortablePreferences {
public:
    using ValueMap = QMap<QString, QVariant>;

    virtual ~PortablePreferences();

    virtual void setString(const QString &name, const QString &value) = 0;
    virtual void setInt(const QString &name, int value) = 0;
    virtual QString getString(const QString &name, const QString &defaultValue) = 0;
    virtual int getInt(const QString &name, int defaultValue) = 0;
    virtual void remove(const QString &name) = 0;
    virtual void removeFile() = 0;
    virtual bool save() = 0;
    virtual bool load(const QString &path, bool acceptFailure) = 0;
    virtual bool setAll(const ValueMap &values, const QString &path) = 0;
    virtual ValueMap getAll() = 0;

protected:
    PortablePreferences() = default;
    PortablePreferences(const PortablePreferences &) = default;
    PortablePreferences &operator=(const PortablePreferences &) = default;
};

} // namespace UtilsLib
