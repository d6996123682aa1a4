#include "database/res_computer_preferences_exporter.h"

#include "common/messages.h"
#include "export/export_constants.h"

using namespace Qt::StringLiterals;

namespace {

// The settings a refused field is reported under.
const QString kNameLabel = Messages::computerNameLabel();
const QString kDescriptionLabel = Messages::computerDescriptionLabel();
const QString kLocationLabel = Messages::computerLocationLabel();
const QString kGroupLabel = Messages::computerGroupLabel();

} // namespace

ResComputerPreferencesExporter::ResComputerPreferencesExporter(ExportFile &file,
                                                               const QString &exportPath)
    : ExportRowWriter(file, exportPath)
{ }

void ResComputerPreferencesExporter::writeComputer(QLatin1StringView name,
                                                   QLatin1StringView description,
                                                   QLatin1StringView location,
                                                   QLatin1StringView groupName,
                                                   QLatin1StringView status)
{
    // Every field is checked before anything of the row is written; the status is one of
    // the exporter's own texts.
    validateValue(name, kNameLabel);
    validateValue(description, kDescriptionLabel);
    validateValue(location, kLocationLabel);
    validateValue(groupName, kGroupLabel);
    write("Computer"_L1);
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
