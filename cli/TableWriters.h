// The tsv and csv formats: the entry, then the answer's columns, under a
// header row. With --field they append the answer's columns to a table's
// own row instead of writing the entry.
#pragma once

#include "Answer.h"
#include "Escape.h"
#include "WriteBytes.h"

#include <cstring>
#include <string_view>

namespace mrv::cli {

inline constexpr std::string_view kAnswerColumns[] = {"sc",      "ey",       "aw",      "error",
                                                      "message", "sc_value", "ey_year", "aw_year"};

// The columns after the entry: the result's three pieces, the refusal's
// kind and message, then the numbers. `separator` goes before each;
// `field` writes the message, the one column that may need escaping.
template <typename Out, typename Field>
void putAnswerColumns(Out& out, char separator, const Answer& answer, Field field)
{
    if (answer.kind == AnswerKind::Converted) {
        const ResultLine& line = *answer.line;
        const Numbers n = numbers(line);
        char* p = out.reserve(write::kConvertedRow);
        for (std::string_view piece : {line.sc(), line.ey(), line.aw()}) {
            *p++ = separator;
            p = write::copyFromLine(p, piece, line);
        }
        *p++ = separator, *p++ = separator, *p++ = separator;
        p = write::copyFromLine(p, n.sc, line);
        *p++ = separator;
        p = write::copyFromLine(p, n.ey, line);
        *p++ = separator;
        p = write::copyFromLine(p, n.aw, line);
        out.commit(p);
        return;
    }
    char buffer[kMessageCapacity];
    out.put(separator), out.put(separator), out.put(separator), out.put(separator);
    out.put(errorName(answer.kind));
    out.put(separator);
    field(message(answer, buffer));
    out.put(separator), out.put(separator), out.put(separator);
}

// The answer's column names, each after a separator.
template <typename Out> void putColumnNames(Out& out, char separator)
{
    for (std::string_view name : kAnswerColumns) {
        out.put(separator);
        out.put(name);
    }
}

// Tab-separated columns; the entry escaped (\t, \n, \r, \0, \\) so that
// every row keeps its fields.
class TsvWriter {
public:
    explicit TsvWriter(char terminator) : terminator_(terminator) {}

    template <typename Out> void header(Out& out)
    {
        out.put("entry");
        appendedHeader(out);
    }
    // With --field: the answer's column names after a table's header row.
    template <typename Out> void appendedHeader(Out& out)
    {
        putColumnNames(out, '\t');
        out.put(terminator_);
    }
    template <typename Out> void entry(Out& out, std::string_view text) { putTsvEscaped(out, text); }
    template <typename Out> void entryPiece(Out& out, std::string_view text) { putTsvEscaped(out, text); }
    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        putAnswerColumns(out, '\t', answer, [&](std::string_view text) { putTsvEscaped(out, text); });
        out.put(terminator_);
    }

private:
    char terminator_;
};

// RFC 4180: comma-separated fields, quoted only where they must be, records
// ended by CR LF (by NUL with -z). An entry longer than kHeld bytes is
// always quoted: one that arrives in pieces is written before its end is
// known, and the same entry must be written the same way wherever the input's
// blocks happen to end.
class CsvWriter {
public:
    explicit CsvWriter(char terminator) : end_(terminator == '\n' ? "\r\n" : std::string_view("\0", 1)) {}

    template <typename Out> void header(Out& out)
    {
        out.put("entry");
        appendedHeader(out);
    }
    template <typename Out> void appendedHeader(Out& out)
    {
        putColumnNames(out, ',');
        out.put(end_);
    }
    static constexpr std::size_t kHeld = 256;

    template <typename Out> void entry(Out& out, std::string_view text)
    {
        if (text.size() <= kHeld) {
            putCsvField(out, text);
            return;
        }
        out.put('"');
        putCsvQuotedInside(out, text);
        out.put('"');
    }
    template <typename Out> void entryPiece(Out& out, std::string_view text)
    {
        if (!quoted_ && held_ + text.size() <= kHeld) {
            std::memcpy(hold_ + held_, text.data(), text.size());
            held_ += text.size();
            return;
        }
        if (!quoted_) {
            out.put('"');
            putCsvQuotedInside(out, std::string_view(hold_, held_));
            quoted_ = true;
        }
        putCsvQuotedInside(out, text);
    }
    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        if (quoted_)
            out.put('"');
        else
            putCsvField(out, std::string_view(hold_, held_));
        quoted_ = false;
        held_ = 0;
        putAnswerColumns(out, ',', answer, [&](std::string_view text) { putCsvField(out, text); });
        out.put(end_);
    }

private:
    std::string_view end_;
    char hold_[kHeld]; // the first pieces of an entry, while it may still be short
    std::size_t held_ = 0;
    bool quoted_ = false;
};

} // namespace mrv::cli
