#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;
class InstallationPaths;
class LocalizedMessages;

/// Dumps the groups and computers tables and exports them into \a file. False when either
/// table could not be exported; the other is still tried. No dump file remains afterwards.
bool exportDatabaseSettings(InstallationPaths &paths, ExportLocation &location,
                            LocalizedMessages &messages, ExportFile &file,
                            GroupNameTable &groupNames);
