// Whole conversions as the windows show them, shared by the Linux (Qt) and
// the Windows (Win32) windows' tests: a calendar chosen, an entry typed,
// Enter pressed, and the line or the box that follows.
#pragma once

namespace mrv::test::cases {

// Nothing: no box, and the result and the calendar stay as they were.
enum class Shows { Line, OutOfRange, YearZero, NotANumber, Nothing };

struct ConversionRow {
    int calendar;
    const char* entry;
    Shows shows;
    const char* line;
};

// The not-a-date box's text, "%1" the entry.
inline constexpr const char* kNotANumberText =
    "Sorry, \"%1\" is not a date.  Please type a number: BC and BW years with a minus.";

// Each calendar, its limits and every refusal, with the point as the
// decimal separator.
inline constexpr ConversionRow kConversions[] = {
    {0, "361.98", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
    {1, "2002", Shows::Line, "SC 338.30  -  EY 2002 AD  -  BW 84"},
    {2, "2284", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
    {0, "11.47", Shows::Line, "SC 11.47  -  EY 30682 BC  -  BW 32767"},
    {0, "666.81", Shows::Line, "SC 666.81  -  EY 34853 AD  -  AW 32767"},
    {0, "11.46", Shows::OutOfRange, ""},
    {1, "-30682", Shows::Line, "SC 11.47  -  EY 30682 BC  -  BW 32767"},
    {1, "-1", Shows::Line, "SC 318.28  -  EY 1 BC  -  BW 2086"},
    {1, "34854", Shows::OutOfRange, ""},
    {2, "30681", Shows::Line, "SC 645.95  -  EY 32767 AD  -  AW 30681"},
    {2, "32767", Shows::Line, "SC 666.81  -  EY 34853 AD  -  AW 32767"},
    {2, "-32767.5", Shows::OutOfRange, ""},
    {2, "40000", Shows::OutOfRange, ""},
    {1, "0", Shows::YearZero, ""},
    {1, " 0", Shows::YearZero, ""},
    {1, "-0", Shows::YearZero, ""},
    {1, "1e-7", Shows::Line, "SC 318.28  -  EY 1E-07 AD  -  BW 2086"},
    {0, " 3 6 1 . 9 8 ", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
    {1, "753 BC", Shows::NotANumber, ""},
    {1, "19O4", Shows::NotANumber, ""},
    {0, "361,98", Shows::NotANumber, ""},
    {1, "<b>x</b>", Shows::NotANumber, ""},
    {2, "2284", Shows::Line, "SC 361.98  -  EY 4370 AD  -  AW 2284"},
    {1, "", Shows::Nothing, ""},
    {0, "   ", Shows::Nothing, ""},
};

// Under a user's decimal comma: lines written with it, entries read with it
// and with the point.
inline constexpr ConversionRow kCommaConversions[] = {
    {0, "361.98", Shows::Line, "SC 361,98  -  EY 4370 AD  -  AW 2284"},
    {1, "2002", Shows::Line, "SC 338,30  -  EY 2002 AD  -  BW 84"},
    {1, "2002.7", Shows::Line, "SC 338,31  -  EY 2002,7 AD  -  BW 83"},
    {0, "361,98", Shows::Line, "SC 361,98  -  EY 4370 AD  -  AW 2284"},
    {0, "361,98.5", Shows::NotANumber, ""},
    {1, "0", Shows::YearZero, ""},
    {1, "0,0", Shows::YearZero, ""},
};

} // namespace mrv::test::cases
