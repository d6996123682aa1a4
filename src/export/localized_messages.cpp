#include "export/localized_messages.h"

#include "common/messages.h"
#include "export/preferences_exporter.h"
#include "export/run_report.h"
#include "platform/ini_file.h"

using namespace Qt::StringLiterals;

const std::array<Language, 3> &languageTable()
{
    // The section names are Windows-1252 bytes and are matched byte for byte.
    static const std::array<Language, 3> table{
        Language{QByteArrayLiteral("English"), u"en"_s},
        Language{QByteArrayLiteral("Espa\xF1"
                                   "ol"),
                 u"es"_s},
        Language{QByteArrayLiteral("Fran\xE7"
                                   "ais"),
                 u"fr"_s},
    };
    return table;
}

LocalizedMessages::LocalizedMessages(const QString &path, RunReport &report)
    : m_path(path), m_report(report)
{ }

LocalizedMessages::~LocalizedMessages() = default;

QString LocalizedMessages::message(const QByteArray &messageKey, const Language &language)
{
    if (!m_file) {
        m_file = std::make_unique<IniFile::IndexedFile>();
        // The lookups go on, each giving an empty message.
        QString ignored;
        if (!m_file->load(m_path, &ignored))
            m_report.actionRequired(Messages::localizedMessagesUnreadable(m_path));
    }
    // The file holds Windows-1252 bytes; taking each byte as one character brings it back
    // unchanged in the Latin-1 export file.
    return QString::fromLatin1(m_file->readString(language.section, messageKey));
}

void writeLocalizedMessage(PreferencesExporter &exporter, LocalizedMessages &messages,
                           const QByteArray &messageKey, const QString &category,
                           const QString &exportKey)
{
    // Every language gets its row, also when its message is missing.
    for (const Language &language : languageTable())
        exporter.writeLocalized(messages.message(messageKey, language), category, language.code,
                                exportKey);
}
