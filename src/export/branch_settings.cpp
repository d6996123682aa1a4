#include "export/branch_settings.h"

#include "common/messages.h"
#include "export/branch_preferences_exporter.h"
#include "platform/console.h"

bool exportBranchSettings(UtilsLib::PortablePreferences &preferences, ExportFile &file,
                          const QString &exportPath)
{
    BranchPreferencesExporter exporter(file, exportPath);
    if (!exporter.isOpen()) {
        Console::endLine(Console::Stream::Out);
        Console::outLine(Messages::exportFileNotOpened(exportPath));
        Console::endLine(Console::Stream::Out);
        return false;
    }
    writeClientAndReservationRows(preferences, exporter);
    writeStationHoursSessionRows(preferences, exporter);
    writeSystemAuthorityAppearanceRows(preferences, exporter);
    return true;
}
