#include "driver/exporter_program.h"
#include "platform/command_line.h"

int main(int argc, char *argv[])
{
    return runExporter(commandLineArguments(argc, argv));
}
