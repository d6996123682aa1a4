#pragma once

#include <QString>

/// The program's file version as major.minor.build ("1.0.11"); the fourth number is not shown.
QString programVersion();
