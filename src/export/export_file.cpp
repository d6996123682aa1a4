#include "export/export_file.h"

#include "common/export_stopped.h"
#include "common/messages.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

/// Rows are written in chunks of about this size.
constexpr qsizetype kChunkSize = 128 * 1024;

} // namespace

ExportFile::ExportFile(RunReport &report, OutputFileOpener opener)
    : m_report(report), m_opener(std::move(opener))
{ }

ExportFile::~ExportFile() = default;

QString ExportFile::partialPath(const QString &exportPath)
{
    return exportPath + u".partial"_s;
}

bool ExportFile::open(const QString &path, QString *error)
{
    if (m_state != State::NotOpen)
        return isOpen();
    if (QFileInfo::exists(path) && !m_opener(path, OutputFile::Mode::Existing, error))
        return false;
    // Written from its start: whatever a partial file of an earlier run still holds is
    // replaced, never kept in front of this run's rows.
    m_file = m_opener(partialPath(path), OutputFile::Mode::ReplaceForOwnerOnly, error);
    if (m_file) {
        m_path = path;
        m_state = State::Open;
    }
    return isOpen();
}

bool ExportFile::isOpen() const
{
    return m_state == State::Open;
}

void ExportFile::append(QByteArrayView row, RowKind kind, bool isCommentedOut)
{
    if (m_state != State::Open)
        return;
    m_report.countRow(kind, isCommentedOut);
    m_buffer.append(row);
    if (m_buffer.size() >= kChunkSize)
        flush();
}

void ExportFile::flush()
{
    // After a failure, which has already been reported, nothing is written again.
    if (m_state != State::Open || m_buffer.isEmpty())
        return;
    QString reason;
    const bool written = m_file->write(m_buffer.view().data(), m_buffer.size(), &reason);
    m_buffer.clear();
    if (!written)
        fail(reason);
    // The rows go on their way to the storage device while the next ones are made, so the
    // sync at the end waits for little.
    m_file->startSyncToStorage();
}

void ExportFile::finish()
{
    flush();
    if (m_state != State::Open)
        return;
    QString reason;
    const bool finished = m_file->syncAndClose(&reason);
    m_file.reset();
    m_state = State::Finished;
    if (!finished)
        fail(reason);
    if (!replaceFile(partialPath(m_path), m_path, &reason))
        fail(reason);
}

void ExportFile::closeIncomplete()
{
    m_buffer.clear();
    QString ignored;
    if (m_file)
        (void)m_file->close(&ignored);
    m_file.reset();
    if (m_state == State::Open)
        m_state = State::Failed;
}

void ExportFile::fail(const QString &reason)
{
    m_state = State::Failed;
    m_buffer.clear();
    throw ExportStopped(Messages::exportFileNotWritten(m_path, reason));
}
