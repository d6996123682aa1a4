#include "utils/time_units.h"

#include <limits>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace UtilsLib {

namespace {

constexpr QLatin1StringView kNoFactorMessage{
    "Conversion Failure: Unable to get conversion factor from %1 to seconds"};
constexpr QLatin1StringView kNoConversionMessage{
    "Conversion Failure: Could not convert from %1 to %2"};

int saturatingTruncate(double value)
{
    constexpr double kAboveMax = 2147483648.0;  // int max + 1
    constexpr double kBelowMin = -2147483649.0; // int min - 1
    if (value >= kAboveMax)
        return std::numeric_limits<int>::max();
    if (value <= kBelowMin)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value); // truncates toward zero
}

} // namespace

const QMap<QString, double> &unitFactorTable()
{
    static const QMap<QString, double> table{
        {u"milliseconds"_s, 0.001}, {u"seconds"_s, 1.0},  {u"minutes"_s, 60.0},
        {u"hours"_s, 3600.0},       {u"days"_s, 86400.0},
    };
    return table;
}

namespace {

std::optional<double> findUnitFactor(const QString &units)
{
    // Most entries have no units; the empty name is never in the table.
    if (units.isEmpty())
        return std::nullopt;
    const QMap<QString, double> &table = unitFactorTable();
    const auto found = table.constFind(units.toLower());
    if (found == table.constEnd())
        return std::nullopt;
    return found.value();
}

} // namespace

double unitFactor(const QString &units)
{
    const std::optional<double> factor = findUnitFactor(units);
    if (!factor)
        throw std::runtime_error(QString(kNoFactorMessage).arg(units).toStdString());
    return *factor;
}

std::optional<int> convertUnitsIfKnown(int value, const QString &fromUnits, const QString &toUnits)
{
    const std::optional<double> fromFactor = findUnitFactor(fromUnits);
    const std::optional<double> toFactor = fromFactor ? findUnitFactor(toUnits) : std::nullopt;
    if (!toFactor)
        return std::nullopt;
    const double quotient = value * *fromFactor / *toFactor;
    return saturatingTruncate(quotient > 0 ? quotient + 0.5 : quotient - 0.5);
}

int convertUnits(int value, const QString &fromUnits, const QString &toUnits)
{
    const std::optional<int> converted = convertUnitsIfKnown(value, fromUnits, toUnits);
    if (!converted)
        throw std::runtime_error(
            QString(kNoConversionMessage).arg(fromUnits, toUnits).toStdString());
    return *converted;
}

} // namespace UtilsLib
