#pragma once

#include <QFile>
#include <QString>

#include <memory>

/// Wide enough for every product the exporters form from read numbers (a daily quota of
/// sessions × blocks × 5 exceeds 64 bits), so a number is always written exactly.
__extension__ typedef __int128 ExportInteger;

/// Appends rows to the export file. Each exporter opens the file for appending when it
/// is made and closes it when it is destroyed, also while an error passes. Every row
/// ends with CR LF and is flushed when written; characters are written as Latin-1.
class PreferencesExporter {
public:
    PreferencesExporter(const PreferencesExporter &) = delete;
    PreferencesExporter &operator=(const PreferencesExporter &) = delete;

    bool isOpen() const;

    /// "true" when \a flag is not 0, else "false".
    void writeBool(qint64 flag, const QString &category, const QString &key);
    void writeInt(ExportInteger number, const QString &category, const QString &key);
    void writeString(const QString &text, const QString &category, const QString &key);
    /// One row per line of \a text.
    void writeList(const QString &text, const QString &category, const QString &key);
    void writeLocalized(const QString &text, const QString &category, const QString &language,
                        const QString &key);
    /// The time of day \a blocks × 5 minutes after midnight; empty for a negative minute part.
    void writeHours(qint64 blocks, const QString &category, const QString &keyPrefix, bool open);

    /// The core row writer: comment prefix when needed, row kind, "category.key", value.
    void writeSetting(const QString &value, const QString &category, const QString &key,
                      bool matchAnywhere);

    /// The text in double quotes, every line break written as the four characters \r\n.
    static QString quoteValue(const QString &text);
    /// Throws std::runtime_error when \a value holds the field separator; reports
    /// characters the export file cannot hold.
    static void validateValue(const QString &value, const QString &label);

protected:
    explicit PreferencesExporter(const QString &exportPath);
    ~PreferencesExporter();

    /// Writes the row kind part of a setting row, separator included.
    virtual void writeRowKind() = 0;

    /// Adds text to the row being built, without a line end.
    void write(const QString &text);
    /// Ends the row with CR LF and writes it whole to the file, flushed. A row abandoned by
    /// an error before its end never reaches the file.
    void endRow();

private:
    std::unique_ptr<QFile> m_file;
    QByteArray m_row; ///< the row being built, Latin-1
};
