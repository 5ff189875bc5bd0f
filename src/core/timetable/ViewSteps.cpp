// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetable/ViewSteps.h"

#include "timetable/Timetable.h"

namespace {

// Two days of hours: every hour of the timetable day comes round within them.
constexpr int kMaxPasses = 48;

Moment TopOfHour(const MomentFields& f) {
    return Moment::FromFields(f.year, f.month, f.day, f.hour, 0, 0);
}

}  // namespace

std::optional<HourStep> FindHourStep(const Timetable& timetable, bool later) {
    const MomentFields start = timetable.viewMoment.Fields();
    Moment t = TopOfHour(start);
    bool step = later || start.minute == 0;
    for (int pass = 0; pass < kMaxPasses; ++pass, step = true) {
        if (step) {
            // Rebuilt from its fields, so that many steps do not add up rounding errors.
            t = TopOfHour(t.PlusHours(later ? 1.0 : -1.0).Fields());
        }
        // Past the night's last hour the next day's section takes over.
        const ViewPlace place = timetable.LocateView(t);
        if (place.index < 0) {
            continue;
        }
        const int hour = static_cast<int>(place.seconds / 3600);
        if (place.section->DepartureAt(place.index).time / 60 == hour) {
            return HourStep{t, place.index};
        }
    }
    return std::nullopt;
}

std::optional<Moment> PreviousDepartureMoment(const Timetable& timetable, int topRow) {
    const DaySection* section = timetable.FindSection();
    if (section == nullptr || topRow <= 0 || topRow - 1 >= section->DepartureCount()) {
        return std::nullopt;
    }
    return timetable.MomentOfMinute(section->DepartureAt(topRow - 1).time);
}
