#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

namespace IniFile {
class IndexedFile;
}
class PreferencesExporter;
class RunReport;

/// One language of every localized value: the INI section (Windows-1252 bytes) and the code.
struct Language {
    QByteArray section;
    QString code;
};

/// English, Spanish and French, in this order.
const std::array<Language, 3> &languageTable();

/// The localized-messages file of the installation, one for the run. The file is read at
/// the first lookup and indexed, since the group stage looks up several messages a group;
/// the program never changes it. A file that cannot be read gives empty messages, which
/// the operator must then configure by hand: \a report is told so once.
class LocalizedMessages {
public:
    LocalizedMessages(const QString &path, RunReport &report);
    ~LocalizedMessages();
    LocalizedMessages(const LocalizedMessages &) = delete;
    LocalizedMessages &operator=(const LocalizedMessages &) = delete;

    /// The path given at start-up.
    const QString &path() const { return m_path; }

    /// The message \a messageKey in \a language, empty when absent; cut at 255 bytes.
    QString message(const QByteArray &messageKey, const Language &language);

private:
    QString m_path;
    RunReport &m_report;
    std::unique_ptr<IniFile::IndexedFile> m_file;
};

/// Writes three localized rows (en, es, fr) of the message \a messageKey.
void writeLocalizedMessage(PreferencesExporter &exporter, LocalizedMessages &messages,
                           const QByteArray &messageKey, const QString &category,
                           const QString &exportKey);
