// The second stretch of branch rows: reservation stations, weekly opening hours,
// closing, session rules, user validation and its limits, the no-show policy, PIN rules
// and the three end-of-session warnings.

#include "export/branch_rows.h"

#include "common/messages.h"
#include "export/end_of_session_warnings.h"
#include "export/library_hours.h"
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
};

// Day 1 is Sunday.
const std::array<ScheduleDay, 7> kScheduleDays = {{
    {u"General: Schedule For Day 1 - Open Block"_s, u"General: Schedule For Day 1 - Close Block"_s},
    {u"General: Schedule For Day 2 - Open Block"_s, u"General: Schedule For Day 2 - Close Block"_s},
    {u"General: Schedule For Day 3 - Open Block"_s, u"General: Schedule For Day 3 - Close Block"_s},
    {u"General: Schedule For Day 4 - Open Block"_s, u"General: Schedule For Day 4 - Close Block"_s},
    {u"General: Schedule For Day 5 - Open Block"_s, u"General: Schedule For Day 5 - Close Block"_s},
    {u"General: Schedule For Day 6 - Open Block"_s, u"General: Schedule For Day 6 - Close Block"_s},
    {u"General: Schedule For Day 7 - Open Block"_s, u"General: Schedule For Day 7 - Close Block"_s},
}};

struct WarningPreferences {
    QString pointPreference;
    QString programPathPreference;
    QString typePreference;
    QByteArray messageKey;
};

// Warnings 1 to 3.
const std::array<WarningPreferences, 3> kWarnings = {{
    {u"General: Warning 1 - Warning Point"_s, u"General: Warning 1 - Warning Program Path"_s,
     u"General: Warning 1 - Warning Type"_s, QByteArrayLiteral("LCL_WARN_DISPLAY_1")},
    {u"General: Warning 2 - Warning Point"_s, u"General: Warning 2 - Warning Program Path"_s,
     u"General: Warning 2 - Warning Type"_s, QByteArrayLiteral("LCL_WARN_DISPLAY_2")},
    {u"General: Warning 3 - Warning Point"_s, u"General: Warning 3 - Warning Program Path"_s,
     u"General: Warning 3 - Warning Type"_s, QByteArrayLiteral("LCL_WARN_DISPLAY_3")},
}};

constexpr int kLimitsTypeSessionsPerDay = 1;
constexpr int kMinimumDailyQuota = 10; // minutes

QString noShowDeduction(int policy)
{
    switch (policy) {
    case 0: return u"COUNT_FULL_SESSION"_s;
    case 1: return u"DO_NOT_COUNT"_s;
    default: return u"COUNT_GRACE_PERIOD"_s;
    }
}

} // namespace

