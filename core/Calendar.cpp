#include "Calendar.h"

#include "Digits.h"
#include "DynamicNumber.h"
#include "NumberReader.h"
#include "NumberText.h"
#include "Rounding.h"

#include <cmath>
#include <cstdint>

namespace mrv {
namespace {

// Inclusive limits on the entered value, from the calendars' table: the
// same span of years on every calendar. SC is worked in hundredfold singles.
constexpr float kScLowest = static_cast<float>(facts(CalendarKind::SC).lowest * 100.0);
constexpr float kScHighest = static_cast<float>(facts(CalendarKind::SC).highest * 100.0);
constexpr double kEyLowest = facts(CalendarKind::EY).lowest;
constexpr double kEyHighest = facts(CalendarKind::EY).highest;
constexpr auto kAwLowest = static_cast<std::int16_t>(facts(CalendarKind::AW).lowest);
constexpr auto kAwHighest = static_cast<std::int16_t>(facts(CalendarKind::AW).highest);
// Release 1.1.0's, which held the AW path's EY year in 16 bits.
constexpr double kClassicEyLowest = -30681.0;
constexpr std::int16_t kClassicAwHighest = 30681;

// Working values of one request; every request starts from these.
struct Working {
    float scValue = 0.0f;
    // The SC text as hundredths, when an SC entry gives it straight: a
    // hundredfold that is whole. The single nearest to it over 100 lies
    // within 0.004 hundredths of it, so its two-decimal text is these digits.
    std::optional<std::uint32_t> scHundredths;
    DynamicNumber eyValue;
    std::int16_t awValue = 0;
};

using digits::put;

void writeResultLine(const Working& w, std::string_view separator, char* const begin, LinePieces& at)
{
    if (separator.size() > ResultLine::kMaxSeparator)
        separator = ".";
    static_assert(ResultLine::kCapacity >= 40 + 2 * (kMaxNumberText + ResultLine::kMaxSeparator));
    char* out = put(put(begin, facts(CalendarKind::SC).prefix), " ");
    at.scBegin = static_cast<std::size_t>(out - begin);
    if (w.scHundredths) {
        out = digits::small(out, *w.scHundredths / 100);
        out = put(out, separator);
        out = digits::pair(out, *w.scHundredths % 100);
    } else {
        out = writeFixedTwoDecimalText(out, w.scValue, separator);
    }
    at.scEnd = static_cast<std::size_t>(out - begin);
    out = put(put(put(out, "  -  "), facts(CalendarKind::EY).prefix), " ");
    at.eyBegin = static_cast<std::size_t>(out - begin);
    // The limits keep the EY year away from -32768, the one value whose
    // absolute value would not fit.
    out = w.eyValue.writeAbsText(out, separator);
    out = put(out, w.eyValue > 0.0 ? " AD" : " BC");
    at.eyEnd = static_cast<std::size_t>(out - begin);
    at.eyBelowZero = w.eyValue.value() < 0.0;
    at.awBelowZero = w.awValue < 0;
    out = put(out, "  -  ");
    at.awBegin = static_cast<std::size_t>(out - begin);
    out = put(put(out, w.awValue < 0 ? "BW" : facts(CalendarKind::AW).prefix), " "); // BW: before the war
    out = digits::small(out, static_cast<std::uint32_t>(w.awValue < 0 ? -w.awValue : w.awValue));
    at.size = static_cast<std::size_t>(out - begin);
}

// Each path returns false for an entry outside its calendar's limits,
// oversized entries that the working types cannot hold included.
bool fromSpaceCentury(std::optional<double> entry, Working& w)
{
    if (!entry)
        return false;
    std::optional<float> hundredfold = toSingle(*entry * 100.0);
    if (!hundredfold || !(*hundredfold <= kScHighest && *hundredfold >= kScLowest))
        return false;
    const double h = *hundredfold;
    w.awValue = *roundToInt16(h - 33914.0);
    // This path has no year 0: hundredfold 31829 is 1 AD and 31828 is 1 BC.
    w.eyValue = DynamicNumber(*toSingle(h >= 31829.0 ? h - 31828.0 : h - 31829.0));
    if (const auto whole = static_cast<std::uint32_t>(h); static_cast<double>(whole) == h)
        w.scHundredths = whole; // two decimals at most, as users enter dates
    else
        w.scValue = *toSingle(h / 100.0);
    return true;
}

bool fromEarthYear(std::optional<double> entry, Pairing pairing, Working& w)
{
    const bool classic = pairing == Pairing::Classic;
    if (!entry || *entry > kEyHighest || *entry < (classic ? kClassicEyLowest : kEyLowest))
        return false;
    const double year = *entry;
    w.eyValue = DynamicNumber(year);
    if (year > 0.0 || classic) {
        w.awValue = *roundToInt16(year - 2086.0);
        w.scValue = *toSingle(year > 0.0 ? year * 0.01 + 318.28 : 318.27 - std::fabs(year) * 0.01);
    } else {
        // 1 BC follows 1 AD's SC 318.29 and BW 2085 straight.
        w.awValue = *roundToInt16(year - 2085.0);
        w.scValue = *toSingle(318.29 + year * 0.01);
    }
    return true;
}

bool fromAfterWar(std::optional<double> entry, Pairing pairing, Working& w)
{
    const bool classic = pairing == Pairing::Classic;
    std::optional<std::int16_t> year = entry ? roundToInt16(*entry) : std::nullopt;
    if (!year || *year > (classic ? kClassicAwHighest : kAwHighest) || *year < kAwLowest)
        return false;
    w.awValue = *year;
    if (classic) // with a year 0: AW -2086 was EY 0
        w.eyValue = DynamicNumber(static_cast<std::int16_t>(*year + 2086));
    else // AW -2085 is 1 AD and AW -2086 1 BC; AW 32767 is EY 34853, beyond 16 bits
        w.eyValue = DynamicNumber(std::int32_t{*year} + (*year >= -2085 ? 2086 : 2085));
    w.scValue = *toSingle(*year * 0.01 + 339.14);
    return true;
}

} // namespace

ConversionOutcome::Kind convertNumber(std::optional<CalendarKind> calendar, std::optional<double> entry,
                                      bool yearZero, std::string_view decimalSeparator, char* out,
                                      LinePieces& pieces, Pairing pairing)
{
    using Kind = ConversionOutcome::Kind;
    Working w;
    if (calendar == CalendarKind::SC) {
        if (!fromSpaceCentury(entry, w))
            return Kind::OutOfRange;
    } else if (calendar == CalendarKind::EY) {
        // One count of years has no year 0 to write: every zero names it.
        if (yearZero || (pairing == Pairing::OneCount && entry == 0.0))
            return Kind::YearZero;
        if (!fromEarthYear(entry, pairing, w))
            return Kind::OutOfRange;
    } else if (calendar == CalendarKind::AW) {
        if (!fromAfterWar(entry, pairing, w))
            return Kind::OutOfRange;
    }
    writeResultLine(w, decimalSeparator, out, pieces);
    return Kind::Converted;
}

std::string notANumberMessage(std::string_view entry)
{
    // Cut before the first byte of the character after the shown ones, so
    // that no character is cut in two.
    std::size_t characters = 0;
    std::size_t shown = entry.size();
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if ((static_cast<unsigned char>(entry[i]) & 0xC0) != 0x80 && characters++ == kShownEntry) {
            shown = i;
            break;
        }
    }
    const std::size_t at = kNotANumberMessage.find("%1");
    std::string message(kNotANumberMessage.substr(0, at));
    message += entry.substr(0, shown);
    if (shown < entry.size())
        message += "...";
    message += kNotANumberMessage.substr(at + 2);
    return message;
}

} // namespace mrv
