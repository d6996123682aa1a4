#include "common/export_location.h"
#include "common/export_stopped.h"
#include "database/group_name_table.h"
#include "database/group_settings_export.h"
#include "export/export_file.h"
#include "platform/console.h"

#include "support/temporary_installation.h"
#include "support/test_files.h"

#include <QMap>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kRcs = "ReservableComputerSettings.";
const QByteArray kRs = "ReservationSettings.";
const QByteArray kHours = "LibraryHoursSettings.weeklyLibraryHours.";

using Columns = QMap<int, QByteArray>;

/// One record of the groups dump: 62 columns, each empty unless given as it stands in the dump.
QByteArray groupRecord(const Columns &columns)
{
    QByteArrayList fields(62);
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        fields[it.key()] = it.value();
    return fields.join(',') + "\r\n";
}

/// A group row and its setting rows as the export file holds them.
std::string groupRows(const QByteArray &name, const QByteArrayList &settings)
{
    QByteArray rows = "Group^~%\"" + name + "\"\r\n";
    for (const QByteArray &setting : settings)
        rows += "GroupSetting^~%\"" + name + "\"^~%" + setting + "\r\n";
    return rows.toStdString();
}

struct GroupStageRun {
    bool exported = false;
    std::string exportFile; // as text, so that a failure shows the rows
    QString error;
};

GroupStageRun runGroupStage(TemporaryInstallation &installation, const QByteArray &dump,
                            GroupNameTable &groupNames)
{
    QFile::remove(installation.exportFilePath());
    writeTestFile(installation.groupsDumpPath(), dump);
    GroupStageRun run;
    ExportLocation location;
    RunReport report;
    ExportFile file(report);
    try {
        run.exported = exportGroupSettings(location, installation.messages(), file, groupNames);
    } catch (const ExportStopped &error) {
        run.error = error.message();
    }
    file.flush();
    run.exportFile =
        readTestFile(ExportFile::partialPath(installation.exportFilePath())).toStdString();
    return run;
}

} // namespace

TEST(GroupSettingsExport, MaskBitsSelectTheGroupsOwnSettingsAndOnlyExactTextsCount)
{
    const Columns teens = {
        {0, "3"},      {1, "Teens"}, {2, "255"},       {3, "ff00aa"}, {4, "12"}, {5, "1"},
        {6, "2"},      {7, "30"},    {8, "1"},         {9, "0"},      {10, "0"}, {13, "1"},
        {14, "5"},     {15, "5"},    {16, "prog.exe"}, {17, "3"},     {23, "2"}, {26, "a.exe"},
        {30, "b.exe"}, {46, "96"},   {47, "216"},      {58, "1"},     {59, "2"}, {61, "1"}};
    const QByteArrayList hoursRows = {kHours + "sundayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "sundayLibraryHours.timeOfDayClosed^~%\"\"",
                                      kHours + "mondayLibraryHours.timeOfDayOpen^~%\"08:00\"",
                                      kHours + "mondayLibraryHours.timeOfDayClosed^~%\"18:00\"",
                                      kHours + "tuesdayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "tuesdayLibraryHours.timeOfDayClosed^~%\"\"",
                                      kHours + "wednesdayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "wednesdayLibraryHours.timeOfDayClosed^~%\"\"",
                                      kHours + "thursdayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "thursdayLibraryHours.timeOfDayClosed^~%\"\"",
                                      kHours + "fridayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "fridayLibraryHours.timeOfDayClosed^~%\"\"",
                                      kHours + "saturdayLibraryHours.timeOfDayOpen^~%\"\"",
                                      kHours + "saturdayLibraryHours.timeOfDayClosed^~%\"\""};
    const QByteArrayList ownLength = {
        kRs + "reservationDuration^~%60", kRcs + "extraTimeEnabled^~%true",
        kRcs + "extraTimeIncrementInMinutes^~%0", kRcs + "extraTimeMaxInMinutes^~%1440",
        kRcs + "hideEnabled^~%true"};
    const struct {
        const char *name;
        Columns columns;            // the mask and what differs from the base record
        QByteArrayList ownRows;     // between the colours and internet filtering
        QByteArrayList closingRows; // after internet filtering
    } cases[] = {
        {"no bit", {{11, "0"}}, {}, {}},
        {"bit 4 has no settings", {{11, "16"}}, {}, {}},
        {"reservation length",
         {{11, "1"}},
         {kRs + "reservationDuration^~%60", kRcs + "extraTimeEnabled^~%true",
          kRcs + "extraTimeIncrementInMinutes^~%10", kRcs + "extraTimeMaxInMinutes^~%30",
          kRcs + "hideEnabled^~%true"},
         {}},
        {"no extra time",
         {{11, "1"}, {6, "0"}},
         {kRs + "reservationDuration^~%60", kRcs + "extraTimeEnabled^~%false",
          kRcs + "hideEnabled^~%true"},
         {}},
        {"empty extra time", {{11, "1"}, {6, ""}, {7, "-5"}}, ownLength, {}},
        {"extra time 00", {{11, "1"}, {6, "00"}, {7, "0"}}, ownLength, {}},
        {"reservation rules",
         {{11, "2"}},
         {kRcs + "atClientEnabled^~%true", kRs + "totalMinutesPerDayQuotaEnabled^~%true",
          kRs + "authenticationValidIdRequired^~%false"},
         {kRs + "concurrentReservationsAllowed^~%false"}},
        {"rules with 1 and 0 swapped",
         {{11, "2"}, {9, "1"}, {61, "0"}},
         {kRcs + "atClientEnabled^~%true", kRs + "totalMinutesPerDayQuotaEnabled^~%false",
          kRs + "authenticationValidIdRequired^~%false"},
         {kRs + "concurrentReservationsAllowed^~%true"}},
        {"rules with 00 and empty",
         {{11, "2"}, {9, "00"}, {61, ""}},
         {kRcs + "atClientEnabled^~%true", kRs + "totalMinutesPerDayQuotaEnabled^~%false",
          kRs + "authenticationValidIdRequired^~%false"},
         {kRs + "concurrentReservationsAllowed^~%true"}},
        {"start programs",
         {{11, "8"}},
         {kRcs + "sessionStartPrograms^~%[\"a.exe\"]", kRcs + "sessionStartPrograms^~%[\"b.exe\"]"},
         {}},
        {"library hours", {{11, "32"}}, hoursRows, {}},
    };
    TemporaryInstallation installation;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Columns columns = teens;
        columns.insert(c.columns);
        GroupNameTable groupNames;
        const GroupStageRun run = runGroupStage(installation, groupRecord(columns), groupNames);
        EXPECT_TRUE(run.exported);
        EXPECT_EQ(
            run.exportFile,
            groupRows("Teens",
                      QByteArrayList{kRcs + "customGroupTextColor^~%\"#FF0000\"",
                                     kRcs + "customGroupBoxColor^~%\"#ff00aa\""}
                          + c.ownRows
                          + QByteArrayList{kRcs + "internetFilteringEnabled^~%true",
                                           kRcs + "allowPatronInternetFilterChoiceEnabled^~%true"}
                          + c.closingRows));
        EXPECT_EQ(groupNames.lookUp(3), u"Teens"_s);
    }
}

