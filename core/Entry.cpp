#include "Entry.h"

namespace mrv {
namespace {

EntryKind entryKind(ConversionOutcome::Kind kind)
{
    switch (kind) {
    case ConversionOutcome::Kind::Converted:
        break;
    case ConversionOutcome::Kind::OutOfRange:
        return EntryKind::OutOfRange;
    case ConversionOutcome::Kind::YearZero:
        return EntryKind::YearZero;
    }
    return EntryKind::Converted;
}

// The strict reading's rules on top of the window's conversion.
EntryKind convertStrictly(CalendarKind calendar, const NumberReading& number, std::string_view separator,
                          char* out, LinePieces& pieces)
{
    if (!number.whole)
        return EntryKind::NotANumber;
    if (calendar == CalendarKind::EY && !number.overflow && number.value == 0.0) // -0 too
        return EntryKind::YearZero;
    return entryKind(convertEntry(calendar, number.number(), false, separator, out, pieces));
}

} // namespace

EntryKind convertEntry(CalendarKind calendar, Reading reading, std::string_view text,
                       std::string_view decimalSeparator, char* out, LinePieces& pieces)
{
    if (reading == Reading::Lenient)
        return entryKind(convertEntry(calendar, readLeadingNumber(text), namesYearZero(text),
                                      decimalSeparator, out, pieces));
    return convertStrictly(calendar, readNumber(text), decimalSeparator, out, pieces);
}

EntryKind EntryReader::convert(CalendarKind calendar, Reading reading, std::string_view decimalSeparator,
                               ResultLine& line) const
{
    if (reading == Reading::Lenient) {
        // Only a one-byte entry can be the year zero's text, and it is whole here.
        const bool isZeroText = length_ == 1 && namesYearZero(std::string_view(&first_, 1));
        return entryKind(
            mrv::convertEntry(calendar, number_.result(), isZeroText, decimalSeparator, line.text, line.at));
    }
    const std::optional<double> value = number_.result();
    return convertStrictly(calendar, {value.value_or(0.0), !value, number_.wholeNumber()}, decimalSeparator,
                           line.text, line.at);
}

} // namespace mrv
