#pragma once

#include "platform/output_file.h"

#include <QString>

/// How long a dump waits for a database that another process holds locked.
constexpr int kDumpBusyTimeoutMs = 5000;

/// Writes every row of \a table of the SQLite database at \a databasePath into
/// \a dumpPath as comma-separated text: CR LF after each row, no header, NULL as
/// nothing, other values as SQLite's text of them, quoted where a CSV reader needs it.
/// The database is opened read-only; a locked database is waited for up to
/// \a busyTimeoutMs. A dump file of that name is removed first. Every write and the close
/// of the dump are checked. On failure no dump file is left, \a error holds SQLite's
/// message or names the dump and the system's reason, and the result is false.
bool dumpTable(const QString &databasePath, const QString &table, const QString &dumpPath,
               QString *error, int busyTimeoutMs = kDumpBusyTimeoutMs,
               const OutputFileOpener &opener = openOutputFile);
