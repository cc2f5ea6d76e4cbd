#include "Escape.h"

#include "WriteBytes.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace mrv::cli {
namespace {

const char* tsvEscape(char c)
{
    return c == '\t'   ? "\\t"
           : c == '\n' ? "\\n"
           : c == '\r' ? "\\r"
           : c == '\\' ? "\\\\"
           : c == '\0' ? "\\0"
                       : nullptr;
}

void putJsonAscii(Output& out, char c)
{
    static constexpr std::pair<char, std::string_view> kShort[] = {
        {'"', "\\\""}, {'\\', "\\\\"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}};
    for (const auto& [plain, escaped] : kShort) {
        if (c == plain) {
            out.put(escaped);
            return;
        }
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        static constexpr char kHex[] = "0123456789abcdef";
        const char escape[] = {'\\', 'u', '0', '0', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
        out.put(std::string_view(escape, sizeof escape));
        return;
    }
    out.put(c);
}

} // namespace

char* writeTsvEscaped(char* p, std::string_view text)
{
    for (const char c : text) {
        const char* escape = static_cast<unsigned char>(c) > '\r' && c != '\\' ? nullptr : tsvEscape(c);
        if (escape)
            *p++ = escape[0], *p++ = escape[1];
        else
            *p++ = c;
    }
    return p;
}

void putTsvEscaped(Output& out, std::string_view text)
{
    if (text.size() <= kShortText) {
        out.commit(writeTsvEscaped(out.reserve(2 * kShortText), text));
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const char* escape = tsvEscape(text[i])) {
            out.put(text.substr(start, i - start));
            out.put(std::string_view(escape, 2));
            start = i + 1;
        }
    }
    out.put(text.substr(start));
}

bool csvNeedsQuotes(std::string_view text, char delimiter)
{
    // A plain loop: for the short texts of nearly every entry, find_first_of
    // costs more than the search itself.
    for (const char c : text) {
        if (c == delimiter || c == '"' || c == '\r' || c == '\n')
            return true;
    }
    return false;
}

void putCsvQuotedInside(Output& out, std::string_view text)
{
    for (std::size_t quote; (quote = text.find('"')) != std::string_view::npos;) {
        out.put(text.substr(0, quote + 1));
        out.put('"');
        text.remove_prefix(quote + 1);
    }
    out.put(text);
}

void putCsvField(Output& out, std::string_view text, char delimiter)
{
    if (!csvNeedsQuotes(text, delimiter)) {
        out.put(text);
        return;
    }
    out.put('"');
    putCsvQuotedInside(out, text);
    out.put('"');
}

char* writeCsvField(char* p, std::string_view text, char delimiter)
{
    if (!csvNeedsQuotes(text, delimiter))
        return write::copy(p, text);
    *p++ = '"';
    for (const char c : text) {
        *p++ = c;
        if (c == '"')
            *p++ = '"';
    }
    *p++ = '"';
    return p;
}

void JsonEscaper::put(Output& out, std::string_view text)
{
    for (char ch : text)
        byte(out, static_cast<unsigned char>(ch));
}
void JsonEscaper::finish(Output& out)
{
    if (pending_ > 0)
        replacement(out);
}

void JsonEscaper::replacement(Output& out)
{
    out.put("\\ufffd");
    pending_ = needed_ = 0;
}

void JsonEscaper::byte(Output& out, unsigned char b)
{
    if (needed_ > 0) {
        if (b >= lower_ && b <= upper_) {
            sequence_[pending_++] = static_cast<char>(b);
            lower_ = 0x80, upper_ = 0xBF;
            if (pending_ == needed_) {
                out.put(std::string_view(sequence_, pending_));
                pending_ = needed_ = 0;
            }
            return;
        }
        replacement(out); // and the byte starts afresh
    }
    if (b < 0x80) {
        putJsonAscii(out, static_cast<char>(b));
        return;
    }
    // Lead bytes, their sequence's length and the range of the byte after
    // them: no overlong forms, no surrogates, nothing beyond U+10FFFF.
    struct Lead {
        unsigned char first, last;
        std::size_t length;
        unsigned char lower, upper;
    };
    static constexpr Lead kLeads[] = {{0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
                                      {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
                                      {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
                                      {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F}};
    const auto lead = std::find_if(std::begin(kLeads), std::end(kLeads),
                                   [b](const Lead& l) { return b >= l.first && b <= l.last; });
    if (lead == std::end(kLeads)) {
        out.put("\\ufffd");
        return;
    }
    needed_ = lead->length;
    lower_ = lead->lower, upper_ = lead->upper;
    sequence_[0] = static_cast<char>(b);
    pending_ = 1;
}

} // namespace mrv::cli
