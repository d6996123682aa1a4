#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;

/// One "Computer" row per record of the computers dump, then the ungrouped pool if needed.
/// False when the dump or the export file cannot be opened.
bool exportReservableComputers(ExportLocation &location, ExportFile &file,
                               const GroupNameTable &groupNames);
