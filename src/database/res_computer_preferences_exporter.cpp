#include "database/res_computer_preferences_exporter.h"

#include "export/export_constants.h"

using namespace Qt::StringLiterals;

ResComputerPreferencesExporter::ResComputerPreferencesExporter(ExportFile &file, const QString &exportPath)
    : ExportRowWriter(file, exportPath)
{
}

void ResComputerPreferencesExporter::writeComputer(QStringView name, QStringView description,
                                                   QStringView location, QStringView groupName,
                                                   QStringView status)
{
    // Every field is checked before anything of the row is written; the status is one of
    // the exporter's own texts.
    validateValue(name,        u"Reservable Computer Name"_s);
    validateValue(description, u"Reservable Computer Description"_s);
    validateValue(location,    u"Reservable Computer Location"_s);
    validateValue(groupName,   u"Reservable Computer Group"_s);
    write(u"Computer");
    write(kFieldSeparator);
    writeQuoted(name);
    write(kFieldSeparator);
    writeQuoted(description);
    write(kFieldSeparator);
    writeQuoted(location);
    write(kFieldSeparator);
    writeQuoted(groupName);
    write(kFieldSeparator);
    writeQuoted(status);
    endRow(RowKind::Computer);
}
