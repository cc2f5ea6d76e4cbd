// Conversion of one entered date between the three calendars of the
// Morvane timeline: Space Century (SC), Earth Year (EY) and After War (AW).
#pragma once

#include "CalendarTable.h"
#include "RefusalMessages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mrv {

struct ConversionOutcome {
    // Every front end's one list of what an entry gives: the window's and
    // the page's refusals, and the batch converter's. The page gets these
    // values as they are (web/binding.cpp) and names them once.
    enum class Kind {
        Converted = 0,
        OutOfRange = 1,
        YearZero = 2,
        NotANumber = 3,   // text that is not wholly one number
        NothingTyped = 4, // an empty or blank entry in the window: nothing to answer
    };

    Kind kind = Kind::OutOfRange;
    std::string line; // the result line; empty unless Converted

    static ConversionOutcome converted(std::string resultLine)
    {
        return {Kind::Converted, std::move(resultLine)};
    }
    static ConversionOutcome outOfRange() { return {Kind::OutOfRange, {}}; }
    static ConversionOutcome yearZero() { return {Kind::YearZero, {}}; }
    static ConversionOutcome refused(Kind kind) { return {kind, {}}; }

    bool operator==(const ConversionOutcome&) const = default;
};

// kNotANumberMessage (RefusalMessages.h) naming `entry` (UTF-8) where it
// holds %1; an entry of more than kShownEntry characters shows its first
// ones and "...".
inline constexpr std::size_t kShownEntry = 40;
std::string notANumberMessage(std::string_view entry);

// Where each calendar's piece of a result line lies: "361.98", "4370 AD",
// "AW 2284", the pieces without the "SC " and "EY " labels; the AW piece
// keeps its era, "AW" or "BW", and runs to the end of the line. The EY and
// AW years are below zero, as entries are typed, when their eras are BC
// (not the year 0, which is written "0 BC") and BW.
struct LinePieces {
    std::size_t scBegin = 0, scEnd = 0, eyBegin = 0, eyEnd = 0, awBegin = 0, size = 0;
    bool eyBelowZero = false, awBelowZero = false;
};

// A result line written in place, without allocating: for callers that write
// many of them.
struct ResultLine {
    // A decimal separator longer than this is written as ".".
    static constexpr std::size_t kMaxSeparator = 16;
    static constexpr std::size_t kCapacity = 192;

    std::string_view line() const { return {text, at.size}; }
    std::string_view sc() const { return line().substr(at.scBegin, at.scEnd - at.scBegin); }
    std::string_view ey() const { return line().substr(at.eyBegin, at.eyEnd - at.eyBegin); }
    std::string_view aw() const { return line().substr(at.awBegin); }
    // The years' digits without their eras: "4370", "2284".
    std::string_view eyYear() const { return ey().substr(0, ey().size() - 3); }
    std::string_view awYear() const { return aw().substr(3); }

    char text[kCapacity];
    LinePieces at;
};

// How the three calendars' years line up.
enum class Pairing {
    // One count of years behind all three, the SC date's hundredfold value
    // H, with no year 0: AW = H - 33914, EY = H - 31828 from 1 AD (H 31829)
    // on and H - 31829 before it. So 1 BC is SC 318.28 and BW 2086, every
    // answer converts back to the same three dates, and on EY every zero
    // names the year zero.
    OneCount,
    // Release 1.1.0's, for reproducing stored answers: the EY and AW paths
    // paired BC years by formulas of their own (EY -1 gave SC 318.26 and BW
    // 2087, AW -2086 gave "EY 0 BC"), and the EY and AW limits stopped at
    // 30681 BC and AW 30681.
    Classic
};

// Converts an entry already read (Entry.h reads texts): `entry` is the
// reading's value, std::nullopt for the overflow failure, and `yearZero`
// whether the entry names the year zero on EY. Numbers in the line are
// written with the given decimal separator. The line is written only when
// Converted, into `out`, which has room for ResultLine::kCapacity bytes:
// straight into an output buffer, for a caller that writes many lines.
ConversionOutcome::Kind convertNumber(std::optional<CalendarKind> calendar, std::optional<double> entry,
                                      bool yearZero, std::string_view decimalSeparator, char* out,
                                      LinePieces& pieces, Pairing pairing = Pairing::OneCount);

} // namespace mrv
