#include "database/database_settings_export.h"

#include "common/export_location.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/group_settings_export.h"
#include "database/reservable_computer_export.h"
#include "database/table_dump.h"
#include "export/export_file.h"
#include "platform/console.h"

#include <QFile>
#include <QScopeGuard>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

/// Deletes the dump of a table. One that cannot be deleted (a read-only export folder)
/// stays behind, and the operator is told; the export does not depend on it.
void removeDump(const QString &dumpPath)
{
    QFile dump(dumpPath);
    if (dump.remove())
        return;
    const QString reason = dump.errorString();
    // A dump that was never written is not left behind.
    if (dump.exists())
        Console::outLine(Messages::dumpNotDeleted(dumpPath, reason));
}

/// One table of the database stage: where it is dumped, how its rows are exported and
/// what is said when they could not be.
struct DatabaseTable {
    QString name;
    QString dumpPath;
    std::function<bool()> exportRows;
    QString (*rowsNotWritten)(const QString &dumpPath);
};

/// Dumps \a table and exports its rows. A database or table that cannot be read, or a
/// dump that cannot be written whole, is reported on standard error and leaves no dump,
/// which the table's export then finds missing.
bool exportTable(InstallationPaths &paths, ExportFile &file, const DatabaseTable &table)
{
    // No dump outlives its table, also when a refused value ends the export.
    const auto removeDumpAtEnd = qScopeGuard([&table] { removeDump(table.dumpPath); });
    QString error;
    const bool dumped = dumpTable(paths.databasePath(), table.name, table.dumpPath, &error);
    if (!dumped) {
        // Every row written so far is in the export file before an outcome is reported.
        file.flush();
        Console::errLine(Messages::tableNotDumped(error));
    }
    const bool exported = table.exportRows();
    file.flush();
    if (!exported)
        Console::outLine(table.rowsNotWritten(table.dumpPath));
    return dumped && exported;
}

} // namespace

bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location,
                            LocalizedMessages &messages, ExportFile &file,
                            GroupNameTable &groupNames)
{
    // The computers are exported even when the groups were not; they are then all ungrouped.
    // The groups dump is gone before the computers table is dumped.
    const bool groupsExported = exportTable(
        paths, file,
        {
            .name = u"Pools"_s,
            .dumpPath = location.groupsDumpPath(),
            .exportRows = [&] { return exportGroupSettings(location, messages, file, groupNames); },
            .rowsNotWritten = Messages::groupDataNotWritten,
        });
    const bool computersExported = exportTable(
        paths, file,
        {
            .name = u"Equipment"_s,
            .dumpPath = location.computersDumpPath(),
            .exportRows = [&] { return exportReservableComputers(location, file, groupNames); },
            .rowsNotWritten = Messages::computerDataNotWritten,
        });
    return groupsExported && computersExported;
}
