#include "Entry.h"

namespace mrv {
namespace {

// The leading-number reading's one year-zero text: exactly "0", as typed.
bool namesYearZero(std::string_view text)
{
    return text == "0";
}

// The strict and the typed readings' rules on top of the conversion.
ConversionOutcome::Kind convertWhole(std::optional<CalendarKind> calendar, const NumberReading& number,
                                     std::string_view separator, char* out, LinePieces& pieces,
                                     Pairing pairing = Pairing::OneCount)
{
    if (!number.whole)
        return ConversionOutcome::Kind::NotANumber;
    const bool zero = !number.overflow && number.value == 0.0; // -0 too
    return convertNumber(calendar, number.number(), zero, separator, out, pieces, pairing);
}

} // namespace

ConversionOutcome convert(std::optional<CalendarKind> calendar, std::string_view text,
                          std::string_view decimalSeparator)
{
    if (text.find_first_not_of(" \t\n") == std::string_view::npos)
        return ConversionOutcome::refused(ConversionOutcome::Kind::NothingTyped);
    ResultLine line;
    const ConversionOutcome::Kind kind =
        convertWhole(calendar, readTypedNumber(text, decimalSeparator), decimalSeparator, line.text, line.at);
    if (kind != ConversionOutcome::Kind::Converted)
        return ConversionOutcome::refused(kind);
    return ConversionOutcome::converted(std::string(line.line()));
}

ConversionOutcome::Kind convertEntry(std::optional<CalendarKind> calendar, Reading reading,
                                     std::string_view text, std::string_view decimalSeparator, char* out,
                                     LinePieces& pieces, Pairing pairing)
{
    if (reading == Reading::Lenient)
        return convertNumber(calendar, readLeadingNumber(text), namesYearZero(text), decimalSeparator, out,
                             pieces, pairing);
    return convertWhole(calendar, readNumber(text), decimalSeparator, out, pieces, pairing);
}

ConversionOutcome::Kind EntryReader::convert(CalendarKind calendar, Reading reading,
                                             std::string_view decimalSeparator, ResultLine& line,
                                             Pairing pairing) const
{
    if (reading == Reading::Lenient) {
        // Only a one-byte entry can be the year zero's text, and it is whole here.
        const bool isZeroText = length_ == 1 && namesYearZero(std::string_view(&first_, 1));
        return convertNumber(calendar, number_.result(), isZeroText, decimalSeparator, line.text, line.at,
                             pairing);
    }
    const std::optional<double> value = number_.result();
    return convertWhole(calendar, {value.value_or(0.0), !value, number_.wholeNumber()}, decimalSeparator,
                        line.text, line.at, pairing);
}

} // namespace mrv
