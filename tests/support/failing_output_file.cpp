#include "support/failing_output_file.h"

#include <memory>

namespace {

class FailingOutputFile final : public OutputFile {
public:
    FailingOutputFile(std::unique_ptr<OutputFile> file, const OutputFailures &failures,
                      std::shared_ptr<qint64> spaceLeft)
        : m_file(std::move(file)), m_failures(failures), m_spaceLeft(std::move(spaceLeft))
    { }

    bool write(const char *data, qint64 size, QString *error) override
    {
        if (*m_spaceLeft < 0 || size <= *m_spaceLeft) {
            if (*m_spaceLeft >= 0)
                *m_spaceLeft -= size;
            return m_file->write(data, size, error);
        }
        // What fits is stored, as on a disk that fills up part-way through a write.
        (void)m_file->write(data, *m_spaceLeft, error);
        *m_spaceLeft = 0;
        *error = QString::fromLatin1(kDiskFullReason);
        return false;
    }

    bool syncToStorage(QString *error) override
    {
        if (m_failures.syncFails) {
            *error = QString::fromLatin1(kDeviceFailedReason);
            return false;
        }
        return m_file->syncToStorage(error);
    }

    bool close(QString *error) override
    {
        if (!m_file->close(error))
            return false;
        if (m_failures.closeFails) {
            *error = QString::fromLatin1(kDeviceFailedReason);
            return false;
        }
        return true;
    }

private:
    std::unique_ptr<OutputFile> m_file;
    OutputFailures m_failures;
    std::shared_ptr<qint64> m_spaceLeft;
};

} // namespace

OutputFileOpener failingFiles(const OutputFailures &failures)
{
    auto spaceLeft = std::make_shared<qint64>(failures.spaceLeft);
    return [failures, spaceLeft](const QString &path, OutputFile::Mode mode,
                                 QString *error) -> std::unique_ptr<OutputFile> {
        std::unique_ptr<OutputFile> file = openOutputFile(path, mode, error);
        if (!file)
            return nullptr;
        return std::make_unique<FailingOutputFile>(std::move(file), failures, spaceLeft);
    };
}
