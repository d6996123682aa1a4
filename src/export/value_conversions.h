#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

class PreferencesExporter;
class RunReport;

/// Legacy colour (empty, "0", six hex digits or a decimal COLORREF) to "#RRGGBB".
QString convertColor(const QString &value);

/// The value, or "NO_MAPPING: " + value when it names a local file; the instruction to
/// configure \a cloudSettingLabel by hand then goes to \a report. An empty value comes
/// back empty.
QString filterLocalFile(const QString &value, const QString &cloudSettingLabel, RunReport &report);

/// Legacy library-system name to the cloud service's ILS type; "SIP2" for any other.
QString ilsTypeForName(const QString &name);

/// Writes "connector1.type" or "connector2.type" with the ILS type of \a name.
void writeConnectorType(PreferencesExporter &exporter, int authorityNumber, const QString &name,
                        const QString &category);

/// Throws ExportStopped for an authority the cloud service cannot serve.
void checkValidatingAuthority(const QString &name, int connectionType);

/// "http" for 3, "https" for 4, empty otherwise.
QString papiProtocolFor(int connectionType);

/// The decimal number at the start of \a text by the C library's rules (white space, a
/// sign, digits up to the first other character); nothing without a digit. A number beyond
/// 32 bits comes back as just beyond the int limits, so it can be told from them.
std::optional<qint64> leadingDecimal(QStringView text);
/// leadingDecimal of Latin-1 bytes.
std::optional<qint64> leadingDecimal(QLatin1StringView text);

/// The decimal integer at the start of \a text by atoi rules (white space, sign, digits
/// up to the first other character, 0 without digits), saturated at the int limits.
int leadingInteger(QStringView text);
/// leadingInteger of Latin-1 bytes.
int leadingInteger(QLatin1StringView text);

/// leadingInteger(value) × 5, in 64 bits.
qint64 blocksToMinutes(const QString &value);

/// \a value, or \a replacement when \a value is below 1 (legacy 0 meant "not limited").
constexpr int replaceBelowOne(int value, int replacement)
{
    return value < 1 ? replacement : value;
}

/// The minutes of one day.
inline constexpr int kMinutesPerDay = 1440;

/// The most extra time a session may get, in minutes: a stored maximum of 0 or less means
/// a whole day.
constexpr int extraTimeMaximumMinutes(int storedMaximum)
{
    return replaceBelowOne(storedMaximum, kMinutesPerDay);
}
