#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;
class InstallationPaths;

/// Dumps the groups and computers tables and exports them into \a file. False when either
/// table could not be exported; the other is still tried. No dump file remains afterwards.
bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location, ExportFile &file,
                            GroupNameTable &groupNames);

/// One "Group" row and its setting rows per record of the groups dump; fills \a groupNames.
bool exportGroupSettings(ExportLocation &location, ExportFile &file, GroupNameTable &groupNames);

/// One "Computer" row per record of the computers dump, then the ungrouped pool if needed.
bool exportReservableComputers(ExportLocation &location, ExportFile &file,
                               const GroupNameTable &groupNames);
