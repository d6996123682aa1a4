#pragma once

#include <QList>
#include <QString>

#include <functional>

/// Points the machine's program-data folder and the user's desktop folder at folders of
/// the test's own while the guard lives, and puts back what was there before. Linux: the
/// variables PROGRAMDATA, HOME and XDG_CONFIG_HOME. Windows: the shell's folder settings in
/// the registry ("Common AppData" of the machine, "Desktop" of the user), as a redirected
/// folder would have them.
class ScopedFolders {
public:
    ScopedFolders() = default;
    ~ScopedFolders();
    ScopedFolders(const ScopedFolders &) = delete;
    ScopedFolders &operator=(const ScopedFolders &) = delete;

    /// The machine-wide application-data folder is \a folder.
    void setProgramData(const QString &folder);
    /// The user's desktop folder is \a folder, a folder named "Desktop".
    void setDesktop(const QString &folder);

private:
    QList<std::function<void()>> m_restore; ///< in the order the settings were made
};
