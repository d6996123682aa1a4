#include "database/database_settings_export.h"

#include "common/export_location.h"
#include "common/installation_paths.h"
#include "common/messages.h"
#include "database/table_dump.h"
#include "platform/console.h"

#include <QFile>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

/// Dumps \a table into \a dumpPath; a database or table that cannot be read is reported
/// on standard error and leaves no dump, which the stage then finds missing.
bool dumpDatabaseTable(InstallationPaths &paths, const QString &table, const QString &dumpPath)
{
    QString error;
    if (dumpTable(paths.databasePath(), table, dumpPath, &error))
        return true;
    Console::errLine(Messages::tableNotDumped(error));
    return false;
}

bool exportGroupTable(InstallationPaths &paths, ExportLocation &location,
                      GroupNameTable &groupNames)
{
    const QString dumpPath = location.groupsDumpPath();
    // No dump outlives its stage, also when a refused value ends the export.
    const auto removeDump = qScopeGuard([&dumpPath] { QFile::remove(dumpPath); });
    const bool dumped = dumpDatabaseTable(paths, u"Pools"_s, dumpPath);
    const bool exported = exportGroupSettings(location, groupNames);
    if (!exported)
        Console::outLine(Messages::groupDataNotWritten(dumpPath));
    return dumped && exported;
}

bool exportComputerTable(InstallationPaths &paths, ExportLocation &location,
                         const GroupNameTable &groupNames)
{
    const QString dumpPath = location.computersDumpPath();
    const auto removeDump = qScopeGuard([&dumpPath] { QFile::remove(dumpPath); });
    const bool dumped = dumpDatabaseTable(paths, u"Equipment"_s, dumpPath);
    const bool exported = exportReservableComputers(location, groupNames);
    if (!exported)
        Console::outLine(Messages::computerDataNotWritten(dumpPath));
    return dumped && exported;
}

} // namespace

bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location,
                            GroupNameTable &groupNames)
{
    // The computers are exported even when the groups were not; they are then all ungrouped.
    // The groups dump is gone before the computers table is dumped.
    const bool groupsExported = exportGroupTable(paths, location, groupNames);
    const bool computersExported = exportComputerTable(paths, location, groupNames);
    return groupsExported && computersExported;
}
