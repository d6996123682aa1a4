#include "driver/rules_check.h"

#include "platform/ini_file.h"

bool validatingAuthorityRulesConfigured(const QString &userValidationPath, bool *isFileUnreadable)
{
    // Only rule 1 is looked at: rules numbered 2 and above without a rule 1 do not count.
    const std::optional<QByteArrayList> entries =
        IniFile::readSectionIfReadable(userValidationPath, "Rule 1");
    if (isFileUnreadable != nullptr)
        *isFileUnreadable = !entries.has_value();
    return entries && !entries->isEmpty() && !entries->first().isEmpty();
}
