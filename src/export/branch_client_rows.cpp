// The first stretch of branch rows: client computers, reservations at the computer,
// session end, extra time, future reservations, guest passes, interrupted sessions.

#include "export/branch_rows.h"

#include "export/preferences_exporter.h"
#include "export/setting_categories.h"
#include "export/value_conversions.h"
#include "utils/portable_preferences.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array kProgramsToStart = {
    u"Client: Program To Start 1 - Path or Extension"_s,
    u"Client: Program To Start 2 - Path or Extension"_s,
    u"Client: Program To Start 3 - Path or Extension"_s,
    u"Client: Program To Start 4 - Path or Extension"_s,
    u"Client: Program To Start 5 - Path or Extension"_s,
};

// Bits of "Client: Restrictions".
constexpr int kFilterCtrlEsc = 2;
constexpr int kFilterAltTab = 4;

} // namespace

void writeClientAndReservationRows(UtilsLib::PortablePreferences &preferences,
                                   PreferencesExporter &exporter)
{
    const auto integer = [&](const QString &name, int defaultValue = 0) {
        return preferences.getInt(name, defaultValue);
    };
    const auto text = [&](const QString &name) { return preferences.getString(name, QString()); };

    // Client computer colours
    exporter.writeString(convertColor(text(u"Client: Color - Background"_s)),
                         kReservableComputerSettings, u"customGroupBoxColor"_s);
    exporter.writeString(convertColor(text(u"Client: Color - Foreground"_s)),
                         kReservableComputerSettings, u"customGroupTextColor"_s);

    // Programs started with a session, 1 to 5: each is read once to test it and once to write it
    for (const QString &program : kProgramsToStart) {
        if (!text(program).isEmpty())
            exporter.writeList(text(program), kReservableComputerSettings,
                               u"sessionStartPrograms"_s);
    }

    exporter.writeBool(false, kReservableComputerSettings, u"hideTaskBar"_s);

    // Keyboard filters
    const int restrictions = integer(u"Client: Restrictions"_s);
    if (restrictions & kFilterCtrlEsc)
        exporter.writeList(u"Ctrl+Esc"_s, kReservableComputerSettings, u"keyBoardFilters"_s);
    if (restrictions & kFilterAltTab)
        exporter.writeList(u"Alt+Tab"_s, kReservableComputerSettings, u"keyBoardFilters"_s);

    // Reservations made at the computer
    exporter.writeBool(integer(u"General: @Client Reservations Allowed"_s),
                       kReservableComputerSettings, u"atClientEnabled"_s);
    if (integer(u"General: @Client Reservations Allowed"_s) >= 1
        && integer(u"General: @Client Minimum Session Length In Blocks"_s) >= 1) {
        exporter.writeInt(qint64(integer(u"General: @Client Minimum Session Length In Blocks"_s))
                              * 5,
                          kReservableComputerSettings, u"atClientMinimumSessionLengthInMinutes"_s);
    }
    exporter.writeBool(integer(u"General: @Client Trades Offered"_s), kReservableComputerSettings,
                       u"tradeEnabled"_s);
    exporter.writeBool(integer(u"General: Early Sign On Allowed"_s), kReservableComputerSettings,
                       u"earlySignOnEnabled"_s);

    // Session end: both actions are written when both are set, LOGOFF first
    if (integer(u"General: End Session Logoff"_s) > 0)
        exporter.writeString(u"LOGOFF"_s, kReservableComputerSettings, u"sessionEndAction"_s);
    if (integer(u"General: End Session Restart"_s) > 0)
        exporter.writeString(u"REBOOT"_s, kReservableComputerSettings, u"sessionEndAction"_s);

    // Extra time
    const qint64 increment = qint64(integer(u"General: Extra Time Increment In Blocks"_s)) * 5;
    exporter.writeBool(increment > 0, kReservableComputerSettings, u"extraTimeEnabled"_s);
    if (increment > 0) {
        exporter.writeInt(increment, kReservableComputerSettings, u"extraTimeIncrementInMinutes"_s);
        exporter.writeInt(
            extraTimeMaximumMinutes(integer(u"General: Extra Time Maximum In Minutes"_s)),
            kReservableComputerSettings, u"extraTimeMaxInMinutes"_s);
        exporter.writeBool(integer(u"General: Extra Time Must Be Accepted"_s),
                           kReservableComputerSettings, u"extraTimeConsentRequired"_s);
    }

    // Future reservations: with neither a day limit nor same-day-only, same day only holds
    const int days = integer(u"General: Future Reservations Allowed Maximum Days In Advance"_s);
    int sameDay = integer(u"General: Future Reservations Allowed For Same Day Only"_s);
    if (sameDay == 0 && days == 0)
        sameDay = 1;
    exporter.writeBool(sameDay, kReservationSettings, u"endOfDayFutureReservation"_s);
    if (days > 0 && sameDay == 0)
        exporter.writeInt(days, kReservationSettings, u"daysInAdvanceFutureReservation"_s);

    // Guest passes: the details only when guests are allowed
    const int guests = integer(u"General: Guests Are Allowed"_s);
    exporter.writeBool(guests, kGuestSettings, u"guestEnabled"_s);
    if (guests > 0) {
        exporter.writeInt(integer(u"General: Guest Id Expire Interval"_s), kGuestSettings,
                          u"defaultGuestPassDurationInDays"_s);
        exporter.writeInt(integer(u"General: Guest Id Length"_s), kGuestSettings,
                          u"guestIdLength"_s);
        exporter.writeString(text(u"General: Guest Id Prefix"_s), kGuestSettings,
                             u"guestIdStartsWith"_s);
        if (integer(u"General: Guest Pass Bulk Generation Allowed At Management Console"_s) != 0)
            exporter.writeInt(integer(u"General: Guest Pass Bulk Generation Quantity"_s),
                              kGuestSettings, u"guestBulkAddCount"_s);
        exporter.writeList(text(u"General: Guest Pass Footer"_s), kGuestSettings,
                           u"customFooters"_s);
        exporter.writeList(text(u"General: Guest Pass Header"_s), kGuestSettings,
                           u"customHeaders"_s);
        exporter.writeBool(false, kGuestSettings, u"guestPassesValidForLibrary"_s);
        exporter.writeBool(integer(u"General: Guest Pass Barcode Numbers Should Be Displayed"_s),
                           kGuestSettings, u"printBarcode"_s);
        exporter.writeBool(integer(u"General: Guest Usage Is Restricted"_s), kGuestSettings,
                           u"useDefaultGuestPassUsageCount"_s);
        exporter.writeInt(integer(u"General: Guest Usage Daily Limit"_s), kGuestSettings,
                          u"defaultGuestPassUsageCount"_s);
    }

    // Interrupted sessions
    exporter.writeInt(integer(u"General: Interrupted Session Hold Interval"_s),
                      kReservableComputerSettings, u"holdInterruptedSessionMinutes"_s);
}
