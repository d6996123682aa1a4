#include "database/reservable_computer_export.h"

#include "common/export_location.h"
#include "common/messages.h"
#include "database/dump_reader.h"
#include "database/field_values.h"
#include "database/group_name_table.h"
#include "database/group_preferences_exporter.h"
#include "database/res_computer_preferences_exporter.h"
#include "export/export_file.h"
#include "platform/console.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

/// The status code of a computer taken out of service by hand.
constexpr int kManuallyOutOfServiceCode = 6;
constexpr QLatin1StringView kManuallyOutOfService{"MANUALLY_OUT_OF_SERVICE"};

} // namespace

bool exportReservableComputers(ExportLocation &location, ExportFile &file,
                               const GroupNameTable &groupNames)
{
    const QString dumpPath = location.computersDumpPath();
    DumpReader dump;
    QString error;
    // Why the dump cannot be opened is not said: the table dump has just written it.
    if (!dump.open(dumpPath, &error)) {
        file.flush();
        Console::outLine(Messages::computersDumpNotOpened());
        return false;
    }
    // The database stage reports a file that cannot be opened.
    ResComputerPreferencesExporter exporter(file, location.exportFilePath());
    if (!exporter.isOpen())
        return false;

    bool anyUngrouped = false;
    while (std::optional<Latin1CsvTokenizer> fields = dump.nextRecord(&error)) {
        fields->nextToken(); // 0: not exported
        const QLatin1StringView name = FieldValues::textView(fields->nextToken());
        const QLatin1StringView description = FieldValues::textView(fields->nextToken());
        const QLatin1StringView computerLocation = FieldValues::textView(fields->nextToken());
        const bool outOfService =
            FieldValues::integer(fields->nextToken()) == kManuallyOutOfServiceCode;
        fields->nextToken(); // 5: not exported
        QLatin1StringView groupName = groupNames.lookUp(FieldValues::integer(fields->nextToken()));

        // A computer of an unknown group, or of a group without a name, joins the ungrouped pool.
        const bool isUngrouped = groupName.isEmpty();
        if (isUngrouped)
            groupName = kUngroupedPoolName;
        exporter.writeComputer(name, description, computerLocation, groupName,
                               outOfService ? kManuallyOutOfService : QLatin1StringView());
        if (isUngrouped) {
            anyUngrouped = true;
            file.report().countUngroupedComputer();
        }
    }
    // A dump read only in part is a table that could not be exported, never a shorter one;
    // the ungrouped pool is then not declared either.
    if (!error.isEmpty()) {
        file.flush();
        Console::errLine(Messages::dumpNotRead(dumpPath, error));
        return false;
    }

    // The pool is declared once, after its computers; it has no settings of its own.
    if (anyUngrouped) {
        GroupPreferencesExporter ungroupedPool(file, location.exportFilePath());
        ungroupedPool.writeGroup();
    }
    return true;
}
