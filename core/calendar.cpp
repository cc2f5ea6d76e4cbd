#include "core/calendar.hpp"
namespace mrv {
ConversionOutcome convert(std::optional<CalendarKind>, std::string_view, std::string_view)
{
    return ConversionOutcome::outOfRange();
}
std::optional<CalendarKind> calendarFromName(std::string_view)
{
    return std::nullopt;
}
} // namespace mrv
