#pragma once

#include "export/byte_buffer.h"
#include "export/export_row_writer.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

class ExportFile;

/// An integer of 128 bits: wide enough for every product the exporters form from read
/// numbers (a daily quota of sessions × blocks × 5 exceeds 64 bits), so a number is
/// always written exactly.
__extension__ typedef __int128 WideInteger;

/// Writes setting rows into the run's export file: each row starts with the kind of row
/// that the exporter writes (a branch setting, a group's setting), then the category, the
/// key and the value.
class PreferencesExporter : public ExportRowWriter {
public:
    /// "true" when \a flag is not 0, else "false".
    void writeBool(qint64 flag, const QString &category, const QString &key);
    void writeInt(WideInteger number, const QString &category, const QString &key);
    void writeString(const QString &text, const QString &category, const QString &key);
    /// One row per line of \a text.
    void writeList(const QString &text, const QString &category, const QString &key);
    void writeLocalized(const QString &text, const QString &category, const QString &language,
                        const QString &key);
    /// The time of day \a blocks × 5 minutes after midnight; empty for a negative minute part.
    void writeHours(qint64 blocks, const QString &category, const QString &key);

    /// The core row writer: comment prefix when needed, row kind, "category.key", value.
    /// The row is commented out when the value carries the no-mapping marker right after
    /// its opening quote or, with \a matchAnywhere, anywhere in it.
    void writeSetting(const QString &value, const QString &category, const QString &key,
                      bool matchAnywhere);

protected:
    PreferencesExporter(ExportFile &file, const QString &exportPath);
    ~PreferencesExporter() = default;

    /// Writes the row kind part of a setting row, separator included, and says which
    /// kind of row it is.
    virtual RowKind writeRowKind() = 0;

private:
    /// Writes a setting row whose value is m_value.
    void writeValueRow(const QString &category, const QString &key, bool matchAnywhere);

    ByteBuffer m_value; ///< the value of the setting row being built, Latin-1
};
