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
                                     Pairing pairing)
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
    const Reading reading = decimalSeparator == "," ? Reading::TypedDecimalComma : Reading::Typed;
    const ConversionOutcome::Kind kind =
        convertEntry(calendar, reading, text, decimalSeparator, line.text, line.at);
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
    const NumberReading number =
        reading == Reading::Strict ? readNumber(text)
                                   : readTypedNumber(text, reading == Reading::TypedDecimalComma ? "," : ".");
    return convertWhole(calendar, number, decimalSeparator, out, pieces, pairing);
}

void EntryReader::feedDecimalComma(std::string_view piece)
{
    point_ = point_ || piece.find('.') != std::string_view::npos;
    for (std::size_t comma; (comma = piece.find(',')) != std::string_view::npos;
         piece.remove_prefix(comma + 1)) {
        comma_ = true;
        number_.feed(piece.substr(0, comma));
        number_.feed(".");
    }
    number_.feed(piece);
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
    const bool whole =
        reading == Reading::Strict ? number_.wholeNumber() : number_.oneNumber() && !(comma_ && point_);
    return convertWhole(calendar, {value.value_or(0.0), !value, whole}, decimalSeparator, line.text, line.at,
                        pairing);
}

} // namespace mrv
