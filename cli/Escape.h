// How text is written into a field of each machine format. Each escaper
// takes text piece by piece, so that an entry of any length is written as it
// arrives.
#pragma once

#include "BlockIo.h"

#include <cstddef>
#include <string_view>

namespace mrv::cli {

// Texts up to this long, nearly every entry, are escaped straight into a
// block reserved in the output.
inline constexpr std::size_t kShortText = 64;

// A TSV field: tabs, line feeds, carriage returns, NULs and backslashes are
// written \t, \n, \r, \0 and \\, so that every row keeps its fields.
void putTsvEscaped(Output& out, std::string_view text);
// The same for a short text (at most kShortText bytes) into a reserved
// block with room for twice its size; returns the end.
char* writeTsvEscaped(char* p, std::string_view text);

// Whether a CSV field must be quoted (RFC 4180): it holds the delimiter, a
// quote or a line break.
bool csvNeedsQuotes(std::string_view text, char delimiter = ',');

// The inside of a quoted CSV field: each quote doubled.
void putCsvQuotedInside(Output& out, std::string_view text);

// A whole CSV field, quoted only where it must be.
void putCsvField(Output& out, std::string_view text, char delimiter = ',');
// The same for a short text (at most kShortText bytes) into a reserved
// block with room for twice its size and two quotes; returns the end.
char* writeCsvField(char* p, std::string_view text, char delimiter);

// Whether a text goes into a JSON string as it is: printable ASCII, no
// quote, no backslash.
inline bool jsonPlain(std::string_view text)
{
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b > 0x7E || c == '"' || c == '\\')
            return false;
    }
    return true;
}

// The inside of a JSON string, piece by piece: a UTF-8 sequence may be split
// between pieces, and a byte that cannot be UTF-8 is written U+FFFD.
class JsonEscaper {
public:
    void put(Output& out, std::string_view text);
    // The text ended: an unfinished sequence is invalid.
    void finish(Output& out);

private:
    void replacement(Output& out);
    void byte(Output& out, unsigned char b);

    char sequence_[4] = {};
    std::size_t pending_ = 0;
    std::size_t needed_ = 0;
    unsigned char lower_ = 0x80, upper_ = 0xBF;
};

} // namespace mrv::cli
