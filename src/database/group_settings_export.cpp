#include "database/group_settings_export.h"

#include "common/export_location.h"
#include "common/export_stopped.h"
#include "common/messages.h"
#include "database/dump_reader.h"
#include "database/field_values.h"
#include "database/group_name_table.h"
#include "database/group_preferences_exporter.h"
#include "export/end_of_session_warnings.h"
#include "export/export_file.h"
#include "export/library_hours.h"
#include "export/setting_categories.h"
#include "export/value_conversions.h"
#include "platform/console.h"

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using FieldValues::equals;
using FieldValues::Field;
using FieldValues::integer;
using FieldValues::text;

// Bits of a group's settings mask: the group carries its own values for these settings.
constexpr int kOwnReservationLength = 1; ///< reservation length, extra time, hide
constexpr int kOwnReservationRules = 2;  ///< at-client, daily quota, valid ID, concurrent
constexpr int kOwnWarnings = 4;          ///< the three end-of-session warnings
constexpr int kOwnStartPrograms = 8;     ///< session start programs
constexpr int kOwnLibraryHours = 32;     ///< weekly library hours

struct WarningColumns {
    Field minutes; ///< minutes before the session ends
    Field actions; ///< beep, flash, message bits
    Field program; ///< program to run
};

struct DayColumns {
    Field opening; ///< block of 5 minutes from midnight
    Field closing;
};

/// The columns of one record of the groups dump that the export uses, as read.
struct GroupRecord {
    Field number;                           // 0
    Field name;                             // 1
    Field textColor;                        // 2
    Field boxColor;                         // 3
    Field reservationLength;                // 4, in blocks
    Field atClient;                         // 5, strict integer
    Field extraTime;                        // 6, "0" for none, else the increment in blocks
    Field extraTimeMaximum;                 // 7, in minutes
    Field hide;                             // 8
    Field dailyQuota;                       // 9, "0" means the quota applies
    Field validIdRequired;                  // 10, strict integer
    Field mask;                             // 11
    Field warningsInUse;                    // 13
    std::array<WarningColumns, 3> warnings; // 14 to 22
    Field startProgramCount;                // 23
    std::array<Field, 5> startPrograms;     // 26, 30, 34, 38, 42
    std::array<DayColumns, 7> days;         // 44 to 57, Sunday first
    Field filtering;                        // 58
    Field filteringChoice;                  // 59
    Field concurrentReservations;           // 61, taken only for a group with its own rules
};

/// Takes the columns of one record in their order.
GroupRecord readGroupRecord(Latin1CsvTokenizer &fields)
{
    GroupRecord group;
    group.number = fields.nextToken();
    group.name = fields.nextToken();
    group.textColor = fields.nextToken();
    group.boxColor = fields.nextToken();
    group.reservationLength = fields.nextToken();
    group.atClient = fields.nextToken();
    group.extraTime = fields.nextToken();
    group.extraTimeMaximum = fields.nextToken();
    group.hide = fields.nextToken();
    group.dailyQuota = fields.nextToken();
    group.validIdRequired = fields.nextToken();
    group.mask = fields.nextToken();
    fields.nextToken(); // 12: not exported
    group.warningsInUse = fields.nextToken();
    for (WarningColumns &warning : group.warnings) {
        warning.minutes = fields.nextToken();
        warning.actions = fields.nextToken();
        warning.program = fields.nextToken();
    }
    group.startProgramCount = fields.nextToken();
    // Each program slot has four columns; only the third names the program.
    for (Field &program : group.startPrograms) {
        fields.nextToken();
        fields.nextToken();
        program = fields.nextToken();
        fields.nextToken();
    }
    for (DayColumns &day : group.days) {
        day.opening = fields.nextToken();
        day.closing = fields.nextToken();
    }
    group.filtering = fields.nextToken();
    group.filteringChoice = fields.nextToken();
    fields.nextToken(); // 60: not exported
    if (integer(group.mask) & kOwnReservationRules)
        group.concurrentReservations = fields.nextToken();
    return group;
}

