#pragma once

#include "utils/portable_preferences.h"
#include "utils/preference_entry.h"

#include <QIODevice>
#include <QMap>
#include <QMutex>
#include <QRecursiveMutex>
#include <QString>

namespace UtilsLib {

/// A preference store backed by one XML preference file. Entries are keyed by the
/// upper-cased name, so names match without regard to case.
class XmlPreferences final : public PortablePreferences {
public:
    explicit XmlPreferences(const QString &type);
    XmlPreferences(const XmlPreferences &other);
    XmlPreferences &operator=(const XmlPreferences &other);
    ~XmlPreferences() override;

    void setString(const QString &name, const QString &value) override;
    void setInt(const QString &name, int value) override;
    QString getString(const QString &name, const QString &defaultValue) override;
    int getInt(const QString &name, int defaultValue) override;
    void remove(const QString &name) override;
    void removeFile() override;
    bool save() override;
    bool load(const QString &path, bool acceptFailure) override;
    bool setAll(const ValueMap &values, const QString &path) override;
    /// Not supported by this store: always throws std::runtime_error.
    ValueMap getAll() override;

    void setEntry(const QString &name, const QString &value, const QString &units, bool encrypted);
    void setString(const QString &name, const QString &value, bool encrypted);
    void setInt(const QString &name, int value, const QString &units);
    PreferenceEntry findEntry(const QString &name, const QString &defaultValue,
                              const QString &defaultUnits);
    /// The stored number converted from its units to \a units; a failed conversion keeps it.
    int getInt(const QString &name, int defaultValue, const QString &units);
    /// The units of the setting, or "unknown".
    QString getUnits(const QString &name);
    void renameEntry(const QString &oldName, const QString &newName, bool createIfMissing,
                     const QString &defaultValue, const QString &defaultUnits);
    bool saveAs(const QString &path);

    QString type();
    void setType(const QString &type);
    QString path();
    int count();
    /// Case-sensitive, unlike the lookups.
    bool contains(const QString &name);
    /// Each entry's stored name to its value.
    QMap<QString, QString> entries();
    void clear();

    /// The whole preference file text.
    QString toXml(const QString &lineEnd);
    /// Reads one document into the store; false when it is not well-formed or unreadable.
    bool parse(QIODevice *input);

private:
    static QString entryKey(const QString &name);

    QString m_type;
    QString m_path;
    mutable QRecursiveMutex m_lock;
    QMap<QString, PreferenceEntry> m_entries;
};

} // namespace UtilsLib
