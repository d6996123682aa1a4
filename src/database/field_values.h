#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// How the group and computer stages read a dump field. A missing field (the tokenizer's
/// null result) reads like an empty one.
namespace FieldValues {

/// atoi rules: leading white space, a sign, digits up to the first other character;
/// 0 without digits; saturated at the int limits.
int integer(std::optional<QStringView> field);

/// White space, a sign, at least one digit (characters after the digits ignored);
/// nothing when there is no digit or the number does not fit 32 bits.
std::optional<int> strictInteger(std::optional<QStringView> field);

/// The field's text; empty for a missing field.
QString text(std::optional<QStringView> field);
/// The same text without a copy, valid while its record is.
QStringView textView(std::optional<QStringView> field);

/// Exact, case-sensitive comparison ("00" is not "0"); a missing field compares as empty.
bool equals(std::optional<QStringView> field, QStringView literal);

} // namespace FieldValues
