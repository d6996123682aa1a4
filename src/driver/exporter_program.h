#pragma once

#include <QStringList>

/// The whole run: banner, old export file deleted, preference stage, database stage,
/// rules warning, done message, the final key press. Returns the exit status. Any
/// argument is answered instead (usage, version or an unknown argument), with no export.
int runExporter(const QStringList &arguments);