void writeStationHoursSessionRows(UtilsLib::PortablePreferences &preferences,
                                  LocalizedMessages &messages, PreferencesExporter &exporter)
{
    const auto integer = [&](const QString &name, int defaultValue = 0) {
        return preferences.getInt(name, defaultValue);
    };
    const auto text = [&](const QString &name) { return preferences.getString(name, QString()); };

    // Reservation stations
    exporter.writeString(
        filterLocalFile(text(u"General: Reservation Station Facility Map File Path"_s),
                        Messages::floorPlanMapLabel(), exporter.report()),
        kReservationManagerSettings, u"floorPlanMapUrl"_s);
    exporter.writeString(convertColor(text(u"General: Reservation Stations Color - Background"_s)),
                         kReservationManagerSettings, u"backgroundColor"_s);
    exporter.writeLocalized(text(u"General: Reservation Stations Receipt Footer Text"_s),
                            kReservationServiceSettings, u"en"_s,
                            u"confirmationPrinterFootersMulti"_s);

    // Weekly schedule: all fourteen blocks are read first; each day is written closing
    // time first, and a day whose opening and closing blocks are equal is closed.
    std::array<std::pair<int, int>, 7> openClose;
    for (size_t day = 0; day < kScheduleDays.size(); ++day)
        openClose[day] = {integer(kScheduleDays[day].openingPreference),
                          integer(kScheduleDays[day].closingPreference)};
    for (size_t day = 0; day < kScheduleDays.size(); ++day)
        writeLibraryHoursOfDay(exporter, day, openClose[day].first, openClose[day].second,
                               HoursOrder::ClosingFirst);

    // Closing time
    if (integer(u"General: Schedule Shutdown Clients At Closing"_s) != 0)
        exporter.writeString(u"POWEROFF"_s, kReservableComputerSettings, u"endOfDayAction"_s);
    if (integer(u"General: Schedule Shutdown Sends Message Minutes Before Closing"_s) != 0) {
        exporter.writeBool(true, kReservableComputerSettings, u"libraryClosingWarning.enabled"_s);
        exporter.writeInt(
            integer(u"General: Schedule Shutdown Sends Message Minutes Before Closing"_s),
            kReservableComputerSettings, u"libraryClosingWarning.minutesBeforeEventEnds"_s);
        exporter.writeBool(true, kReservableComputerSettings,
                           u"libraryClosingWarning.messageEnabled"_s);
        writeLocalizedMessage(exporter, messages, QByteArrayLiteral("LCL_CLIENT_CLOSING_MSG"),
                              kReservableComputerSettings,
                              u"libraryClosingWarning.displayMessageMulti"_s);
    }

    // Session rules
    const qint64 grace = qint64(integer(u"General: Session Grace Period In Blocks"_s)) * 5;
    if (grace > 0) {
        exporter.writeBool(true, kReservationSettings, u"enforceGracePeriod"_s);
        exporter.writeInt(grace, kReservationSettings, u"gracePeriodInMinutes"_s);
    }
    exporter.writeInt(qint64(integer(u"General: Session Inactivity Timeout"_s)) * 60,
                      kReservableComputerSettings, u"inSessionIdleTimeoutSeconds"_s);
    exporter.writeInt(qint64(integer(u"General: Session Length In Blocks"_s)) * 5,
                      kReservationSettings, u"reservationDuration"_s);
    exporter.writeBool(integer(u"General: Session Locking Allowed"_s), kReservableComputerSettings,
                       u"hideEnabled"_s);

    // User validation and its limits
    exporter.writeBool(integer(u"General: User Validation Enabled"_s), kReservationSettings,
                       u"authenticationValidIdRequired"_s);
    exporter.writeBool(integer(u"General: User Validation Limits Allow Concurrent Reservations"_s),
                       kReservationSettings, u"concurrentReservationsAllowed"_s);
    exporter.writeBool(integer(u"General: User Validation Limits Computer Usage"_s),
                       kReservationSettings, u"totalMinutesPerDayQuotaEnabled"_s);

    // Daily quota, written whether or not the quota is enabled. A quota in minutes below
    // ten, or none stored, is ten minutes.
    WideInteger quota = 0;
    if (integer(u"General: User Validation Limits Type"_s) == kLimitsTypeSessionsPerDay) {
        const int sessions = integer(u"General: User Validation Limits Sessions Per Day To"_s);
        const int sessionBlocks = integer(u"General: Session Length In Blocks"_s, 2);
        quota = WideInteger(sessions) * sessionBlocks * 5;
    } else if (integer(u"General: User Validation Limits Minutes Per Day To"_s, kMinimumDailyQuota)
               >= kMinimumDailyQuota) {
        quota =
            integer(u"General: User Validation Limits Minutes Per Day To"_s, kMinimumDailyQuota);
    } else {
        quota = kMinimumDailyQuota;
    }
    exporter.writeInt(quota, kReservationSettings, u"totalMinutesPerDayQuota"_s);

    exporter.writeString(
        noShowDeduction(integer(u"General: User Validation Limits No Show Policy"_s)),
        kReservationSettings, u"noShowDeduction"_s);
    exporter.writeBool(integer(u"General: User Validation Pin Is Masked"_s),
                       kReservationServiceSettings, u"maskPinField"_s);
    exporter.writeBool(integer(u"General: User Validation Pin Is Required"_s), kReservationSettings,
                       u"authenticationPinRequired"_s);

    // End-of-session warnings: a warning point of 0 means the warning is not used. The
    // message rows are written whatever the type says.
    for (size_t i = 0; i < kWarnings.size(); ++i) {
        const WarningPreferences &warning = kWarnings[i];
        if (integer(warning.pointPreference) == 0)
            continue;
        writeEndOfSessionWarning(exporter, messages, int(i) + 1,
                                 {
                                     .isInUse = true,
                                     .minutesBeforeEnd = integer(warning.pointPreference),
                                     .programPath = text(warning.programPathPreference),
                                     .actions = integer(warning.typePreference),
                                     .messageKey = warning.messageKey,
                                 });
    }
}
