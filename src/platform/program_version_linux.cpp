#include "platform/program_version.h"

using namespace Qt::StringLiterals;

QString programVersion()
{
    // Compiled in from the project version, so it does not depend on where the
    // program is started from.
    return u"%1.%2.%3"_s.arg(KSE_VERSION_MAJOR).arg(KSE_VERSION_MINOR).arg(KSE_VERSION_PATCH);
}
