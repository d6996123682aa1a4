#include "support/scoped_folders.h"

#include <QDir>

#include <windows.h>

namespace {

const wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

/// Sets the shell folder \a name under \a root to \a folder; returns what puts it back.
std::function<void()> setShellFolder(HKEY root, const wchar_t *name, const QString &folder)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS) {
        return [] {};
    }
    DWORD type = 0;
    DWORD size = 0;
    const bool existed =
        RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    QByteArray previous(static_cast<qsizetype>(size), '\0');
    if (existed)
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(previous.data()),
                         &size);

    const QString value = QDir::toNativeSeparators(folder);
    RegSetValueExW(key, name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE *>(value.utf16()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    return [key, name, existed, type, previous] {
        if (existed)
            RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE *>(previous.constData()),
                           static_cast<DWORD>(previous.size()));
        else
            RegDeleteValueW(key, name);
        RegCloseKey(key);
    };
}

} // namespace

void ScopedFolders::setProgramData(const QString &folder)
{
    m_restore.append(setShellFolder(HKEY_LOCAL_MACHINE, L"Common AppData", folder));
}

void ScopedFolders::setDesktop(const QString &folder)
{
    m_restore.append(setShellFolder(HKEY_CURRENT_USER, L"Desktop", folder));
}
