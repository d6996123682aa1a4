#pragma once

#include "utils/portable_preferences.h"
#include "utils/preference_entry.h"

#include <QIODevice>
#include <QMap>
#include <QRecursiveMutex>
#include <QString>

namespace UtilsLib {

/// A preference store backed by one XML preference file. Entries are keyed by the
/// upper-cased name, so names match without regard to case. Every operation may be
/// called from any thread; the store's recursive lock lets them nest.
class XmlPreferences final : public PortablePreferences {
public:
    explicit XmlPreferences(const QString &type);
    /// Copies the type and the entries; the copy has no path and its own lock.
    XmlPreferences(const XmlPreferences &other);
    /// Takes the type and the entries of \a other; the path stays this store's own.
    XmlPreferences &operator=(const XmlPreferences &other);
    ~XmlPreferences() override;

    void setString(const QString &name, const QString &value) override;
    void setInt(const QString &name, int value) override;
    /// The stored text, also when it is empty; \a defaultValue only for an absent name.
    QString getString(const QString &name, const QString &defaultValue) override;
    /// The stored number as written, whatever its units; 0 when it is not a number.
    int getInt(const QString &name, int defaultValue) override;
    void remove(const QString &name) override;
    /// Deletes the file at the store's path; the entries stay.
    void removeFile() override;
    bool save() override;
    /// Adds the file's entries to the store (a later file wins). A failure to read the
    /// file, or a document that is not well-formed, yields \a acceptFailure; entries
    /// completed before the failure stay. Only text with the scheme "file:" is taken as
    /// a URL; any other text is a path as it stands.
    bool load(const QString &path, bool acceptFailure) override;
    /// load for a caller that tells why a file did not load: false on any failure, with the
    /// file's path and what is wrong with it in \a error (it does not exist, cannot be read,
    /// is not a well-formed preference document).
    bool loadFile(const QString &path, QString *error);
    /// Loads \a path when it is not empty (failures ignored), then stores every value
    /// as text. Always true.
    bool setAll(const ValueMap &values, const QString &path) override;
    /// Not supported by this store: always throws std::runtime_error.
    ValueMap getAll() override;

    void setEntry(const QString &name, const QString &value, const QString &units, bool encrypted);
    void setString(const QString &name, const QString &value, bool encrypted);
    void setInt(const QString &name, int value, const QString &units);
    /// A copy of the stored entry, or an entry made of the arguments (not stored).
    PreferenceEntry findEntry(const QString &name, const QString &defaultValue,
                              const QString &defaultUnits) const;
    /// The stored number converted from its units to \a units; a failed conversion keeps it.
    int getInt(const QString &name, int defaultValue, const QString &units);
    /// The units of the setting, or "unknown".
    QString getUnits(const QString &name) const;
    /// Moves a non-empty value to \a newName (stored upper-cased, no longer encrypted);
    /// without one, creates \a newName from the defaults when \a createIfMissing.
    void renameEntry(const QString &oldName, const QString &newName, bool createIfMissing,
                     const QString &defaultValue, const QString &defaultUnits);
    /// Writes the store to \a path (creating missing folders) and makes it the store's path.
    bool saveAs(const QString &path);

    QString type() const;
    void setType(const QString &type);
    QString path() const;
    int count() const;
    /// Case-sensitive, unlike the lookups.
    bool contains(const QString &name) const;
    /// Each entry's stored name to its value.
    QMap<QString, QString> entries() const;
    /// Removes every entry and empties the type; the path stays.
    void clear();

    /// The whole preference file text.
    QString toXml(const QString &lineEnd) const;
    /// Reads one document into the store; false when it is not well-formed or unreadable.
    bool parse(QIODevice *input);

private:
    static QString entryKey(const QString &name);
    /// Reads one document into the store; on failure \a error says why.
    bool parseDocument(QIODevice &input, QString *error);

    QString m_type;
    QString m_path;
    mutable QRecursiveMutex m_lock;
    QMap<QString, PreferenceEntry> m_entries;
};

} // namespace UtilsLib
