// Writing into a block reserved in the output: small copies without a
// library call, for the many short pieces of every answer.
#pragma once

#include "Answer.h"
#include "Columns.h"

#include <cstring>
#include <string_view>

namespace mrv::cli::write {

// Copies `text`; pieces of 16 bytes or fewer, nearly all of them, by two
// fixed-size copies that overlap, which compile to a few moves.
inline char* copy(char* p, std::string_view text)
{
    const std::size_t n = text.size();
    const char* s = text.data();
    if (n >= 8 && n <= 16) {
        std::memcpy(p, s, 8);
        std::memcpy(p + n - 8, s + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(p, s, 4);
        std::memcpy(p + n - 4, s + n - 4, 4);
    } else if (n < 4) {
        for (std::size_t i = 0; i < n; ++i)
            p[i] = s[i];
    } else {
        std::memcpy(p, s, n);
    }
    return p + n;
}

// Copies a piece of a result line, which holds each piece and number of
// the answer: one fixed 16-byte copy from within the line's buffer, the
// destination having room to spare, for any piece of 16 bytes or fewer.
[[gnu::always_inline]] inline char* copyFromLine(char* p, std::string_view piece, const ResultLine& line)
{
    constexpr std::size_t kChunk = 16;
    if (piece.size() <= kChunk && piece.data() + kChunk <= line.text + ResultLine::kCapacity) {
        std::memcpy(p, piece.data(), kChunk);
        return p + piece.size();
    }
    return copy(p, piece);
}

[[gnu::always_inline]] inline char* copyFromLine(char* p, SignedNumber number, const ResultLine& line)
{
    *p = '-';
    return copyFromLine(p + number.negative, number.digits, line);
}

// A converted entry's value in one column: a piece of the result line, or a
// number; nothing for error and message.
[[gnu::always_inline]] inline char* copyColumn(char* p, Column column, const ResultLine& line,
                                               const Numbers& n)
{
    switch (column) {
    case Column::Sc:
        return copyFromLine(p, line.sc(), line);
    case Column::Ey:
        return copyFromLine(p, line.ey(), line);
    case Column::Aw:
        return copyFromLine(p, line.aw(), line);
    case Column::Error:
    case Column::Message:
        break;
    case Column::ScValue:
        return copyFromLine(p, n.sc, line);
    case Column::EyYear:
        return copyFromLine(p, n.ey, line);
    case Column::AwYear:
        return copyFromLine(p, n.aw, line);
    }
    return p;
}

// Enough for every column of a converted entry, separators and keys included.
inline constexpr std::size_t kConvertedRow = 2 * ResultLine::kCapacity + 192;

} // namespace mrv::cli::write
