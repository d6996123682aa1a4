#include "platform/output_file.h"

#include "common/messages.h"

#include <QDir>

#include <windows.h>

namespace {

/// The system's text for \a error, without the line end it comes with.
QString systemReason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    QString reason =
        length > 0 ? QString::fromWCharArray(text, length).trimmed() : Messages::systemError(error);
    LocalFree(text);
    return reason;
}

class WindowsOutputFile final : public OutputFile {
public:
    explicit WindowsOutputFile(HANDLE handle) : m_handle(handle) { }
    ~WindowsOutputFile() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }

    bool write(const char *data, qint64 size, QString *error) override
    {
        while (size > 0) {
            // WriteFile takes a 32-bit count; the data goes in pieces of 1 GiB.
            const DWORD piece = static_cast<DWORD>(qMin<qint64>(size, 1 << 30));
            DWORD written = 0;
            if (!WriteFile(m_handle, data, piece, &written, nullptr))
                return fail(GetLastError(), error);
            // A file system that takes nothing without saying why is full all the same.
            if (written == 0)
                return fail(ERROR_DISK_FULL, error);
            data += written;
            size -= written;
        }
        return true;
    }

    bool syncToStorage(QString *error) override
    {
        if (!FlushFileBuffers(m_handle))
            return fail(GetLastError(), error);
        return true;
    }

    bool close(QString *error) override
    {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            return fail(GetLastError(), error);
        return true;
    }

private:
    static bool fail(DWORD code, QString *error)
    {
        *error = systemReason(code);
        return false;
    }

    HANDLE m_handle;
};

} // namespace

namespace {

DWORD creationDisposition(OutputFile::Mode mode)
{
    switch (mode) {
    case OutputFile::Mode::Append: return OPEN_ALWAYS;
    case OutputFile::Mode::Replace:
    case OutputFile::Mode::ReplaceForOwnerOnly: return CREATE_ALWAYS;
    case OutputFile::Mode::Existing: return OPEN_EXISTING;
    }
    return CREATE_ALWAYS;
}

} // namespace

std::unique_ptr<OutputFile> openOutputFile(const QString &path, OutputFile::Mode mode,
                                           QString *error)
{
    const bool append = mode == OutputFile::Mode::Append;
    // Appending: every write goes to the end of the file. Others may read the file, and it
    // may be removed while open. A file for its owner alone takes its folder's
    // permissions, as every file does (the export folder is on the user's own desktop).
    const QString nativePath = QDir::toNativeSeparators(path);
    const HANDLE handle = CreateFileW(
        reinterpret_cast<LPCWSTR>(nativePath.utf16()), append ? FILE_APPEND_DATA : GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, creationDisposition(mode),
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (error != nullptr)
            *error = systemReason(GetLastError());
        return nullptr;
    }
    return std::make_unique<WindowsOutputFile>(handle);
}

bool replaceFile(const QString &from, const QString &to, QString *error)
{
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    // Written through: the call returns once the new name is on the storage device.
    if (!MoveFileExW(reinterpret_cast<LPCWSTR>(nativeFrom.utf16()),
                     reinterpret_cast<LPCWSTR>(nativeTo.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *error = systemReason(GetLastError());
        return false;
    }
    return true;
}
