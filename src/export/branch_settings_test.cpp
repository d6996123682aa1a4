#include "export/branch_settings.h"

#include "common/export_stopped.h"
#include "export/export_file.h"
#include "export/localized_messages.h"
#include "platform/console.h"
#include "support/map_preferences.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

using Preferences = std::initializer_list<std::pair<QString, QString>>;

class BranchSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A readable messages file without messages: every message is empty, silently.
        writeTestFile(m_dir.filePath(u"localmsgs.inf"_s), QByteArray());
    }

    QString exportPath() const { return m_dir.filePath(u"kestrunSettings.csv"_s); }

    /// The rows written for \a preferences, without their line ends.
    QStringList exportRows(Preferences preferences)
    {
        QFile::remove(exportPath());
        MapPreferences store(preferences);
        Console::Capture console;
        RunReport report;
        ExportFile file(report);
        EXPECT_TRUE(exportBranchSettings(store, m_messages, file, exportPath()));
        file.finish();
        m_console = console.out();
        return rowsOfFile();
    }

    /// The rows of the export file, or of \a path.
    QStringList rowsOfFile(const QString &path = {}) const
    {
        QString text = QString::fromLatin1(readTestFile(path.isEmpty() ? exportPath() : path));
        EXPECT_TRUE(text.endsWith(u"\r\n"_s));
        text.chop(2);
        return text.split(u"\r\n"_s);
    }

    /// The values of the rows with the setting name \a categoryKey, in file order.
    static QStringList valuesOf(const QStringList &rows, const QString &categoryKey)
    {
        QStringList values;
        const QString prefix = u"BranchSetting^~%"_s + categoryKey + u"^~%"_s;
        for (const QString &row : rows) {
            if (row.startsWith(prefix))
                values.append(row.mid(prefix.size()));
        }
        return values;
    }

    QTemporaryDir m_dir;
    RunReport m_report;
    LocalizedMessages m_messages{m_dir.filePath(u"localmsgs.inf"_s), m_report};
    QString m_console;
};

struct RowCase {
    const char *name;
    Preferences preferences;
    QString categoryKey;
    QStringList expected;
};

