#pragma once

#include "export/byte_buffer.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

class ExportFile;

/// Wide enough for every product the exporters form from read numbers (a daily quota of
/// sessions × blocks × 5 exceeds 64 bits), so a number is always written exactly.
__extension__ typedef __int128 ExportInteger;

/// Appends rows to the run's export file. An exporter opens the file when it is made (the
/// first one of the run does; later ones find it open). Every row ends with CR LF and
/// goes to the file whole, after the rows written before it; characters are Latin-1.
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

    /// Throws std::runtime_error when \a value holds the field separator; reports
    /// characters the export file cannot hold.
    static void validateValue(QStringView value, QStringView label);

protected:
    PreferencesExporter(ExportFile &file, const QString &exportPath);
    ~PreferencesExporter() = default;

    /// Writes the row kind part of a setting row, separator included.
    virtual void writeRowKind() = 0;

    /// Adds text to the row being built, without a line end.
    void write(QStringView text);
    void write(QLatin1StringView text);
    /// Adds \a text to the row being built in double quotes, every line break written as
    /// the four characters \r\n.
    void writeQuoted(QStringView text);
    /// Ends the row with CR LF and hands it whole to the export file. A row abandoned by an
    /// error before its end never reaches the file.
    void endRow();

private:
    /// Writes a setting row whose value is m_value.
    void writeValueRow(const QString &category, const QString &key, bool matchAnywhere);

    ExportFile &m_file;
    ByteBuffer m_row;   ///< the row being built, Latin-1
    ByteBuffer m_value; ///< the value of the setting row being built, Latin-1
};
