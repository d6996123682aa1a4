#include "export/branch_settings.h"

#include "common/messages.h"
#include "export/branch_preferences_exporter.h"
#include "export/branch_rows.h"
#include "export/export_file.h"
#include "platform/console.h"

bool exportBranchSettings(UtilsLib::PortablePreferences &preferences, LocalizedMessages &messages,
                          ExportFile &file, const QString &exportPath)
{
    // The stage opens the file before its exporter does, to say why it cannot be opened.
    QString error;
    if (!file.open(exportPath, &error)) {
        Console::endLine(Console::Stream::Out);
        Console::outLine(Messages::exportFileNotOpened(exportPath));
        Console::outLine(Messages::reason(error));
        Console::endLine(Console::Stream::Out);
        return false;
    }
    BranchPreferencesExporter exporter(file, exportPath);
    writeClientAndReservationRows(preferences, exporter);
    writeStationHoursSessionRows(preferences, messages, exporter);
    writeSystemAuthorityAppearanceRows(preferences, messages, exporter);
    return true;
}
