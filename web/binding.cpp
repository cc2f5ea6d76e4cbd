// The conversion as the page calls it: plain C functions over the module's
// memory, so the page needs no binding library and the module stays small.
#include "Entry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace {
std::string lastText;
}

extern "C" {

// Converts `length` bytes of UTF-8 at `text` on calendar 0 (SC), 1 (EY),
// 2 (AW) or none (any other value), writing numbers with the NUL-terminated
// `separator`. The entry is read as the window reads it or, when `lenient`
// is not 0, as mrvdate-convert --lenient does (to compare the two builds).
// Returns the outcome's kind, its value as the core gives it; read the
// result line of Converted, or the message naming the entry of NotANumber,
// with mrv_result_line and mrv_result_length.
int mrv_convert(int calendar, const char* text, std::size_t length, const char* separator, int lenient)
{
    std::optional<mrv::CalendarKind> kind;
    if (calendar >= 0 && calendar <= 2)
        kind = static_cast<mrv::CalendarKind>(calendar);
    const std::string_view entry(text, length);
    if (lenient) {
        mrv::ResultLine line;
        const auto outcome =
            mrv::convertEntry(kind, mrv::Reading::Lenient, entry, separator, line.text, line.at);
        lastText.assign(outcome == mrv::ConversionOutcome::Kind::Converted ? line.line()
                                                                           : std::string_view());
        return static_cast<int>(outcome);
    }
    mrv::ConversionOutcome outcome = mrv::convert(kind, entry, separator);
    lastText = outcome.kind == mrv::ConversionOutcome::Kind::NotANumber ? mrv::notANumberMessage(entry)
                                                                        : std::move(outcome.line);
    return static_cast<int>(outcome.kind);
}

const char* mrv_result_line()
{
    return lastText.data();
}

std::size_t mrv_result_length()
{
    return lastText.size();
}

// The message of refusal 1 (out of range) or 2 (year zero), NUL-terminated:
// the core's own, as the batch converter writes it (the web comparison
// reads it; the page shows the windows' texts, made from the same source).
const char* mrv_refusal_text(int refusal)
{
    static const std::string messages[2] = {std::string(mrv::kOutOfRangeMessage),
                                            std::string(mrv::kYearZeroMessage)};
    return messages[refusal == 2 ? 1 : 0].c_str();
}
}
