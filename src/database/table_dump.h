#pragma once

#include <QString>

/// Writes every row of \a table of the SQLite database at \a databasePath into
/// \a dumpPath as comma-separated text: CR LF after each row, no header, NULL as
/// nothing, other values as SQLite's text of them, quoted where a CSV reader needs it.
/// The database is opened read-only. On failure no dump file is left, \a error holds
/// SQLite's message and the result is false. A dump file of that name is removed first.
bool dumpTable(const QString &databasePath, const QString &table, const QString &dumpPath,
               QString *error);
