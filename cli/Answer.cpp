#include "Answer.h"

#include <charconv>

namespace mrv::cli {

std::string_view errorName(std::optional<ConversionOutcome::Kind> kind)
{
    if (!kind)
        return "missing-field";
    switch (*kind) {
    case ConversionOutcome::Kind::Converted:
        break;
    case ConversionOutcome::Kind::OutOfRange:
        return "out-of-range";
    case ConversionOutcome::Kind::YearZero:
        return "year-zero";
    case ConversionOutcome::Kind::NotANumber:
    case ConversionOutcome::Kind::NothingTyped: // the window's; a batch's empty entry is no number
        return "not-a-number";
    }
    return {};
}

namespace {

char* put(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// The entry as a message shows it, on one line whatever it holds: controls,
// quotes and backslashes escaped as in C, other bytes as they are.
char* putShown(char* out, std::string_view text)
{
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        const char* escape = c == '\t'   ? "\\t"
                             : c == '\n' ? "\\n"
                             : c == '\r' ? "\\r"
                             : c == '\0' ? "\\0"
                             : c == '"'  ? "\\\""
                             : c == '\\' ? "\\\\"
                                         : nullptr;
        if (escape) {
            out = put(out, escape);
        } else if (b < 0x20 || b == 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            *out++ = '\\', *out++ = 'x', *out++ = kHex[b >> 4], *out++ = kHex[b & 0xF];
        } else {
            *out++ = c;
        }
    }
    return out;
}

// A cut entry ends at a character: no part of a UTF-8 sequence is left.
std::string_view wholeCharacters(std::string_view text)
{
    std::size_t end = text.size();
    std::size_t back = 0;
    while (back < 4 && back < end && (static_cast<unsigned char>(text[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back < end && static_cast<unsigned char>(text[end - 1 - back]) >= 0xC0) {
        const auto lead = static_cast<unsigned char>(text[end - 1 - back]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (back + 1 < length)
            end -= back + 1;
    }
    return text.substr(0, end);
}

} // namespace

std::string_view message(const Answer& answer, char (&buffer)[kMessageCapacity])
{
    if (!answer.kind) {
        constexpr std::size_t at = kMissingFieldBatchMessage.find("%1");
        static_assert(at != std::string_view::npos &&
                      kMessageCapacity >= kMissingFieldBatchMessage.size() + 20);
        char* out = put(buffer, kMissingFieldBatchMessage.substr(0, at));
        out = std::to_chars(out, buffer + kMessageCapacity, answer.field).ptr;
        out = put(out, kMissingFieldBatchMessage.substr(at + 2));
        return {buffer, static_cast<std::size_t>(out - buffer)};
    }
    switch (*answer.kind) {
    case ConversionOutcome::Kind::Converted:
        break;
    case ConversionOutcome::Kind::OutOfRange:
        return kOutOfRangeMessage;
    case ConversionOutcome::Kind::YearZero:
        return kYearZeroMessage;
    case ConversionOutcome::Kind::NotANumber:
    case ConversionOutcome::Kind::NothingTyped: {
        // The entry shown as putShown writes it, at most four bytes for one.
        constexpr std::size_t at = kNotANumberBatchMessage.find("%1");
        static_assert(at != std::string_view::npos &&
                      kMessageCapacity >= kNotANumberBatchMessage.size() + 3 + 4 * EntryHead::kSize);
        char* out = put(buffer, kNotANumberBatchMessage.substr(0, at));
        out = putShown(out, answer.entryCut ? wholeCharacters(answer.entry) : answer.entry);
        if (answer.entryCut)
            out = put(out, "...");
        out = put(out, kNotANumberBatchMessage.substr(at + 2));
        return {buffer, static_cast<std::size_t>(out - buffer)};
    }
    }
    return {};
}

} // namespace mrv::cli
