#pragma once

#include <QString>

/// True when section "Rule 1" of the user-validation file holds at least one entry. A
/// missing file holds no rules; a file that is there but cannot be read (a folder, no
/// permission, a read error) holds none that could be seen, and gives the reason in
/// \a unreadableReason, which stays as it was otherwise.
bool validatingAuthorityRulesConfigured(const QString &userValidationPath,
                                        QString *unreadableReason = nullptr);