/// The number in \a field; throws the whole-number error naming the group and the column.
/// Two columns of the groups table must hold a number when the group has its own
/// reservation rules; an export with a guessed value would be wrong, so it stops.
int strictInteger(const Field &field, int column, const QString &groupName)
{
    const std::optional<int> value = FieldValues::strictInteger(field);
    if (!value) {
        throw ExportStopped(Messages::valueNotWholeNumber(text(field), groupName, column));
    }
    return *value;
}

/// The key of warning \a number's message of the group \a groupNumber, such as
/// "LCL_P12_W1_DSP". The whole number text goes into the key, however long it is.
QByteArray warningMessageKey(QLatin1StringView groupNumber, int number)
{
    QByteArray key;
    key.reserve(groupNumber.size() + 12);
    key.append("LCL_P").append(groupNumber.data(), groupNumber.size());
    key.append("_W").append(char('0' + number)).append("_DSP");
    return key;
}

/// Warning \a number (1 to 3) is in use when the group counts that many warnings and it
/// has minutes; otherwise only its "enabled" row is written.
void writeWarning(GroupPreferencesExporter &exporter, LocalizedMessages &messages,
                  const GroupRecord &group, int number)
{
    const WarningColumns &warning = group.warnings[size_t(number - 1)];
    const int minutes = integer(warning.minutes);
    writeEndOfSessionWarning(
        exporter, messages, number,
        {
            .isInUse = integer(group.warningsInUse) >= number && minutes >= 1,
            .minutesBeforeEnd = minutes,
            .programPath = text(warning.program),
            .actions = integer(warning.actions),
            .messageKey = warningMessageKey(FieldValues::textView(group.number), number),
        });
}

/// The day's opening and closing rows, opening first.
void writeDayHours(GroupPreferencesExporter &exporter, const GroupRecord &group, size_t day)
{
    writeLibraryHoursOfDay(exporter, day, integer(group.days[day].opening),
                           integer(group.days[day].closing), HoursOrder::OpeningFirst);
}