TEST(GroupSettingsExport, ReadsShortQuotedAndRepeatedRecordsInDumpOrder)
{
    TemporaryInstallation installation;
    const QByteArray dump = "7,Short\r\n"
                            "8,Short rules,,,12,1,,,,,,1\n"
        + groupRecord({{0, "4"},
                       {1, "\"Teens, Room 2\""},
                       {2, "0"},
                       {11, "8"},
                       {23, "1"},
                       {26, "\"C:\\a.exe\r\nC:\\b.exe\""},
                       {58, "1"},
                       {59, "7"}})
        + groupRecord({{0, "9"}, {1, "None"}, {11, "8"}, {23, "0"}, {26, "p1"}})
        + groupRecord({{0, "abc"},
                       {1, "Many"},
                       {11, "8"},
                       {23, "5"},
                       {26, "p1"},
                       {30, "p2"},
                       {34, "p3"},
                       {38, "p4"},
                       {42, "p5"}})
        + "7,Short again";
    const QByteArrayList noColours = {kRcs + "customGroupTextColor^~%\"\"",
                                      kRcs + "customGroupBoxColor^~%\"\""};
    GroupNameTable groupNames;
    const GroupStageRun run = runGroupStage(installation, dump, groupNames);
    EXPECT_TRUE(run.exported);
    EXPECT_EQ(
        run.exportFile,
        groupRows("Short", noColours)
            + groupRows("Short rules",
                        noColours
                            + QByteArrayList{kRs + "reservationDuration^~%60",
                                             kRcs + "extraTimeEnabled^~%true",
                                             kRcs + "extraTimeIncrementInMinutes^~%0",
                                             kRcs + "extraTimeMaxInMinutes^~%1440",
                                             kRcs + "hideEnabled^~%false"})
            + groupRows("Teens, Room 2",
                        {kRcs + "customGroupTextColor^~%\"#000000\"",
                         kRcs + "customGroupBoxColor^~%\"\"",
                         kRcs + "sessionStartPrograms^~%[\"C:\\a.exe\"]",
                         kRcs + "sessionStartPrograms^~%[\"C:\\b.exe\"]",
                         kRcs + "internetFilteringEnabled^~%true"})
            + groupRows("None", noColours + QByteArrayList{kRcs + "sessionStartPrograms^~%[\"\"]"})
            + groupRows("Many",
                        noColours
                            + QByteArrayList{kRcs + "sessionStartPrograms^~%[\"p1\"]",
                                             kRcs + "sessionStartPrograms^~%[\"p2\"]",
                                             kRcs + "sessionStartPrograms^~%[\"p3\"]",
                                             kRcs + "sessionStartPrograms^~%[\"p4\"]",
                                             kRcs + "sessionStartPrograms^~%[\"p5\"]"})
            + groupRows("Short again", noColours));
    // The later of two groups with one number keeps it; a number that is not one is 0.
    EXPECT_EQ(groupNames.lookUp(7), u"Short again"_s);
    EXPECT_EQ(groupNames.lookUp(4), u"Teens, Room 2"_s);
    EXPECT_EQ(groupNames.lookUp(0), u"Many"_s);
}

