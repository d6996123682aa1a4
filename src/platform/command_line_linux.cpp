#include "platform/command_line.h"

QStringList commandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}
