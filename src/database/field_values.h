#pragma once

#include <QLatin1StringView>
#include <QString>

#include <optional>

/// How the group and computer stages read a dump field, Latin-1 bytes as the dump reader
/// hands them out. A missing field (the tokenizer's null result) reads like an empty one.
namespace FieldValues {

using Field = std::optional<QLatin1StringView>;

/// atoi rules: leading white space, a sign, digits up to the first other character;
/// 0 without digits; saturated at the int limits.
int integer(Field field);

/// White space, a sign, at least one digit (characters after the digits ignored);
/// nothing when there is no digit or the number does not fit 32 bits.
std::optional<int> strictInteger(Field field);

/// The field's text; empty for a missing field.
QString text(Field field);
/// The same bytes without a copy, valid while its record is.
QLatin1StringView textView(Field field);

/// Exact, case-sensitive comparison ("00" is not "0"); a missing field compares as empty.
bool equals(Field field, QLatin1StringView literal);

} // namespace FieldValues