/// The setting rows of one group, in the order of the group mapping. Every value is
/// converted when its row is written, so rows before a refused value stay written.
void writeGroupSettings(GroupPreferencesExporter &exporter, LocalizedMessages &messages,
                        const GroupRecord &group)
{
    const QString &name = exporter.groupName();
    const int mask = integer(group.mask);
    const bool hasExtraTime = !equals(group.extraTime, "0"_L1);
    const int extraTimeMaximum = integer(group.extraTimeMaximum);
    const int startProgramCount = integer(group.startProgramCount);
    const int filtering = integer(group.filtering);
    const int filteringChoice = integer(group.filteringChoice);

    // Colours, whatever the mask says.
    exporter.writeString(convertColor(text(group.textColor)), kReservableComputerSettings,
                         u"customGroupTextColor"_s);
    exporter.writeString(convertColor(text(group.boxColor)), kReservableComputerSettings,
                         u"customGroupBoxColor"_s);

    // Reservation length, extra time and hiding.
    if (mask & kOwnReservationLength) {
        exporter.writeInt(blocksToMinutes(text(group.reservationLength)), kReservationSettings,
                          u"reservationDuration"_s);
        exporter.writeBool(hasExtraTime, kReservableComputerSettings, u"extraTimeEnabled"_s);
        if (hasExtraTime) {
            exporter.writeInt(blocksToMinutes(text(group.extraTime)), kReservableComputerSettings,
                              u"extraTimeIncrementInMinutes"_s);
            exporter.writeInt(extraTimeMaximumMinutes(extraTimeMaximum),
                              kReservableComputerSettings, u"extraTimeMaxInMinutes"_s);
        }
        exporter.writeBool(integer(group.hide) != 0, kReservableComputerSettings, u"hideEnabled"_s);
    }

    // At-client reservations, daily quota and valid ID.
    if (mask & kOwnReservationRules) {
        exporter.writeBool(strictInteger(group.atClient, 5, name) != 0, kReservableComputerSettings,
                           u"atClientEnabled"_s);
        exporter.writeBool(equals(group.dailyQuota, "0"_L1), kReservationSettings,
                           u"totalMinutesPerDayQuotaEnabled"_s);
        exporter.writeBool(strictInteger(group.validIdRequired, 10, name) != 0,
                           kReservationSettings, u"authenticationValidIdRequired"_s);
    }

    // End-of-session warnings.
    if (mask & kOwnWarnings) {
        writeWarning(exporter, messages, group, 1);
        writeWarning(exporter, messages, group, 2);
        writeWarning(exporter, messages, group, 3);
    }

    // Session start programs: one row even without programs, at most five.
    if (mask & kOwnStartPrograms) {
        exporter.writeList(startProgramCount < 1 ? QString() : text(group.startPrograms[0]),
                           kReservableComputerSettings, u"sessionStartPrograms"_s);
        if (startProgramCount > 1)
            exporter.writeList(text(group.startPrograms[1]), kReservableComputerSettings,
                               u"sessionStartPrograms"_s);
        if (startProgramCount > 2)
            exporter.writeList(text(group.startPrograms[2]), kReservableComputerSettings,
                               u"sessionStartPrograms"_s);
        if (startProgramCount > 3)
            exporter.writeList(text(group.startPrograms[3]), kReservableComputerSettings,
                               u"sessionStartPrograms"_s);
        if (startProgramCount > 4)
            exporter.writeList(text(group.startPrograms[4]), kReservableComputerSettings,
                               u"sessionStartPrograms"_s);
    }

    // Weekly library hours, Sunday first.
    if (mask & kOwnLibraryHours) {
        writeDayHours(exporter, group, 0);
        writeDayHours(exporter, group, 1);
        writeDayHours(exporter, group, 2);
        writeDayHours(exporter, group, 3);
        writeDayHours(exporter, group, 4);
        writeDayHours(exporter, group, 5);
        writeDayHours(exporter, group, 6);
    }

    // Internet filtering, whatever the mask says; another choice than 0 to 2 adds nothing.
    if (filtering > 0) {
        exporter.writeBool(true, kReservableComputerSettings, u"internetFilteringEnabled"_s);
        if (filteringChoice == 0)
            exporter.writeString(u"FILTERED"_s, kReservableComputerSettings,
                                 u"defaultInternetFiltering"_s);
        if (filteringChoice == 1)
            exporter.writeString(u"FULL_ACCESS"_s, kReservableComputerSettings,
                                 u"defaultInternetFiltering"_s);
        if (filteringChoice == 2)
            exporter.writeBool(true, kReservableComputerSettings,
                               u"allowPatronInternetFilterChoiceEnabled"_s);
    }

    // Concurrent reservations, with the other reservation rules.
    if (mask & kOwnReservationRules)
        exporter.writeBool(!equals(group.concurrentReservations, "1"_L1), kReservationSettings,
                           u"concurrentReservationsAllowed"_s);
}

} // namespace

bool exportGroupSettings(ExportLocation &location, LocalizedMessages &messages, ExportFile &file,
                         GroupNameTable &groupNames)
{
    const QString dumpPath = location.groupsDumpPath();
    DumpReader dump;
    QString error;
    // Why the dump cannot be opened is not said: the table dump has just written it.
    if (!dump.open(dumpPath, &error)) {
        file.flush();
        Console::outLine(Messages::groupsDumpNotOpened());
        return false;
    }
    while (std::optional<Latin1CsvTokenizer> fields = dump.nextRecord(&error)) {
        const GroupRecord group = readGroupRecord(*fields);
        // A number text that is not a whole number is group 0.
        groupNames.enter(text(group.number).toInt(nullptr, 10), FieldValues::textView(group.name));

        // One exporter per group: its row kind names the group.
        GroupPreferencesExporter exporter(file, location.exportFilePath(), text(group.name));
        if (!exporter.isOpen())
            return false;
        exporter.writeGroup();
        writeGroupSettings(exporter, messages, group);
    }
    // A dump read only in part is a table that could not be exported, never a shorter one.
    if (!error.isEmpty()) {
        file.flush();
        Console::errLine(Messages::dumpNotRead(dumpPath, error));
        return false;
    }
    return true;
}
