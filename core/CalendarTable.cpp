#include "CalendarTable.h"

namespace mrv {

std::optional<CalendarKind> calendarFromName(std::string_view id)
{
    for (const CalendarFacts& calendar : kCalendars) {
        bool same = id.size() == calendar.id.size();
        for (std::size_t i = 0; same && i < id.size(); ++i)
            same = (id[i] | 0x20) == calendar.id[i];
        if (same)
            return calendar.kind;
    }
    return std::nullopt;
}

std::string calendarsInWords(std::string_view CalendarFacts::*label)
{
    std::string words;
    for (std::size_t i = 0; i < kCalendars.size(); ++i) {
        if (i > 0)
            words += i + 1 == kCalendars.size() ? " and " : ", ";
        words.append(kCalendars[i].name).append(" (").append(kCalendars[i].*label).append(")");
    }
    return words;
}

} // namespace mrv
