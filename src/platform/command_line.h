#pragma once

#include <QStringList>

/// The arguments the program was started with, without the program's own name. On
/// Windows they are taken from the wide command line, so no character is lost to the
/// ANSI code page; \a argc and \a argv are used where that cannot be had.
QStringList commandLineArguments(int argc, const char *const *argv);
