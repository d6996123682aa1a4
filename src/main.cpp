#include "driver/exporter_program.h"

int main()
{
    // Command-line arguments are ignored.
    return runExporter();
}
