#include "export/library_hours.h"

#include "export/preferences_exporter.h"
#include "export/setting_categories.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

/// writeHours writes an empty time for it.
constexpr int kClosedDay = -1;

/// The keys of one day's two rows, the day's key, "." and the time.
struct DayKeys {
    QString opening;
    QString closing;
};

/// The keys of the seven days, made once per run: every group with hours of its own
/// writes them.
const std::array<DayKeys, 7> &dayKeys()
{
    static const std::array<DayKeys, 7> keys = [] {
        std::array<DayKeys, 7> made;
        for (size_t day = 0; day < made.size(); ++day) {
            const QString key = kLibraryHoursDayKeys[day] + u'.';
            made[day] = {key + u"timeOfDayOpen"_s, key + u"timeOfDayClosed"_s};
        }
        return made;
    }();
    return keys;
}

} // namespace

void writeLibraryHoursOfDay(PreferencesExporter &exporter, size_t day, int openingBlock,
                            int closingBlock, HoursOrder order)
{
    const bool isClosed = openingBlock == closingBlock;
    const int opening = isClosed ? kClosedDay : openingBlock;
    const int closing = isClosed ? kClosedDay : closingBlock;
    const DayKeys &keys = dayKeys()[day];
    if (order == HoursOrder::ClosingFirst)
        exporter.writeHours(closing, kWeeklyLibraryHours, keys.closing);
    exporter.writeHours(opening, kWeeklyLibraryHours, keys.opening);
    if (order == HoursOrder::OpeningFirst)
        exporter.writeHours(closing, kWeeklyLibraryHours, keys.closing);
}
