#include "database/database_settings_export.h"

#include "common/export_location.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/table_dump.h"
#include "export/export_file.h"
#include "platform/console.h"

#include <QFile>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

/// Dumps \a table into \a dumpPath. A database or table that cannot be read, or a dump
/// that cannot be written whole, is reported on standard error and leaves no dump, which
/// the stage then finds missing.
bool dumpDatabaseTable(InstallationPaths &paths, ExportFile &file, const QString &table,
                       const QString &dumpPath)
{
    QString error;
    if (dumpTable(paths.databasePath(), table, dumpPath, &error))
        return true;
    // Every row written so far is in the export file before an outcome is reported.
    file.flush();
    Console::errLine(Messages::tableNotDumped(error));
    return false;
}

/// Deletes the dump of a stage. One that cannot be deleted (a read-only export folder) stays
/// behind, and the operator is told; the export does not depend on it.
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

bool exportGroupTable(InstallationPaths &paths, ExportLocation &location, ExportFile &file,
                      GroupNameTable &groupNames)
{
    const QString dumpPath = location.groupsDumpPath();
    // No dump outlives its stage, also when a refused value ends the export.
    const auto removeDumpAtEnd = qScopeGuard([&dumpPath] { removeDump(dumpPath); });
    const bool dumped = dumpDatabaseTable(paths, file, u"Pools"_s, dumpPath);
    const bool exported = exportGroupSettings(location, file, groupNames);
    file.flush();
    if (!exported)
        Console::outLine(Messages::groupDataNotWritten(dumpPath));
    return dumped && exported;
}

bool exportComputerTable(InstallationPaths &paths, ExportLocation &location, ExportFile &file,
                         const GroupNameTable &groupNames)
{
    const QString dumpPath = location.computersDumpPath();
    const auto removeDumpAtEnd = qScopeGuard([&dumpPath] { removeDump(dumpPath); });
    const bool dumped = dumpDatabaseTable(paths, file, u"Equipment"_s, dumpPath);
    const bool exported = exportReservableComputers(location, file, groupNames);
    file.flush();
    if (!exported)
        Console::outLine(Messages::computerDataNotWritten(dumpPath));
    return dumped && exported;
}

} // namespace

bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location, ExportFile &file,
                            GroupNameTable &groupNames)
{
    // The computers are exported even when the groups were not; they are then all ungrouped.
    // The groups dump is gone before the computers table is dumped.
    const bool groupsExported = exportGroupTable(paths, location, file, groupNames);
    const bool computersExported = exportComputerTable(paths, location, file, groupNames);
    return groupsExported && computersExported;
}
