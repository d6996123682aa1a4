#include "driver/rules_check.h"

#include "platform/ini_file.h"

bool validatingAuthorityRulesConfigured(const QString &userValidationPath)
{
    // Only rule 1 is looked at: rules numbered 2 and above without a rule 1 do not count.
    const QByteArrayList entries = IniFile::readSection(userValidationPath, "Rule 1");
    return !entries.isEmpty() && !entries.first().isEmpty();
}
