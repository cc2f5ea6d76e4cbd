// Entries: the text typed into the window or the page, and the texts of a
// batch that arrive as lines of a file or a stream, read as the window
// reads them, by the leading number, or strictly as release 1.1.0's batch
// converter did.
#pragma once

#include "Calendar.h"
#include "NumberReader.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mrv {

// How a batch reads its entries.
enum class Reading {
    // The leading number: blanks anywhere are dropped, reading stops at the
    // first character that cannot continue the number, text without a
    // number is 0, and on EY the text "0" names the year zero (and, but
    // for the classic pairing, every zero).
    Lenient,
    // Only an entry that is wholly one number, blanks before and after it
    // allowed, converts; on EY every entry whose value is zero names the
    // year zero.
    Strict,
    // The window's entry rule: blanks anywhere dropped, then wholly one
    // number, "." the point; on EY every zero names the year zero.
    Typed,
    // The same where numbers are written with a decimal comma: "," is read
    // as the point too, and a text with both is no number.
    TypedDecimalComma,
};

// Converts the entry of the window or the page, exactly as typed (not
// trimmed), on the chosen calendar or with none chosen. Empty or blank text
// is NothingTyped; blanks anywhere aside, the rest must be wholly one number
// (readTypedNumber: "," is read as the point where `decimalSeparator` is
// ","), else it is NotANumber; on EY every zero names the year zero. Pure:
// keeps no state.
ConversionOutcome convert(std::optional<CalendarKind> calendar, std::string_view text,
                          std::string_view decimalSeparator = ".");

// Converts a whole entry of a batch on the calendar, writing the line into
// `out` (room for ResultLine::kCapacity bytes) when Converted.
ConversionOutcome::Kind convertEntry(std::optional<CalendarKind> calendar, Reading reading,
                                     std::string_view text, std::string_view decimalSeparator, char* out,
                                     LinePieces& pieces, Pairing pairing = Pairing::OneCount);

// An entry read piece by piece, in fixed memory whatever its length, and
// converted with the reading it was made for.
class EntryReader {
public:
    EntryReader() = default;
    explicit EntryReader(Reading reading) : decimalComma_(reading == Reading::TypedDecimalComma) {}

    void feed(std::string_view piece)
    {
        if (length_ == 0 && !piece.empty())
            first_ = piece.front();
        length_ += piece.size();
        if (decimalComma_)
            feedDecimalComma(piece);
        else
            number_.feed(piece);
    }
    void reset()
    {
        number_.reset();
        length_ = 0;
        comma_ = point_ = false;
    }
    ConversionOutcome::Kind convert(CalendarKind calendar, Reading reading, std::string_view decimalSeparator,
                                    ResultLine& line, Pairing pairing = Pairing::OneCount) const;

private:
    void feedDecimalComma(std::string_view piece);

    NumberReader number_;
    std::size_t length_ = 0; // bytes fed; only 0, 1 and more matter
    char first_ = 0;
    bool decimalComma_ = false;
    bool comma_ = false, point_ = false; // seen, when "," is a point too
};

} // namespace mrv
