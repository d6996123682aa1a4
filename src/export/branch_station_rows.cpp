// The second stretch of branch rows: reservation stations, weekly opening hours,
// closing, session rules, user validation and its limits, the no-show policy, PIN rules
// and the three end-of-session warnings.

#include "export/branch_settings.h"
#include "export/localized_messages.h"
#include "export/preferences_exporter.h"
#include "export/setting_categories.h"
#include "export/value_conversions.h"
#include "utils/portable_preferences.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {


struct ScheduleDay {
    QString openingPreference;
    QString closingPreference;
    QString keyPrefix;
};

// Day 1 is Sunday.
const std::array<ScheduleDay, 7> kScheduleDays = {{
    {u"General: Schedule For Day 1 - Open Block"_s, u"General: Schedule For Day 1 - Close Block"_s, u"sundayLibraryHours."_s},
    {u"General: Schedule For Day 2 - Open Block"_s, u"General: Schedule For Day 2 - Close Block"_s, u"mondayLibraryHours."_s},
    {u"General: Schedule For Day 3 - Open Block"_s, u"General: Schedule For Day 3 - Close Block"_s, u"tuesdayLibraryHours."_s},
    {u"General: Schedule For Day 4 - Open Block"_s, u"General: Schedule For Day 4 - Close Block"_s, u"wednesdayLibraryHours."_s},
    {u"General: Schedule For Day 5 - Open Block"_s, u"General: Schedule For Day 5 - Close Block"_s, u"thursdayLibraryHours."_s},
    {u"General: Schedule For Day 6 - Open Block"_s, u"General: Schedule For Day 6 - Close Block"_s, u"fridayLibraryHours."_s},
    {u"General: Schedule For Day 7 - Open Block"_s, u"General: Schedule For Day 7 - Close Block"_s, u"saturdayLibraryHours."_s},
}};

struct EndOfSessionWarning {
    QString pointPreference;
    QString programPathPreference;
    QString typePreference;
    QString keyPrefix;
    QByteArray messageKey;
};

const std::array<EndOfSessionWarning, 3> kWarnings = {{
    {u"General: Warning 1 - Warning Point"_s, u"General: Warning 1 - Warning Program Path"_s, u"General: Warning 1 - Warning Type"_s, u"firstEndOfSessionWarning."_s,  QByteArrayLiteral("LCL_WARN_DISPLAY_1")},
    {u"General: Warning 2 - Warning Point"_s, u"General: Warning 2 - Warning Program Path"_s, u"General: Warning 2 - Warning Type"_s, u"secondEndOfSessionWarning."_s, QByteArrayLiteral("LCL_WARN_DISPLAY_2")},
    {u"General: Warning 3 - Warning Point"_s, u"General: Warning 3 - Warning Program Path"_s, u"General: Warning 3 - Warning Type"_s, u"thirdEndOfSessionWarning."_s,  QByteArrayLiteral("LCL_WARN_DISPLAY_3")},
}};

// Bits of a warning type.
constexpr int kWarningBeep = 1;
constexpr int kWarningFlash = 2;
constexpr int kWarningMessage = 4;

constexpr int kLimitsTypeSessionsPerDay = 1;
constexpr int kMinimumDailyQuota = 10; // minutes
constexpr int kClosedDay = -1;         // writeHours writes an empty time for it

QString noShowDeduction(int policy)
{
    switch (policy) {
    case 0:
        return u"COUNT_FULL_SESSION"_s;
    case 1:
        return u"DO_NOT_COUNT"_s;
    default:
        return u"COUNT_GRACE_PERIOD"_s;
    }
}

} // namespace

