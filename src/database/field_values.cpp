#include "database/field_values.h"

#include "export/value_conversions.h"

#include <limits>

namespace FieldValues {

int integer(Field field)
{
    return field ? leadingInteger(*field) : 0;
}

std::optional<int> strictInteger(Field field)
{
    if (!field)
        return std::nullopt;
    const std::optional<qint64> value = leadingDecimal(*field);
    if (!value || *value < std::numeric_limits<int>::min()
        || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

QString text(Field field)
{
    return field ? field->toString() : QString();
}

QLatin1StringView textView(Field field)
{
    return field.value_or(QLatin1StringView());
}

bool equals(Field field, QLatin1StringView literal)
{
    return field.value_or(QLatin1StringView()) == literal;
}

} // namespace FieldValues
