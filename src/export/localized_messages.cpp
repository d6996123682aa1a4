#include "export/localized_messages.h"

#include "export/preferences_exporter.h"
#include "platform/ini_file.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString &localMessagesPathStorage()
{
    static QString path;
    return path;
}

/// The localized-messages file, read once: the program never changes it, and the group
/// stage looks up several messages per group.
std::unique_ptr<IniFile::IndexedFile> &messagesFile()
{
    static std::unique_ptr<IniFile::IndexedFile> file;
    return file;
}

} // namespace

const std::array<Language, 3> &languageTable()
{
    // The section names are Windows-1252 bytes and are matched byte for byte.
    static const std::array<Language, 3> table{
        Language{QByteArrayLiteral("English"), u"en"_s},
        Language{QByteArrayLiteral("Espa\xF1" "ol"), u"es"_s},
        Language{QByteArrayLiteral("Fran\xE7" "ais"), u"fr"_s},
    };
    return table;
}

void setLocalMessagesPath(const QString &path)
{
    localMessagesPathStorage() = path;
    messagesFile().reset();
}

QString localMessagesPath()
{
    return localMessagesPathStorage();
}

QString localizedMessage(const QByteArray &messageKey, const Language &language)
{
    // The file holds Windows-1252 bytes; taking each byte as one character brings it back
    // unchanged in the Latin-1 export file.
    std::unique_ptr<IniFile::IndexedFile> &file = messagesFile();
    if (!file)
        file = std::make_unique<IniFile::IndexedFile>(localMessagesPath());
    return QString::fromLatin1(file->readString(language.section, messageKey));
}

void writeLocalizedMessage(PreferencesExporter &exporter, const QByteArray &messageKey,
                           const QString &category, const QString &exportKey)
{
    // Every language gets its row, also when its message is missing.
    for (const Language &language : languageTable())
        exporter.writeLocalized(localizedMessage(messageKey, language), category, language.code,
                                exportKey);
}
