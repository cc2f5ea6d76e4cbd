// The conversion as the page calls it: plain C functions over the module's
// memory, so the page needs no binding library and the module stays small.
#include "Calendar.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace {
std::string lastLine;
}

extern "C" {

// Converts `length` bytes of UTF-8 at `text` on calendar 0 (SC), 1 (EY),
// 2 (AW) or none (any other value), writing numbers with the NUL-terminated
// `separator`. Returns 0 for a result (read it with mrv_result_line and
// mrv_result_length), 1 when out of range, 2 for the year zero.
int mrv_convert(int calendar, const char* text, std::size_t length, const char* separator)
{
    std::optional<mrv::CalendarKind> kind;
    if (calendar >= 0 && calendar <= 2)
        kind = static_cast<mrv::CalendarKind>(calendar);
    mrv::ConversionOutcome outcome = mrv::convert(kind, std::string_view(text, length), separator);
    lastLine = std::move(outcome.line);
    switch (outcome.kind) {
    case mrv::ConversionOutcome::Kind::Converted:
        return 0;
    case mrv::ConversionOutcome::Kind::OutOfRange:
        return 1;
    case mrv::ConversionOutcome::Kind::YearZero:
        return 2;
    }
    return 1;
}

const char* mrv_result_line()
{
    return lastLine.data();
}

std::size_t mrv_result_length()
{
    return lastLine.size();
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
