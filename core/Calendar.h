// Conversion of one entered date between the three calendars of the
// Morvane timeline: Space Century (SC), Earth Year (EY) and After War (AW).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mrv {

// The value is the index of the calendar's option button in the window.
enum class CalendarKind { SC = 0, EY = 1, AW = 2 };

struct ConversionOutcome {
    enum class Kind { Converted, OutOfRange, YearZero };

    Kind kind = Kind::OutOfRange;
    std::string line; // the result line; empty unless Converted

    static ConversionOutcome converted(std::string resultLine)
    {
        return {Kind::Converted, std::move(resultLine)};
    }
    static ConversionOutcome outOfRange() { return {Kind::OutOfRange, {}}; }
    static ConversionOutcome yearZero() { return {Kind::YearZero, {}}; }

    bool operator==(const ConversionOutcome&) const = default;
};

inline constexpr std::string_view kOutOfRangeMessage = "Sorry, that date is out of range.  Please try again.";
inline constexpr std::string_view kOutOfRangeTitle = "Morvane Date Converter";
inline constexpr std::string_view kYearZeroMessage =
    "There is no such date as 0 AD.  The Gregorian calendar jumps from 1 BC to 1 AD.";
inline constexpr std::string_view kYearZeroTitle = "MRV Date Convertor";

// Converts the text exactly as typed (not trimmed) on the chosen calendar, or
// with no calendar chosen. Numbers in the line are written with the given
// decimal separator; reading always uses ".". Pure: keeps no state.
ConversionOutcome convert(std::optional<CalendarKind> calendar, std::string_view text,
                          std::string_view decimalSeparator = ".");

// Parses "sc", "ey" or "aw" (any case).
std::optional<CalendarKind> calendarFromName(std::string_view name);

} // namespace mrv