TEST(GroupSettingsExport, WarningMessagesAreLookedUpUnderTheWholeGroupNumber)
{
    TemporaryInstallation installation;
    writeTestFile(installation.localMessagesPath(),
                  "[English]\r\n"
                  "LCL_P12345678901234_W1_DSP=Five minutes left\r\n"
                  "LCL_P12345678901234_W1_D=cut key\r\n"
                  "LCL_P12345678901234_W3_DSP=Last minute\r\n"
                  "[Espa\xF1ol]\r\n"
                  "LCL_P12345678901234_W1_DSP=Quedan cinco minutos\r\n"
                  "[Fran\xE7"
                  "ais]\r\n"
                  "LCL_P12345678901234_W1_DSP=Plus que cinq minutes\r\n");
    const QByteArray warning1 = kRcs + "firstEndOfSessionWarning.";
    const QByteArray warning3 = kRcs + "thirdEndOfSessionWarning.";
    GroupNameTable groupNames;
    const GroupStageRun run = runGroupStage(installation,
                                            groupRecord({{0, "12345678901234"},
                                                         {1, "Lab"},
                                                         {11, "4"},
                                                         {13, "3"},
                                                         {14, "5"},
                                                         {15, "5"},
                                                         {16, "warn.exe"},
                                                         {17, "0"},
                                                         {18, "7"},
                                                         {20, "1"},
                                                         {21, "2"}}),
                                            groupNames);
    EXPECT_EQ(run.exportFile,
              groupRows("Lab",
                        {kRcs + "customGroupTextColor^~%\"\"",
                         kRcs + "customGroupBoxColor^~%\"\"",
                         warning1 + "enabled^~%true",
                         warning1 + "minutesBeforeEventEnds^~%5",
                         warning1 + "programExecutionPath^~%\"warn.exe\"",
                         warning1 + "beepEnabled^~%true",
                         warning1 + "flashEnabled^~%false",
                         warning1 + "messageEnabled^~%true",
                         warning1 + "displayMessageMulti^~%{\"en\":\"Five minutes left\"}",
                         warning1 + "displayMessageMulti^~%{\"es\":\"Quedan cinco minutos\"}",
                         warning1 + "displayMessageMulti^~%{\"fr\":\"Plus que cinq minutes\"}",
                         kRcs + "secondEndOfSessionWarning.enabled^~%false",
                         warning3 + "enabled^~%true",
                         warning3 + "minutesBeforeEventEnds^~%1",
                         warning3 + "programExecutionPath^~%\"\"",
                         warning3 + "beepEnabled^~%false",
                         warning3 + "flashEnabled^~%true",
                         warning3 + "messageEnabled^~%false",
                         warning3 + "displayMessageMulti^~%{\"en\":\"Last minute\"}",
                         warning3 + "displayMessageMulti^~%{\"es\":\"\"}",
                         warning3 + "displayMessageMulti^~%{\"fr\":\"\"}"}));
}

TEST(GroupSettingsExport, StrictIntegerColumnsStopTheExportWhenTheyHoldNoNumber)
{
    const QByteArrayList colours = {kRcs + "customGroupTextColor^~%\"\"",
                                    kRcs + "customGroupBoxColor^~%\"\""};
    const struct {
        const char *name;
        Columns columns; // mask, at-client, valid ID
        QString error;
        QByteArrayList settings;
    } cases[] = {
        {"letters in column 5",
         {{11, "2"}, {5, "yes"}, {10, "1"}},
         u"ERROR: This value is not a whole number: 'yes' (group 'Teens', column 5). Please "
         u"correct it in the Management Console and export again."_s,
         colours},
        {"empty column 10",
         {{11, "2"}, {5, " 7x"}, {10, ""}},
         u"ERROR: This value is not a whole number: '' (group 'Teens', column 10). Please "
         u"correct it in the Management Console and export again."_s,
         colours
             + QByteArrayList{kRcs + "atClientEnabled^~%true",
                              kRs + "totalMinutesPerDayQuotaEnabled^~%false"}},
        {"not read without bit 1", {{11, "0"}, {5, "yes"}, {10, ""}}, QString(), colours},
    };
    TemporaryInstallation installation;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Columns columns = {{0, "3"}, {1, "Teens"}};
        columns.insert(c.columns);
        GroupNameTable groupNames;
        const GroupStageRun run = runGroupStage(installation, groupRecord(columns), groupNames);
        EXPECT_EQ(run.error, c.error);
        EXPECT_EQ(run.exportFile, groupRows("Teens", c.settings));
    }
}
