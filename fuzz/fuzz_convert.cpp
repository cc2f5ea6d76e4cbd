// Fuzzes convert on each calendar. The first input byte picks the calendar
// (SC, EY, AW or none); the rest is the entry. Every converted line must
// match the result-line grammar and the calendar's own limits and relations;
// an entry that convert takes for a number must read as the leading-number
// reading reads it; "," read as the point changes nothing but the point.

#include "Entry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using mrv::CalendarKind;
using mrv::ConversionOutcome;

[[noreturn]] void fail(const char* what, std::string_view line)
{
    std::fprintf(stderr, "invariant broken: %s\nline: \"%.*s\"\n", what, static_cast<int>(line.size()),
                 line.data());
    std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A small cursor over the line: each take* consumes on success only.
struct Cursor {
    std::string_view rest;

    bool take(std::string_view piece)
    {
        if (rest.substr(0, piece.size()) != piece)
            return false;
        rest.remove_prefix(piece.size());
        return true;
    }
    std::string_view digits()
    {
        std::size_t n = 0;
        while (n < rest.size() && isDigit(rest[n]))
            ++n;
        std::string_view d = rest.substr(0, n);
        rest.remove_prefix(n);
        return d;
    }
};

long wholeNumber(std::string_view digits)
{
    return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

// Number text of a non-negative value: positional ("4370", "4370.102",
// "0.0001") or exponent form ("1E-07", "1.234568E+07"), no trailing zero in
// a fraction, at most `significant` significant digits. Returns the value.
double numberText(Cursor& c, int significant, std::string_view line)
{
    const char* start = c.rest.data();
    std::string_view whole = c.digits();
    if (whole.empty() || (whole.size() > 1 && whole.front() == '0'))
        fail("EY number has no integer part or a leading zero", line);
    std::string_view fraction;
    if (c.take(".")) {
        fraction = c.digits();
        if (fraction.empty() || fraction.back() == '0')
            fail("EY fraction is empty or ends in zero", line);
    }
    if (c.take("E")) {
        if (whole.size() != 1 || whole == "0" || !(c.take("+") || c.take("-")))
            fail("EY exponent form is malformed", line);
        std::string_view exponent = c.digits();
        if (exponent.size() < 2 || exponent.size() > 3)
            fail("EY exponent has the wrong number of digits", line);
    }
    std::string significand = std::string(whole) + std::string(fraction);
    std::size_t first = significand.find_first_not_of('0');
    std::size_t last = significand.find_last_not_of('0');
    if (first != std::string::npos && static_cast<int>(last - first + 1) > significant)
        fail("EY number has too many significant digits", line);
    return std::strtod(std::string(start, c.rest.data()).c_str(), nullptr);
}

void checkLine(std::optional<CalendarKind> calendar, std::string_view line)
{
    Cursor c{line};
    if (!c.take("SC "))
        fail("line does not start with \"SC \"", line);
    std::string_view scWhole = c.digits();
    if (scWhole.empty() || !c.take("."))
        fail("SC has no integer part or no point", line);
    std::string_view scFraction = c.digits();
    if (scFraction.size() != 2)
        fail("SC does not have exactly two decimals", line);
    const long scHundredfold = wholeNumber(scWhole) * 100 + wholeNumber(scFraction);

    if (!c.take("  -  EY "))
        fail("missing \"  -  EY \"", line);
    const int significant = calendar == CalendarKind::SC ? 7 : calendar == CalendarKind::EY ? 15 : 5;
    const double eyMagnitude = numberText(c, significant, line);
    const bool ad = c.take(" AD  -  ");
    if (!ad && !c.take(" BC  -  "))
        fail("missing \" AD  -  \" or \" BC  -  \"", line);
    if (ad && eyMagnitude == 0.0)
        fail("EY 0 written as AD", line);
    const double ey = ad ? eyMagnitude : -eyMagnitude;

    const bool bw = c.take("BW ");
    if (!bw && !c.take("AW "))
        fail("missing \"AW \" or \"BW \"", line);
    std::string_view awDigits = c.digits();
    if (awDigits.empty() || awDigits.size() > 5 || (awDigits.size() > 1 && awDigits.front() == '0'))
        fail("AW year is not a whole number without leading zeros", line);
    const long awMagnitude = wholeNumber(awDigits);
    if (awMagnitude > 32767 || (bw && awMagnitude == 0))
        fail("AW year is beyond 32767 or BW 0", line);
    const long aw = bw ? -awMagnitude : awMagnitude;
    if (!c.rest.empty())
        fail("text after the AW year", line);

    if (!calendar) {
        if (line != "SC 0.00  -  EY 0 BC  -  AW 0")
            fail("no calendar gave another line than the starting values", line);
        return;
    }
    // Every chosen calendar lands inside one span, SC 11.47 .. 666.81, and
    // none writes the year 0.
    if (scHundredfold < 1147 || scHundredfold > 66681)
        fail("SC outside 11.47 .. 666.81", line);
    if (eyMagnitude == 0.0)
        fail("the year 0 written", line);
    if (*calendar == CalendarKind::AW) {
        if (eyMagnitude != static_cast<double>(static_cast<long>(eyMagnitude)) ||
            static_cast<long>(ey) != aw + (aw >= -2085 ? 2086 : 2085))
            fail("AW path: EY is not the AW year's, 1 BC at BW 2086", line);
    } else if (*calendar == CalendarKind::EY) {
        if (ey > 34853 || ey < -30682)
            fail("EY path: EY beyond its limits", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::optional<CalendarKind> calendar;
    if (data[0] % 4 != 3)
        calendar = static_cast<CalendarKind>(data[0] % 4);
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    ConversionOutcome outcome = mrv::convert(calendar, text);
    using Kind = ConversionOutcome::Kind;
    if (outcome.kind == Kind::Converted)
        checkLine(calendar, outcome.line);
    else if (!outcome.line.empty())
        fail("a refusal carries a line", outcome.line);
    if (outcome.kind == Kind::OutOfRange && !calendar)
        fail("no calendar chosen, yet out of range", text);
    const bool blank = text.find_first_not_of(" \t\n") == std::string_view::npos;
    if ((outcome.kind == Kind::NothingTyped) != blank)
        fail("nothing typed for a text that is not blank, or not for one that is", text);

    // A number as the window reads it is the leading number, whole.
    if (outcome.kind != Kind::NotANumber && !blank) {
        mrv::ResultLine line;
        const Kind lenient =
            mrv::convertEntry(calendar, mrv::Reading::Lenient, text, ".", line.text, line.at);
        if (outcome.kind == Kind::YearZero) {
            if (calendar != CalendarKind::EY || lenient != Kind::YearZero)
                fail("year zero refused for an entry that is not zero on EY", text);
        } else if (lenient != outcome.kind || (lenient == Kind::Converted && line.line() != outcome.line)) {
            fail("the window's number differs from the leading number", text);
        }
    }

    // Where "," is the decimal separator, it reads as "." does.
    if (text.find(',') != std::string_view::npos)
        return 0;
    std::string commaText(text);
    for (char& ch : commaText)
        if (ch == '.')
            ch = ',';
    ConversionOutcome comma = mrv::convert(calendar, commaText, ",");
    std::string expected = outcome.line;
    for (char& ch : expected)
        if (ch == '.')
            ch = ',';
    if (comma.kind != outcome.kind || comma.line != expected)
        fail("the comma read or wrote otherwise than the point", comma.line);
    return 0;
}
