#include "export/library_hours.h"

#include "export/preferences_exporter.h"
#include "export/setting_categories.h"

using namespace Qt::StringLiterals;

namespace {

/// writeHours writes an empty time for it.
constexpr int kClosedDay = -1;

} // namespace

void writeLibraryHoursOfDay(PreferencesExporter &exporter, size_t day, int openingBlock,
                            int closingBlock, HoursOrder order)
{
    const bool isClosed = openingBlock == closingBlock;
    const int opening = isClosed ? kClosedDay : openingBlock;
    const int closing = isClosed ? kClosedDay : closingBlock;
    const QString key = kLibraryHoursDayKeys[day] + u'.';
    if (order == HoursOrder::ClosingFirst)
        exporter.writeHours(closing, kWeeklyLibraryHours, key, false);
    exporter.writeHours(opening, kWeeklyLibraryHours, key, true);
    if (order == HoursOrder::OpeningFirst)
        exporter.writeHours(closing, kWeeklyLibraryHours, key, false);
}
