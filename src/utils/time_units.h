#pragma once

#include <QMap>
#include <QString>

#include <optional>

namespace UtilsLib {

/// The unit names that convert, in lower case, to seconds per unit.
const QMap<QString, double> &unitFactorTable();

/// Seconds per unit of \a units, matched without regard to case; throws
/// std::runtime_error for a name not in the table (also the empty name and "unknown").
double unitFactor(const QString &units);

/// \a value in \a fromUnits expressed in \a toUnits, rounded half away from zero;
/// results beyond the int range saturate at its limits. Throws std::runtime_error when
/// either unit name does not convert.
int convertUnits(int value, const QString &fromUnits, const QString &toUnits);

/// convertUnits for a caller that keeps the value when it does not convert: nothing when
/// either unit name does not convert, and nothing thrown.
std::optional<int> convertUnitsIfKnown(int value, const QString &fromUnits, const QString &toUnits);

} // namespace UtilsLib