TEST_F(BranchSettingsTest, WritesEachSettingFromItsLegacyValue)
{
    const RowCase cases[] = {
        {"both keyboard filters",
         {{u"Client: Restrictions"_s, u"6"_s}},
         u"ReservableComputerSettings.keyBoardFilters"_s,
         {u"[\"Ctrl+Esc\"]"_s, u"[\"Alt+Tab\"]"_s}},
        {"no keyboard filter bit",
         {{u"Client: Restrictions"_s, u"9"_s}},
         u"ReservableComputerSettings.keyBoardFilters"_s,
         {}},
        {"extra time maximum unset",
         {{u"General: Extra Time Increment In Blocks"_s, u"3"_s},
          {u"General: Extra Time Maximum In Minutes"_s, u"0"_s}},
         u"ReservableComputerSettings.extraTimeMaxInMinutes"_s,
         {u"1440"_s}},
        {"extra time increment",
         {{u"General: Extra Time Increment In Blocks"_s, u"3"_s}},
         u"ReservableComputerSettings.extraTimeIncrementInMinutes"_s,
         {u"15"_s}},
        {"no extra time, no maximum",
         {{u"General: Extra Time Maximum In Minutes"_s, u"30"_s}},
         u"ReservableComputerSettings.extraTimeMaxInMinutes"_s,
         {}},
        {"days in advance",
         {{u"General: Future Reservations Allowed Maximum Days In Advance"_s, u"14"_s}},
         u"ReservationSettings.daysInAdvanceFutureReservation"_s,
         {u"14"_s}},
        {"days in advance, same day only",
         {{u"General: Future Reservations Allowed Maximum Days In Advance"_s, u"14"_s},
          {u"General: Future Reservations Allowed For Same Day Only"_s, u"1"_s}},
         u"ReservationSettings.endOfDayFutureReservation"_s,
         {u"true"_s}},
        {"no future limit is same day",
         {},
         u"ReservationSettings.endOfDayFutureReservation"_s,
         {u"true"_s}},
        {"future days lift same day",
         {{u"General: Future Reservations Allowed Maximum Days In Advance"_s, u"14"_s}},
         u"ReservationSettings.endOfDayFutureReservation"_s,
         {u"false"_s}},
        {"at-client minimum",
         {{u"General: @Client Reservations Allowed"_s, u"1"_s},
          {u"General: @Client Minimum Session Length In Blocks"_s, u"4"_s}},
         u"ReservableComputerSettings.atClientMinimumSessionLengthInMinutes"_s,
         {u"20"_s}},
        {"at-client minimum without at-client",
         {{u"General: @Client Minimum Session Length In Blocks"_s, u"4"_s}},
         u"ReservableComputerSettings.atClientMinimumSessionLengthInMinutes"_s,
         {}},
        {"both session end actions",
         {{u"General: End Session Logoff"_s, u"1"_s}, {u"General: End Session Restart"_s, u"2"_s}},
         u"ReservableComputerSettings.sessionEndAction"_s,
         {u"\"LOGOFF\""_s, u"\"REBOOT\""_s}},
        {"negative guests allowed",
         {{u"General: Guests Are Allowed"_s, u"-1"_s}, {u"General: Guest Id Length"_s, u"8"_s}},
         u"GuestSettings.guestIdLength"_s,
         {}},
        {"guest bulk count needs the bulk flag",
         {{u"General: Guests Are Allowed"_s, u"1"_s},
          {u"General: Guest Pass Bulk Generation Quantity"_s, u"25"_s}},
         u"GuestSettings.guestBulkAddCount"_s,
         {}},
        {"guest footer lines",
         {{u"General: Guests Are Allowed"_s, u"1"_s},
          {u"General: Guest Pass Footer"_s, u"Thanks\n\nBye"_s}},
         u"GuestSettings.customFooters"_s,
         {u"[\"Thanks\"]"_s, u"[\"\"]"_s, u"[\"Bye\"]"_s}},
        {"sessions per day with default length",
         {{u"General: User Validation Limits Type"_s, u"1"_s},
          {u"General: User Validation Limits Sessions Per Day To"_s, u"3"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"30"_s}},
        {"sessions per day",
         {{u"General: User Validation Limits Type"_s, u"1"_s},
          {u"General: User Validation Limits Sessions Per Day To"_s, u"3"_s},
          {u"General: Session Length In Blocks"_s, u"12"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"180"_s}},
        {"sessions per day beyond 64 bits",
         {{u"General: User Validation Limits Type"_s, u"1"_s},
          {u"General: User Validation Limits Sessions Per Day To"_s, u"2147483647"_s},
          {u"General: Session Length In Blocks"_s, u"2147483647"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"23058430070662103045"_s}},
        {"negative sessions per day",
         {{u"General: User Validation Limits Type"_s, u"1"_s},
          {u"General: User Validation Limits Sessions Per Day To"_s, u"-2147483648"_s},
          {u"General: Session Length In Blocks"_s, u"2147483647"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"-23058430081399521280"_s}},
        {"minutes per day below ten",
         {{u"General: User Validation Limits Minutes Per Day To"_s, u"5"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"10"_s}},
        {"minutes per day",
         {{u"General: User Validation Limits Minutes Per Day To"_s, u"120"_s}},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"120"_s}},
        {"minutes per day not stored",
         {},
         u"ReservationSettings.totalMinutesPerDayQuota"_s,
         {u"10"_s}},
        {"no-show policy other",
         {{u"General: User Validation Limits No Show Policy"_s, u"-1"_s}},
         u"ReservationSettings.noShowDeduction"_s,
         {u"\"COUNT_GRACE_PERIOD\""_s}},
        {"negative grace period",
         {{u"General: Session Grace Period In Blocks"_s, u"-1"_s}},
         u"ReservationSettings.enforceGracePeriod"_s,
         {}},
        {"idle timeout in seconds",
         {{u"General: Session Inactivity Timeout"_s, u"10"_s}},
         u"ReservableComputerSettings.inSessionIdleTimeoutSeconds"_s,
         {u"600"_s}},
        {"warning actions",
         {{u"General: Warning 2 - Warning Point"_s, u"3"_s},
          {u"General: Warning 2 - Warning Type"_s, u"5"_s}},
         u"ReservableComputerSettings.secondEndOfSessionWarning.flashEnabled"_s,
         {u"false"_s}},
        {"warning messages whatever the type",
         {{u"General: Warning 1 - Warning Point"_s, u"-2"_s}},
         u"ReservableComputerSettings.firstEndOfSessionWarning.displayMessageMulti"_s,
         {u"{\"en\":\"\"}"_s, u"{\"es\":\"\"}"_s, u"{\"fr\":\"\"}"_s}},
        {"closing warning minutes",
         {{u"General: Schedule Shutdown Sends Message Minutes Before Closing"_s, u"-5"_s}},
         u"ReservableComputerSettings.libraryClosingWarning.minutesBeforeEventEnds"_s,
         {u"-5"_s}},
        {"filter proxy, full access",
         {{u"System: Filter Setting"_s, u"16"_s}, {u"System: Filter Is Proxy Based"_s, u"1"_s}},
         u"ReservableComputerSettings.defaultInternetFiltering"_s,
         {u"\"FULL_ACCESS\""_s}},
        {"filter proxy, filtered",
         {{u"System: Filter Setting"_s, u"17"_s}, {u"System: Filter Is Proxy Based"_s, u"1"_s}},
         u"ReservableComputerSettings.defaultInternetFiltering"_s,
         {u"\"FILTERED\""_s}},
        {"filter choices",
         {{u"System: Filter Setting"_s, u"29"_s}, {u"System: Filter Is Proxy Based"_s, u"1"_s}},
         u"ReservableComputerSettings.offerPatronChoiceBasedUponPatronValidationRulesEnabled"_s,
         {u"true"_s}},
        {"filter not proxy based",
         {{u"System: Filter Setting"_s, u"16"_s}},
         u"ReservableComputerSettings.internetFilterProxyPort"_s,
         {}},
        {"filter disabled",
         {{u"System: Filter Setting"_s, u"15"_s}, {u"System: Filter Is Proxy Based"_s, u"1"_s}},
         u"ReservableComputerSettings.internetFilteringEnabled"_s,
         {u"false"_s}},
        {"pin maximum unset", {}, u"ReservationServiceSettings.maxPinLength"_s, {u"35"_s}},
        {"user id length negative",
         {{u"System: User Credentials - User Id Length"_s, u"-5"_s}},
         u"ReservationServiceSettings.maxIdLength"_s,
         {u"1024"_s}},
        {"pin required only",
         {{u"System: User Credentials - Required Entries To Start Session"_s, u"2"_s}},
         u"ReservableComputerSettings.sessionIdRequired"_s,
         {u"false"_s}},
        {"control menu 5",
         {{u"Client: Control Menu Location"_s, u"5"_s}},
         u"ReservableComputerSettings.toolbarLocation"_s,
         {u"\"BOTTOM_LEFT\""_s}},
        {"control menu 7",
         {{u"Client: Control Menu Location"_s, u"7"_s}},
         u"ReservableComputerSettings.toolbarLocation"_s,
         {u"\"BOTTOM_RIGHT\""_s}},
        {"hidden news portal",
         {{u"Client Appearance: Idle Screen News Feed Portal Hidden"_s, u"-1"_s}},
         u"ReservableComputerSettings.newsUrlMulti"_s,
         {u"{\"en\":\"\"}"_s, u"{\"es\":\"\"}"_s, u"{\"fr\":\"\"}"_s}},
        {"usage policy end session",
         {{u"Use Policy: en_us"_s, u"https://lib.example/p.htm"_s},
          {u"Client: Computer Use Policy Declined Action"_s, u"2"_s}},
         u"ReservationSettings.usagePolicy"_s,
         {u"\"MANDATORY\""_s}},
        {"usage policy no action",
         {{u"Use Policy: en"_s, u"https://lib.example/p.htm"_s},
          {u"Client: Computer Use Policy Declined Action"_s, u"3"_s}},
         u"ReservationSettings.declinedUsagePolicyAction"_s,
         {u"\"NO_ACTION\""_s}},
        {"usage policy beyond the basic plane",
         {{u"Use Policy: en"_s, u"https://lib.example/\U0001F600.htm"_s}},
         u"ReservationSettings.usagePolicyUrlMulti"_s,
         {u"{\"en\":\"https://lib.example/?.htm\"}"_s, u"{\"es\":\"\"}"_s, u"{\"fr\":\"\"}"_s}},
        {"usage policy falls back to en",
         {{u"Use Policy: en"_s, u"https://lib.example/p.htm"_s}},
         u"ReservationSettings.usagePolicyUrlMulti"_s,
         {u"{\"en\":\"https://lib.example/p.htm\"}"_s, u"{\"es\":\"\"}"_s, u"{\"fr\":\"\"}"_s}},
        {"no usage policy", {}, u"ReservationSettings.usagePolicy"_s, {u"\"DISABLED\""_s}},
        {"local usage policy",
         {{u"Use Policy: en_us"_s, u"C:\\policy.htm"_s}},
         u"ReservationSettings.usagePolicy"_s,
         {u"\"DISABLED\""_s}},
    };
    for (const RowCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(valuesOf(exportRows(c.preferences), c.categoryKey), c.expected);
    }
}

TEST_F(BranchSettingsTest, EmptyStoreStartsWithTheUnconditionalRows)
{
    const QStringList rows = exportRows({});
    const QStringList expected = {
        u"BranchSetting^~%ReservableComputerSettings.customGroupBoxColor^~%\"\""_s,
        u"BranchSetting^~%ReservableComputerSettings.customGroupTextColor^~%\"\""_s,
        u"BranchSetting^~%ReservableComputerSettings.hideTaskBar^~%false"_s,
        u"BranchSetting^~%ReservableComputerSettings.atClientEnabled^~%false"_s,
        u"BranchSetting^~%ReservableComputerSettings.tradeEnabled^~%false"_s,
        u"BranchSetting^~%ReservableComputerSettings.earlySignOnEnabled^~%false"_s,
        u"BranchSetting^~%ReservableComputerSettings.extraTimeEnabled^~%false"_s,
        u"BranchSetting^~%ReservationSettings.endOfDayFutureReservation^~%true"_s,
        u"BranchSetting^~%GuestSettings.guestEnabled^~%false"_s,
        u"BranchSetting^~%ReservableComputerSettings.holdInterruptedSessionMinutes^~%0"_s,
        u"BranchSetting^~%ReservationManagerSettings.floorPlanMapUrl^~%\"\""_s,
    };
    EXPECT_EQ(rows.mid(0, expected.size()), expected);
    EXPECT_EQ(m_console, QString());
}

TEST_F(BranchSettingsTest, WeeklyScheduleWritesClosingBeforeOpeningAndClosedDaysEmpty)
{
    const QStringList rows = exportRows({
        {u"General: Schedule For Day 1 - Open Block"_s, u"96"_s},
        {u"General: Schedule For Day 1 - Close Block"_s, u"240"_s},
        {u"General: Schedule For Day 2 - Open Block"_s, u"100"_s},
        {u"General: Schedule For Day 2 - Close Block"_s, u"100"_s},
    });
    const QString hours = u"BranchSetting^~%LibraryHoursSettings.weeklyLibraryHours."_s;
    const qsizetype first =
        rows.indexOf(hours + u"sundayLibraryHours.timeOfDayClosed^~%\"20:00\""_s);
    ASSERT_GE(first, 0);
    EXPECT_EQ(rows.mid(first, 4),
              (QStringList{
                  hours + u"sundayLibraryHours.timeOfDayClosed^~%\"20:00\""_s,
                  hours + u"sundayLibraryHours.timeOfDayOpen^~%\"08:00\""_s,
                  hours + u"mondayLibraryHours.timeOfDayClosed^~%\"\""_s,
                  hours + u"mondayLibraryHours.timeOfDayOpen^~%\"\""_s,
              }));
    EXPECT_EQ(rows.filter(u"LibraryHoursSettings"_s).size(), 14);
}

TEST_F(BranchSettingsTest, ValidatingAuthorityRowsInOrder)
{
    const QStringList rows = exportRows({
        {u"Validating Authority 1: Name"_s, u"Evergreen"_s},
        {u"Validating Authority 1: Connection Type"_s, u"4"_s},
        {u"Validating Authority 1: User Id Prefixes"_s, u"A1,B2"_s},
        {u"Validating Authority 1: Server Port"_s, u"6001"_s},
        {u"Validating Authority 2: Name"_s, u"Symphony"_s},
    });
    const QStringList connector = rows.filter(u"IlsConnectionSettings.connector"_s);
    const QString c1 = u"BranchSetting^~%IlsConnectionSettings.connector1."_s;
    const QString c2 = u"BranchSetting^~%IlsConnectionSettings.connector2."_s;
    EXPECT_EQ(connector,
              (QStringList{
                  c1 + u"type^~%\"EVERGREEN\""_s,
                  c1 + u"patronIdPrefix^~%\"\""_s,
                  c1 + u"patronIdStartsWithSelectors^~%[\"A1\"]"_s,
                  c1 + u"patronIdStartsWithSelectors^~%[\"B2\"]"_s,
                  c1 + u"sipInstitutionId^~%\"\""_s,
                  c1 + u"remoteServerName^~%\"\""_s,
                  c1 + u"remoteTcpPort^~%6001"_s,
                  c1 + u"sipLocationCode^~%\"\""_s,
                  c1 + u"sipLoginRequired^~%false"_s,
                  c1 + u"sipLoginId^~%\"\""_s,
                  c1 + u"sipPassword^~%\"\""_s,
                  c1 + u"sipErrorDetectionEnabled^~%false"_s,
                  c1 + u"papiProtocol^~%\"https\""_s,
                  c2 + u"type^~%\"SIRSI_DYNIX_SYMPHONY\""_s,
                  c2 + u"patronIdPrefix^~%\"\""_s,
                  c2 + u"sipInstitutionId^~%\"\""_s,
                  c2 + u"remoteServerName^~%\"\""_s,
                  c2 + u"remoteTcpPort^~%0"_s,
                  c2 + u"sipLocationCode^~%\"\""_s,
                  c2 + u"sipLoginRequired^~%false"_s,
                  c2 + u"sipLoginId^~%\"\""_s,
                  c2 + u"sipPassword^~%\"\""_s,
                  c2 + u"sipErrorDetectionEnabled^~%false"_s,
              }));
}

TEST_F(BranchSettingsTest, UnsupportedAuthorityStopsBeforeItsRowsAndKeepsEarlierRows)
{
    struct Case {
        const char *name;
        Preferences preferences;
        QString message;
        QString lastRow;
    };
    const Case cases[] = {
        {"first authority, a character beyond the basic plane in its name",
         {{u"Validating Authority 1: Name"_s, u"Main LDAP Server \U0001F600"_s}},
         u"Validating Authority type is NOT SUPPORTED in Nimbrel Reservation Service: "
         u"Main LDAP Server ?"_s,
         u"BranchSetting^~%ReservationServiceSettings.pinLabelMulti^~%{\"fr\":\"\"}"_s},
        {"second authority over telnet",
         {{u"Validating Authority 1: Name"_s, u"Evergreen"_s},
          {u"Validating Authority 2: Name"_s, u"None"_s},
          {u"Validating Authority 2: Connection Type"_s, u"1"_s}},
         u"Validating Authority using telnet connection is NOT SUPPORTED in Nimbrel "
         u"Reservation Service: None"_s,
         u"BranchSetting^~%IlsConnectionSettings.connector1.sipErrorDetectionEnabled^~%false"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(exportPath());
        MapPreferences store(c.preferences);
        RunReport report;
        ExportFile file(report);
        try {
            exportBranchSettings(store, m_messages, file, exportPath());
            ADD_FAILURE() << "no error raised";
        } catch (const ExportStopped &error) {
            EXPECT_EQ(error.message(), c.message);
        }
        file.flush();
        // A stopped export keeps its rows in the partial file.
        EXPECT_FALSE(QFile::exists(exportPath()));
        EXPECT_EQ(rowsOfFile(ExportFile::partialPath(exportPath())).constLast(), c.lastRow);
    }
}

TEST_F(BranchSettingsTest, WelcomeMessageInstructionOnlyForPositiveFlag)
{
    exportRows({{u"Client: Welcome Message Displayed When Session Starts"_s, u"1"_s}});
    EXPECT_EQ(
        m_console,
        u"ACTION REQUIRED: Please manually configure the Nimbrel Reservation Service setting: "
        u"'Session Start Welcome Message'\n"_s);
    const QStringList rows =
        exportRows({{u"Client: Welcome Message Displayed When Session Starts"_s, u"-1"_s}});
    EXPECT_EQ(valuesOf(rows, u"ReservableComputerSettings.welcomeMessageEnabled"_s),
              QStringList{u"true"_s});
    EXPECT_EQ(m_console, QString());
}

TEST_F(BranchSettingsTest, ExportFileThatCannotBeOpenedWritesNothing)
{
    MapPreferences store;
    Console::Capture console;
    const QString path = m_dir.filePath(u"missing/kestrunSettings.csv"_s);
    RunReport report;
    ExportFile file(report);
    EXPECT_FALSE(exportBranchSettings(store, m_messages, file, path));
    // The system's own words, such as "No such file or directory".
    QString reason;
    EXPECT_FALSE(ExportFile(report).open(path, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(console.out(),
              u"\nFailed to open export file: '"_s + QDir::toNativeSeparators(path)
                  + u"'\nReason: "_s + reason + u"\n\n"_s);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(ExportFile::partialPath(path)));
}

} // namespace
