#pragma once

#include "export/byte_buffer.h"
#include "export/run_report.h"
#include "platform/output_file.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

/// The export file of one run. It is opened once, and every exporter of the run appends
/// its rows through it, so rows reach the file in the order they are written. Rows are
/// collected and written in large chunks. Every write, flush and close is checked and a
/// failure throws ExportStopped; after a failure nothing more is written, so no row is
/// ever joined to the cut end of an earlier one.
///
/// The rows go to a partial file beside the export file (partialPath()), which takes the
/// export file's name only once it is complete, on the storage device and closed. A file
/// under the export file's name is therefore always a complete export; what a run that
/// failed or was interrupted wrote stays in the partial file. Messages name the export
/// file itself. On Linux the file is readable and writable by its owner alone: it may hold
/// passwords.
class ExportFile {
public:
    /// Rows are counted by kind into \a report; \a opener opens the file, by default the
    /// system's file.
    explicit ExportFile(RunReport &report, OutputFileOpener opener = openOutputFile);
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;
    /// Writes nothing more: a run that ends early has flushed what it reports.
    ~ExportFile();

    /// The file the rows of the export file \a exportPath are written to until it is complete.
    static QString partialPath(const QString &exportPath);

    /// Opens the export file \a path the first time it is called: its partial file is made,
    /// or emptied when one is there. A file still at \a path (its deletion failed) is first
    /// opened for writing, unchanged, so that one the run could not replace at the end (a
    /// folder, a file another program holds) fails here, before any row is written. Once
    /// open the file stays the run's export file and later calls only say that it is open.
    /// False when it cannot be opened, with the system's reason in \a error.
    bool open(const QString &path, QString *error);
    bool isOpen() const;

    /// What the run reports; the row writers report through it too.
    RunReport &report() { return m_report; }

    /// Adds one whole row of \a kind (line end included) and counts it; a chunk is written
    /// once enough is collected. Without an open file the row is lost, as with a file that
    /// could not be opened, and not counted.
    void append(QByteArrayView row, RowKind kind, bool isCommentedOut);
    /// Writes every row collected so far.
    void flush();
    /// Writes every row, hands the file to the storage device, closes it and gives it the
    /// export file's name, replacing any file there.
    void finish();
    /// Closes the file of an export that did not complete, as it stands: its rows stay in
    /// the partial file, which never takes the export file's name. Rows not yet written are
    /// dropped; the run has reported its failure, which a failing close does not change.
    void closeIncomplete();

private:
    [[noreturn]] void fail(const QString &reason);

    enum class State {
        NotOpen,
        Open,
        Finished, ///< synced and closed; the run writes nothing more
        Failed,   ///< a write, sync or close failed and was reported
    };

    RunReport &m_report;
    OutputFileOpener m_opener;
    std::unique_ptr<OutputFile> m_file;
    QString m_path;
    ByteBuffer m_buffer;
    State m_state = State::NotOpen;
};
