#include "database/field_values.h"

#include "export/value_conversions.h"

#include <limits>

namespace FieldValues {

int integer(const std::optional<QString> &field)
{
    return field ? leadingInteger(*field) : 0;
}

std::optional<int> strictInteger(const std::optional<QString> &field)
{
    if (!field)
        return std::nullopt;
    const std::optional<qint64> value = leadingDecimal(*field);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

QString text(const std::optional<QString> &field)
{
    return field.value_or(QString());
}

bool equals(const std::optional<QString> &field, QStringView literal)
{
    return text(field) == literal;
}

} // namespace FieldValues
