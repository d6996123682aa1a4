#include "platform/command_line.h"

#include <windows.h>

#include <shellapi.h>

QStringList commandLineArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int index = 1; index < count; ++index)
            arguments.append(QString::fromWCharArray(wide[index]));
        LocalFree(wide);
        return arguments;
    }
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}
