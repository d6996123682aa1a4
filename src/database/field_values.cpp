#include "database/field_values.h"

#include "export/value_conversions.h"

#include <algorithm>
#include <limits>

namespace FieldValues {
namespace {

// The white space that the C library's number reading skips.
bool isCWhiteSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

int integer(const std::optional<QString> &field)
{
    return field ? leadingInteger(*field) : 0;
}

std::optional<int> strictInteger(const std::optional<QString> &field)
{
    if (!field)
        return std::nullopt;
    const QString &text = *field;
    qsizetype i = 0;
    while (i < text.size() && isCWhiteSpace(text[i]))
        ++i;
    bool isNegative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        isNegative = text[i] == u'-';
        ++i;
    }
    // Leading zeros may be many; once the magnitude is beyond 32 bits it stops growing.
    constexpr qint64 kBeyondRange = qint64{std::numeric_limits<int>::max()} + 2;
    qint64 magnitude = 0;
    bool hasDigit = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        hasDigit = true;
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kBeyondRange);
    }
    if (!hasDigit)
        return std::nullopt;
    const qint64 value = isNegative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
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
