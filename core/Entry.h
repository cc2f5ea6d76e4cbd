// Entries of a batch: texts that arrive as lines of a file or a stream, read
// either as the window reads them or strictly, for a batch that must not
// turn a text that is no number into a date.
#pragma once

#include "Calendar.h"
#include "NumberReader.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace mrv {

enum class Reading {
    // Exactly as the window: blanks anywhere are dropped, reading stops at
    // the first character that cannot continue the number, text without a
    // number is 0, and on EY only the text "0" names the year zero.
    Lenient,
    // Only an entry that is wholly one number, blanks before and after it
    // allowed, converts; on EY every entry whose value is zero names the
    // year zero.
    Strict
};

// The window's outcomes, and the strict reading's refusal of a text that is
// not wholly a number.
enum class EntryKind { Converted, OutOfRange, YearZero, NotANumber };

// Converts a whole entry on the calendar, writing the line into `out` (room
// for ResultLine::kCapacity bytes) when Converted. Lenient is convert()'s
// reading exactly.
EntryKind convertEntry(CalendarKind calendar, Reading reading, std::string_view text,
                       std::string_view decimalSeparator, char* out, LinePieces& pieces);

// An entry read piece by piece, in fixed memory whatever its length.
class EntryReader {
public:
    void feed(std::string_view piece)
    {
        if (length_ == 0 && !piece.empty())
            first_ = piece.front();
        length_ += piece.size();
        number_.feed(piece);
    }
    void reset()
    {
        number_.reset();
        length_ = 0;
    }
    EntryKind convert(CalendarKind calendar, Reading reading, std::string_view decimalSeparator,
                      ResultLine& line) const;

private:
    NumberReader number_;
    std::size_t length_ = 0; // bytes fed; only 0, 1 and more matter
    char first_ = 0;
};

} // namespace mrv
