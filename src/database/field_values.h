#pragma once

#include <QString>

#include <optional>

/// How the group and computer stages read a dump field. A missing field (the tokenizer's
/// null result) reads like an empty one.
namespace FieldValues {

/// atoi rules: leading white space, a sign, digits up to the first other character;
/// 0 without digits; saturated at the int limits.
int integer(const std::optional<QString> &field);

/// White space, a sign, at least one digit (characters after the digits ignored);
/// nothing when there is no digit or the number does not fit 32 bits.
std::optional<int> strictInteger(const std::optional<QString> &field);

/// The field's text; empty for a missing field.
QString text(const std::optional<QString> &field);

/// Exact, case-sensitive comparison ("00" is not "0"); a missing field compares as empty.
bool equals(const std::optional<QString> &field, QStringView literal);

} // namespace FieldValues