void writeStationHoursSessionRows(UtilsLib::PortablePreferences &preferences,
                                  PreferencesExporter &exporter)
{
    const auto integer = [&](const QString &name, int defaultValue = 0) {
        return preferences.getInt(name, defaultValue);
    };
    const auto text = [&](const QString &name) { return preferences.getString(name, QString()); };

    // Reservation stations
    exporter.writeString(filterLocalFile(text(u"General: Reservation Station Facility Map File Path"_s), u"Reservation Manager Settings > URL for Floor Plan Map"_s), kReservationManagerSettings, u"floorPlanMapUrl"_s);
    exporter.writeString(convertColor(text(u"General: Reservation Stations Color - Background"_s)), kReservationManagerSettings, u"backgroundColor"_s);
    exporter.writeLocalized(text(u"General: Reservation Stations Receipt Footer Text"_s), kReservationServiceSettings, u"en"_s, u"confirmationPrinterFootersMulti"_s);

    // Weekly schedule: all fourteen blocks are read first; each day is written closing
    // time first, and a day whose opening and closing blocks are equal is closed.
    std::array<std::pair<int, int>, 7> openClose;
    for (size_t day = 0; day < kScheduleDays.size(); ++day)
        openClose[day] = {integer(kScheduleDays[day].openingPreference), integer(kScheduleDays[day].closingPreference)};
    for (size_t day = 0; day < kScheduleDays.size(); ++day) {
        const auto [opening, closing] = openClose[day];
        const bool closed = closing == opening;
        exporter.writeHours(closed ? kClosedDay : closing, kWeeklyLibraryHours, kScheduleDays[day].keyPrefix, false);
        exporter.writeHours(closed ? kClosedDay : opening, kWeeklyLibraryHours, kScheduleDays[day].keyPrefix, true);
    }

    // Closing time
    if (integer(u"General: Schedule Shutdown Clients At Closing"_s) != 0)
        exporter.writeString(u"POWEROFF"_s, kReservableComputerSettings, u"endOfDayAction"_s);
    if (integer(u"General: Schedule Shutdown Sends Message Minutes Before Closing"_s) != 0) {
        exporter.writeBool(true, kReservableComputerSettings, u"libraryClosingWarning.enabled"_s);
        exporter.writeInt(integer(u"General: Schedule Shutdown Sends Message Minutes Before Closing"_s), kReservableComputerSettings, u"libraryClosingWarning.minutesBeforeEventEnds"_s);
        exporter.writeBool(true, kReservableComputerSettings, u"libraryClosingWarning.messageEnabled"_s);
        writeLocalizedMessage(exporter, QByteArrayLiteral("LCL_CLIENT_CLOSING_MSG"), kReservableComputerSettings, u"libraryClosingWarning.displayMessageMulti"_s);
    }

    // Session rules
    const qint64 grace = qint64(integer(u"General: Session Grace Period In Blocks"_s)) * 5;
    if (grace > 0) {
        exporter.writeBool(true, kReservationSettings, u"enforceGracePeriod"_s);
        exporter.writeInt(grace, kReservationSettings, u"gracePeriodInMinutes"_s);
    }
    exporter.writeInt(qint64(integer(u"General: Session Inactivity Timeout"_s)) * 60, kReservableComputerSettings, u"inSessionIdleTimeoutSeconds"_s);
    exporter.writeInt(qint64(integer(u"General: Session Length In Blocks"_s)) * 5, kReservationSettings, u"reservationDuration"_s);
    exporter.writeBool(integer(u"General: Session Locking Allowed"_s), kReservableComputerSettings, u"hideEnabled"_s);

    // User validation and its limits
    exporter.writeBool(integer(u"General: User Validation Enabled"_s), kReservationSettings, u"authenticationValidIdRequired"_s);
    exporter.writeBool(integer(u"General: User Validation Limits Allow Concurrent Reservations"_s), kReservationSettings, u"concurrentReservationsAllowed"_s);
    exporter.writeBool(integer(u"General: User Validation Limits Computer Usage"_s), kReservationSettings, u"totalMinutesPerDayQuotaEnabled"_s);

    // Daily quota, written whether or not the quota is enabled. A quota in minutes below
    // ten, or none stored, is ten minutes.
    ExportInteger quota = 0;
    if (integer(u"General: User Validation Limits Type"_s) == kLimitsTypeSessionsPerDay) {
        const int sessions = integer(u"General: User Validation Limits Sessions Per Day To"_s);
        const int sessionBlocks = integer(u"General: Session Length In Blocks"_s, 2);
        quota = ExportInteger(sessions) * sessionBlocks * 5;
    } else if (integer(u"General: User Validation Limits Minutes Per Day To"_s, kMinimumDailyQuota) >= kMinimumDailyQuota) {
        quota = integer(u"General: User Validation Limits Minutes Per Day To"_s, kMinimumDailyQuota);
    } else {
        quota = kMinimumDailyQuota;
    }
    exporter.writeInt(quota, kReservationSettings, u"totalMinutesPerDayQuota"_s);

    exporter.writeString(noShowDeduction(integer(u"General: User Validation Limits No Show Policy"_s)), kReservationSettings, u"noShowDeduction"_s);
    exporter.writeBool(integer(u"General: User Validation Pin Is Masked"_s), kReservationServiceSettings, u"maskPinField"_s);
    exporter.writeBool(integer(u"General: User Validation Pin Is Required"_s), kReservationSettings, u"authenticationPinRequired"_s);

    // End-of-session warnings: a warning point of 0 means the warning is not used. The
    // message rows are written whatever the type says.
    for (const EndOfSessionWarning &warning : kWarnings) {
        if (integer(warning.pointPreference) == 0)
            continue;
        exporter.writeBool(true, kReservableComputerSettings, warning.keyPrefix + u"enabled"_s);
        exporter.writeInt(integer(warning.pointPreference), kReservableComputerSettings, warning.keyPrefix + u"minutesBeforeEventEnds"_s);
        exporter.writeString(text(warning.programPathPreference), kReservableComputerSettings, warning.keyPrefix + u"programExecutionPath"_s);
        const int type = integer(warning.typePreference);
        exporter.writeBool(type & kWarningBeep, kReservableComputerSettings, warning.keyPrefix + u"beepEnabled"_s);
        exporter.writeBool(type & kWarningFlash, kReservableComputerSettings, warning.keyPrefix + u"flashEnabled"_s);
        exporter.writeBool(type & kWarningMessage, kReservableComputerSettings, warning.keyPrefix + u"messageEnabled"_s);
        writeLocalizedMessage(exporter, warning.messageKey, kReservableComputerSettings, warning.keyPrefix + u"displayMessageMulti"_s);
    }
}
