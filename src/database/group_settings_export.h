#pragma once

class ExportFile;
class ExportLocation;
class GroupNameTable;
class LocalizedMessages;

/// One "Group" row and its setting rows per record of the groups dump, in dump order;
/// fills \a groupNames. False when the dump cannot be opened or read whole (said on the
/// console) or the export file cannot be opened (said when it was tried).
bool exportGroupSettings(ExportLocation &location, LocalizedMessages &messages, ExportFile &file,
                         GroupNameTable &groupNames);
