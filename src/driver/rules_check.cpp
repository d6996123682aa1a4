#include "driver/rules_check.h"

#include "platform/ini_file.h"

bool validatingAuthorityRulesConfigured(const QString &userValidationPath,
                                        QString *unreadableReason)
{
    // Only rule 1 is looked at: rules numbered 2 and above without a rule 1 do not count.
    QByteArrayList entries;
    QString ignored;
    if (!IniFile::readSectionIfReadable(userValidationPath, "Rule 1", &entries,
                                        unreadableReason != nullptr ? unreadableReason : &ignored))
        return false;
    return !entries.isEmpty() && !entries.first().isEmpty();
}
