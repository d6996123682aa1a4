#pragma once

#include "platform/output_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The list of settings to configure by hand, as its file holds it: UTF-8 with a
/// byte-order mark, CR LF line ends, a title, an empty line, then the items numbered
/// from 1 in the order given (a line break inside an item becomes a space), or a line
/// that says there is nothing to do.
QByteArray toDoListBytes(const QStringList &items);

/// Writes the list of \a items to \a path, replacing any file there. Every write, the sync
/// and the close are checked; on failure the result is false, \a error holds the system's
/// reason and nothing is left at \a path, or, when what was written cannot be deleted,
/// \a error says that too.
bool writeToDoList(const QString &path, const QStringList &items, QString *error,
                   const OutputFileOpener &opener = openOutputFile);
