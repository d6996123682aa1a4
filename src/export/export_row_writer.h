#pragma once

#include "export/byte_buffer.h"
#include "export/run_report.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

class ExportFile;

/// Builds rows of the run's export file and hands each one whole to it. A writer opens the
/// file when it is made (the first one of the run does; later ones find it open). Every
/// row ends with CR LF and goes to the file after the rows written before it; characters
/// are Latin-1.
class ExportRowWriter {
public:
    ExportRowWriter(const ExportRowWriter &) = delete;
    ExportRowWriter &operator=(const ExportRowWriter &) = delete;

    bool isOpen() const;

    /// Throws ExportStopped when \a value holds the field separator; reports
    /// characters the export file cannot hold.
    void validateValue(QStringView value, QStringView label);
    /// The same for Latin-1 bytes, which the export file always holds.
    void validateValue(QLatin1StringView value, QStringView label);
    /// Whether validateValue finds nothing to refuse or report in \a value: every
    /// character is Latin-1 and the separator's first character is not there.
    static bool isPlainValue(QStringView value);

    /// What the run reports.
    RunReport &report();

protected:
    ExportRowWriter(ExportFile &file, const QString &exportPath);
    ~ExportRowWriter() = default;

    /// Adds text to the row being built, without a line end.
    void write(QStringView text);
    /// Adds Latin-1 bytes as they are. Inline, so that a literal's length is known where
    /// it is copied.
    void write(QLatin1StringView text) { m_row.append(QByteArrayView(text.data(), text.size())); }
    /// Adds \a text to the row being built in double quotes, every line break written as
    /// the four characters \r\n.
    void writeQuoted(QStringView text);
    void writeQuoted(QLatin1StringView text);
    /// Ends the row, a row of \a kind, with CR LF and hands it whole to the export file.
    void endRow(RowKind kind, bool isCommentedOut = false);
    /// Drops the row being built: a row abandoned by an error never reaches the file.
    void abandonRow();

private:
    ExportFile &m_file;
    ByteBuffer m_row; ///< the row being built, Latin-1
};
