#pragma once

#include "export/localized_messages.h"
#include "export/run_report.h"
#include "support/scoped_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

/// A temporary home with a desktop and a machine-wide application-data folder, so that
/// the export folder and the Management Console's files all lie inside one temporary
/// folder. Its messages() read the localized-messages file there.
class TemporaryInstallation {
public:
    TemporaryInstallation()
    {
        const QString root = m_dir.path();
        m_folders.setDesktop(root + QStringLiteral("/Desktop"));
        m_folders.setProgramData(root + QStringLiteral("/programdata"));
        QDir().mkpath(root + QStringLiteral("/Desktop"));
        QDir().mkpath(consoleDataFolder() + QStringLiteral("data"));
    }
    TemporaryInstallation(const TemporaryInstallation &) = delete;
    TemporaryInstallation &operator=(const TemporaryInstallation &) = delete;

    QString exportFolder() const
    {
        return m_dir.path() + QStringLiteral("/Desktop/KESTRUN_SETTINGS/");
    }
    QString exportFilePath() const
    {
        return exportFolder() + QStringLiteral("kestrunSettings.csv");
    }
    QString groupsDumpPath() const { return exportFolder() + QStringLiteral("groupsDump.csv"); }
    QString computersDumpPath() const
    {
        return exportFolder() + QStringLiteral("resComputersDump.csv");
    }

    QString consoleDataFolder() const
    {
        return m_dir.path() + QStringLiteral("/programdata/Quillfen/Kestrun/Management Console/");
    }
    QString databasePath() const { return consoleDataFolder() + QStringLiteral("data/kestrun.db"); }
    QString localMessagesPath() const
    {
        return consoleDataFolder() + QStringLiteral("languages/localmsgs.inf");
    }
    /// The run's localized messages, as the program makes them at start-up.
    LocalizedMessages &messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    ScopedFolders m_folders;
    RunReport m_report;
    LocalizedMessages m_messages{localMessagesPath(), m_report};
};
