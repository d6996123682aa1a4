#pragma once

#include <QStringList>

/// The whole run: banner, preference files loaded, the earlier export and its list
/// deleted, branch rows, database stage, rules warning and notices, summary and list,
/// done message, the final key press. Returns the exit status. Any argument is answered
/// instead (usage, version or an unknown argument), with no export.
int runExporter(const QStringList &arguments);
