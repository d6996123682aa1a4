#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;
class LocalizedMessages;

/// One "Group" row and its setting rows per record of the groups dump, in dump order;
/// fills \a groupNames. False when the dump or the export file cannot be opened.
bool exportGroupSettings(ExportLocation &location, LocalizedMessages &messages, ExportFile &file,
                         GroupNameTable &groupNames);
