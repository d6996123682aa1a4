#include "database/field_values.h"

#include "export/value_conversions.h"

#include <limits>

namespace FieldValues {

int integer(std::optional<QStringView> field)
{
    return field ? leadingInteger(*field) : 0;
}

std::optional<int> strictInteger(std::optional<QStringView> field)
{
    if (!field)
        return std::nullopt;
    const std::optional<qint64> value = leadingDecimal(*field);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

QString text(std::optional<QStringView> field)
{
    return field ? field->toString() : QString();
}

QStringView textView(std::optional<QStringView> field)
{
    return field.value_or(QStringView());
}

bool equals(std::optional<QStringView> field, QStringView literal)
{
    return field.value_or(QStringView()) == literal;
}

} // namespace FieldValues
