#include "timetable/ViewSteps.h"

#include "settings/AppSettings.h"
#include "timetable/Timetable.h"

namespace {

// Two days of hours: every hour of the timetable day comes round within them.
constexpr int kMaxPasses = 48;

Moment TopOfHour(const MomentFields& f) {
    return Moment::FromFields(f.year, f.month, f.day, f.hour, 0, 0);
}

// The hour of the timetable day that a clock hour stands for.
int TimetableHour(int clockHour, int dayChgHour) {
    return clockHour <= dayChgHour ? clockHour + 24 : clockHour;
}

}  // namespace

std::optional<HourStep> FindHourStep(Timetable& timetable, bool later) {
    const MomentFields start = timetable.viewMoment.Fields();
    Moment t = TopOfHour(start);
    bool step = later || start.minute == 0;
    const int dayChgHour = timetable.settings().dayChgHour;
    for (int pass = 0; pass < kMaxPasses; ++pass, step = true) {
        if (step) {
            // Rebuilt from its fields, so that many steps do not add up rounding errors.
            t = TopOfHour(t.PlusHours(later ? 1.0 : -1.0).Fields());
        }
        const int index = timetable.FindViewDeparture(t);
        const DaySection* section = timetable.FindSection();
        if (index < 0 || section == nullptr ||
            static_cast<std::size_t>(index) >= section->departures.size()) {
            continue;
        }
        const int hour = TimetableHour(t.Hour(), dayChgHour);
        if (section->departures[static_cast<std::size_t>(index)].time / 60 == hour) {
            return HourStep{t, index};
        }
    }
    return std::nullopt;
}

std::optional<Moment> PreviousDepartureMoment(const Timetable& timetable, int topRow) {
    const DaySection* section = timetable.FindSection();
    if (section == nullptr || topRow <= 0 ||
        static_cast<std::size_t>(topRow - 1) >= section->departures.size()) {
        return std::nullopt;
    }
    const int minutes = section->departures[static_cast<std::size_t>(topRow - 1)].time;
    // The timetable day is the calendar day the lookup takes it for: the view moment moved back
    // by the day-change hour. Times past 24:00 fall on the next calendar day.
    const int dayChgHour = timetable.settings().dayChgHour;
    const MomentFields day =
        timetable.viewMoment.PlusDays(-static_cast<double>(dayChgHour) / 24.0).Fields();
    return Moment::FromFields(day.year, day.month, day.day, 0, 0, 0).PlusHours(minutes / 60.0);
}
