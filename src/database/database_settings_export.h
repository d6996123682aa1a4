#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;
class InstallationPaths;
class LocalizedMessages;

/// Dumps the groups and computers tables and exports them into \a file. False when either
/// table could not be exported; the other is still tried. Each dump is deleted once its
/// table is done, also when the export stops; one that cannot be deleted stays, and the
/// operator is told.
bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location,
                            LocalizedMessages &messages, ExportFile &file,
                            GroupNameTable &groupNames);
