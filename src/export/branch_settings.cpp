#include "export/branch_settings.h"

#include "common/messages.h"
#include "export/branch_preferences_exporter.h"
#include "export/branch_rows.h"
#include "export/export_file.h"
#include "platform/console.h"

bool exportBranchSettings(UtilsLib::PortablePreferences &preferences, LocalizedMessages &messages,
                          ExportFile &file, const QString &exportPath)
{
    BranchPreferencesExporter exporter(file, exportPath);
    if (!exporter.isOpen()) {
        Console::endLine(Console::Stream::Out);
        Console::outLine(Messages::exportFileNotOpened(exportPath));
        Console::outLine(Messages::reason(file.openError()));
        Console::endLine(Console::Stream::Out);
        return false;
    }
    writeClientAndReservationRows(preferences, exporter);
    writeStationHoursSessionRows(preferences, messages, exporter);
    writeSystemAuthorityAppearanceRows(preferences, messages, exporter);
    return true;
}
