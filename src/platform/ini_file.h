#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

/// Reads INI files the way the Windows profile functions do. Names, values and section
/// names are Windows-1252 bytes; files that start with a UTF-8 or UTF-16 byte-order mark
/// are converted to Windows-1252 ("?" for what it cannot hold).
namespace IniFile {

/// The value of \a key in the first section named \a section, cut to 255 bytes; the
/// default when the file, the section or the key is missing or the key has no "=".
QByteArray readString(const QString &path, const QByteArray &section, const QByteArray &key,
                      const QByteArray &defaultValue = {});

/// The entries of the first section named \a section, one "name=value" (or bare "name")
/// string per entry in file order, leaving out entries whose name starts with ";".
/// Empty when the file or the section is missing.
QByteArrayList readSection(const QString &path, const QByteArray &section);
/// readSection into \a entries, for a file whose loss must be told: false when something is
/// at \a path but cannot be read whole (a folder, no permission, a read error), with the
/// reason in \a error. A missing file has no sections.
bool readSectionIfReadable(const QString &path, const QByteArray &section, QByteArrayList *entries,
                           QString *error);

struct Entry {
    QByteArray name;
    QByteArray value;
    bool hasValue = false; ///< the line had an "="
};

struct Section {
    QByteArray name;
    QList<Entry> entries;
};

/// A whole file, its sections in file order; lines before the first header form a
/// section with an empty name.
using Contents = QList<Section>;

/// The sections of a file given as its bytes (byte-order mark included).
Contents parse(const QByteArray &fileBytes);

/// readString and readSection over contents already parsed.
QByteArray readString(const Contents &contents, const QByteArray &section, const QByteArray &key,
                      const QByteArray &defaultValue = {});
QByteArrayList readSection(const Contents &contents, const QByteArray &section);

/// A file read and indexed once, for many lookups: readString gives what the call with the
/// file's path gives while the file does not change.
class IndexedFile {
public:
    IndexedFile() = default;
    IndexedFile(const IndexedFile &) = delete;
    IndexedFile &operator=(const IndexedFile &) = delete;

    /// Reads and indexes the file at \a path. False when it cannot be read whole (missing,
    /// a folder, no permission, a read error), with the reason in \a error; the file then
    /// reads as empty.
    bool load(const QString &path, QString *error);
    QByteArray readString(const QByteArray &section, const QByteArray &key,
                          const QByteArray &defaultValue = {}) const;

private:
    /// A section's entries by folded name: the value, nothing for a line without "=".
    using Entries = QHash<QByteArrayView, std::optional<QByteArrayView>>;

    QByteArray m_text;        ///< the file as Windows-1252 text, which the values point into
    QByteArray m_foldedNames; ///< the names with A-Z folded, which the index points into
    QHash<QByteArrayView, Entries> m_index; ///< sections by folded name
};

} // namespace IniFile
