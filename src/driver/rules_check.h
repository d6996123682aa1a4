#pragma once

#include <QString>

/// True when section "Rule 1" of the user-validation file holds at least one entry.
bool validatingAuthorityRulesConfigured(const QString &userValidationPath);
