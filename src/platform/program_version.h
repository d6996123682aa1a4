#pragma once

#include <QString>

/// The program's file version as major.minor.build ("1.0.11"); the fourth number is not
/// shown. Windows reads it from the version resource of the running program, whatever
/// the length of its path; elsewhere it is compiled in. Empty when it cannot be read.
QString programVersion();
