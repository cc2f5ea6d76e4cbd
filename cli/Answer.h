// One entry's answer, as every format writes it: the result line's pieces
// and their numbers for a converted entry, or a refusal's kind and message.
#pragma once

#include "Calendar.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

namespace mrv::cli {

// The first bytes of an entry, kept as it arrives, for a message that names
// it: an entry may be far longer than any message should be.
class EntryHead {
public:
    static constexpr std::size_t kSize = 32;

    void keep(std::string_view piece)
    {
        const std::size_t n = std::min(piece.size(), kSize - size_);
        std::memcpy(text_ + size_, piece.data(), n);
        size_ += n;
        cut_ = cut_ || n < piece.size();
    }
    void reset() { size_ = 0, cut_ = false; }
    std::string_view text() const { return {text_, size_}; }
    bool cut() const { return cut_; }

private:
    char text_[kSize];
    std::size_t size_ = 0;
    bool cut_ = false;
};

struct Answer {
    // The core's outcome for the entry; none for a row of a table that
    // lacks the field to convert.
    std::optional<ConversionOutcome::Kind> kind = ConversionOutcome::Kind::Converted;
    const ResultLine* line = nullptr; // the result, when Converted
    std::string_view entry;           // the entry's first bytes, when NotANumber
    bool entryCut = false;            // and whether more followed them
    std::size_t field = 0;            // the field a row lacked, when no kind
};

// Room for any message: the longest fixed one, or one that names an entry's
// first EntryHead::kSize bytes, each escaped in at most four.
inline constexpr std::size_t kMessageCapacity = 256;

// The refusal's name in the error column: "out-of-range", "year-zero",
// "not-a-number", "missing-field" (no kind); empty for a converted entry.
std::string_view errorName(std::optional<ConversionOutcome::Kind> kind);

// The refusal's message, written into `buffer` when it names the entry or
// the field; empty for a converted entry.
std::string_view message(const Answer& answer, char (&buffer)[kMessageCapacity]);

// A number of the result line without its era, and whether the era makes
// it negative.
struct SignedNumber {
    bool negative = false;
    std::string_view digits;
};

// The result as numbers, for computing: the SC value, and the EY and AW
// years signed as entries are typed (BC and BW negative); views into the
// line, so "." is their decimal point as the machine formats write it.
struct Numbers {
    std::string_view sc;
    SignedNumber ey, aw;
};

[[gnu::always_inline]] inline Numbers numbers(const ResultLine& line)
{
    return {line.sc(), {line.at.eyBelowZero, line.eyYear()}, {line.at.awBelowZero, line.awYear()}};
}

} // namespace mrv::cli
