#include "support/scoped_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

/// Sets \a name to \a value; returns what puts the variable back.
std::function<void()> setVariable(const char *name, const QString &value)
{
    const bool wasSet = qEnvironmentVariableIsSet(name);
    const QByteArray previous = qgetenv(name);
    qputenv(name, QFile::encodeName(value));
    return [name, wasSet, previous] {
        if (wasSet)
            qputenv(name, previous);
        else
            qunsetenv(name);
    };
}

} // namespace

void ScopedFolders::setProgramData(const QString &folder)
{
    m_restore.append(setVariable("PROGRAMDATA", folder));
}

void ScopedFolders::setDesktop(const QString &folder)
{
    // The desktop is HOME/Desktop when no user-directories file says otherwise; the
    // configuration folder named here has none.
    const QString home = QFileInfo(folder).path();
    m_restore.append(setVariable("HOME", home));
    m_restore.append(setVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config-of-tests")));
}
