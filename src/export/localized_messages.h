#pragma once

#include <QByteArray>
#include <QString>

#include <array>

class PreferencesExporter;

/// One language of every localized value: the INI section (Windows-1252 bytes) and the code.
struct Language {
    QByteArray section;
    QString code;
};

/// English, Spanish and French, in this order.
const std::array<Language, 3> &languageTable();

/// The localized-messages file that message lookups read (set once at start-up). The file
/// is read at the first lookup after the path is set.
void setLocalMessagesPath(const QString &path);
QString localMessagesPath();

/// The message \a messageKey in the three languages, empty when absent; a value is cut at 255 bytes.
QString localizedMessage(const QByteArray &messageKey, const Language &language);

/// Writes three localized rows (en, es, fr) of the message \a messageKey.
void writeLocalizedMessage(PreferencesExporter &exporter, const QByteArray &messageKey,
                           const QString &category, const QString &exportKey);
