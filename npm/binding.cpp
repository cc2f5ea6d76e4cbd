// The conversion as the npm package calls it: each answer written as the
// batch converter's JSON Lines writes it, so that the package's fields are
// those of mrvdate-convert --format jsonl by construction, and the
// package's script only parses them.
#include "Answer.h"
#include "Columns.h"
#include "Entry.h"
#include "JsonlWriter.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The writers' output, kept in memory instead of going to a stream.
class TextOutput : public mrv::Output {
public:
    std::string text;

protected:
    int writeOut(const char* bytes, std::size_t size) override
    {
        text.append(bytes, size);
        return 0;
    }
};

TextOutput out;

// An entry's decimal comma read as the point, for the leading-number
// reading, which has no comma of its own. A text with both is left as it is.
std::string withPoint(std::string_view entry)
{
    std::string text(entry);
    if (text.find('.') == std::string::npos)
        for (char& c : text)
            c = c == ',' ? '.' : c;
    return text;
}

void writeAnswer(mrv::cli::JsonlWriter writer, std::string_view entry, mrv::ConversionOutcome::Kind kind,
                 const mrv::ResultLine& line)
{
    mrv::cli::Answer answer;
    answer.kind = kind;
    answer.line = &line;
    answer.entry = entry.substr(0, mrv::cli::EntryHead::kSize);
    answer.entryCut = entry.size() > mrv::cli::EntryHead::kSize;
    writer.entry(out, entry);
    writer.answer(out, answer);
}

} // namespace

extern "C" {

// Converts `length` bytes of UTF-8 at `text` on calendar 0 (SC), 1 (EY) or
// 2 (AW), read as the batch converter reads it (the window's entry rule)
// or, when `lenient` is not 0, by the leading number, with a decimal comma
// read as the point when `comma` is not 0. Returns the
// JSON Lines object; for a converted entry, a line feed and an object of
// the three pieces written with `separator`, then a line feed and the
// result line written with it. NUL-terminated, valid until the next call.
const char* mrvdate_convert(int calendar, const char* text, std::size_t length, int lenient, int comma,
                            const char* separator)
{
    const auto kind = static_cast<mrv::CalendarKind>(calendar);
    const auto reading = lenient ? mrv::Reading::Lenient
                         : comma ? mrv::Reading::TypedDecimalComma
                                 : mrv::Reading::Typed;
    const std::string_view entry(text, length);
    const std::string read = comma && lenient ? withPoint(entry) : std::string(entry);
    mrv::ResultLine line;
    const auto outcome = mrv::convertEntry(kind, reading, read, ".", line.text, line.at);
    out.text.clear();
    writeAnswer(mrv::cli::JsonlWriter('\n'), entry, outcome, line);
    if (outcome == mrv::ConversionOutcome::Kind::Converted) {
        mrv::convertEntry(kind, reading, read, separator, line.text, line.at);
        mrv::cli::Columns pieces;
        pieces.size = 3; // sc, ey, aw
        writeAnswer(mrv::cli::JsonlWriter('\n', pieces), entry, outcome, line);
    }
    out.flush();
    if (outcome == mrv::ConversionOutcome::Kind::Converted)
        out.text.append(line.line());
    return out.text.c_str();
}

// The window's reading, for the web component: the outcome's kind, and the
// result line or the window's message (naming the entry for NotANumber)
// through mrvdate_text.
int mrvdate_convert_typed(int calendar, const char* text, std::size_t length, const char* separator)
{
    const std::string_view entry(text, length);
    mrv::ConversionOutcome outcome = mrv::convert(static_cast<mrv::CalendarKind>(calendar), entry, separator);
    using Kind = mrv::ConversionOutcome::Kind;
    out.text = outcome.kind == Kind::NotANumber   ? mrv::notANumberMessage(entry)
               : outcome.kind == Kind::OutOfRange ? std::string(mrv::kOutOfRangeMessage)
               : outcome.kind == Kind::YearZero   ? std::string(mrv::kYearZeroMessage)
                                                  : std::move(outcome.line);
    return static_cast<int>(outcome.kind);
}

const char* mrvdate_text()
{
    return out.text.c_str();
}
}
