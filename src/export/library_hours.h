#pragma once

#include <QLatin1StringView>

#include <array>

class PreferencesExporter;

/// The keys of the weekly library hours, Sunday first; each key is followed by "." and
/// "timeOfDayOpen" or "timeOfDayClosed".
inline constexpr std::array<QLatin1StringView, 7> kLibraryHoursDayKeys{
    QLatin1StringView("sundayLibraryHours"),   QLatin1StringView("mondayLibraryHours"),
    QLatin1StringView("tuesdayLibraryHours"),  QLatin1StringView("wednesdayLibraryHours"),
    QLatin1StringView("thursdayLibraryHours"), QLatin1StringView("fridayLibraryHours"),
    QLatin1StringView("saturdayLibraryHours"),
};

/// Which of a day's two times is written first: the branch rows write the closing time
/// first, a group's rows the opening time.
enum class HoursOrder {
    ClosingFirst,
    OpeningFirst,
};

/// The opening and closing rows of \a day (0 is Sunday), each a time of day counted in
/// blocks of 5 minutes from midnight. A day whose opening and closing are equal is
/// closed: both times are written empty.
void writeLibraryHoursOfDay(PreferencesExporter &exporter, size_t day, int openingBlock,
                            int closingBlock, HoursOrder order);
