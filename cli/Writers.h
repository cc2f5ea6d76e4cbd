// The format writers, one per output format, chosen once for a run. Each
// writes the header, the entry as it arrives (the machine formats echo it,
// escaped for their fields) and the answer that ends the entry's record.
// With --field, the tsv and csv writers append the answer's columns to a
// table's row instead.
//
// `Out` is anything with put(char), put(std::string_view), and reserve(n)
// and commit(end) for n contiguous bytes, as mrv::Output has.
#pragma once

#include "Answer.h"
#include "Escape.h"

#include <cstring>
#include <string_view>

namespace mrv::cli {

namespace write {

inline char* copy(char* p, std::string_view text)
{
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

inline char* copy(char* p, SignedNumber number)
{
    if (number.negative)
        *p++ = '-';
    return copy(p, number.digits);
}

// Enough for every column of a converted entry, separators included.
inline constexpr std::size_t kConvertedRow = 2 * ResultLine::kCapacity + 64;

} // namespace write

// The result line, or the refusal's message.
class LineWriter {
public:
    explicit LineWriter(char terminator) : terminator_(terminator) {}
    char terminator() const { return terminator_; }

    template <typename Out> void header(Out&) {}
    template <typename Out> void entry(Out&, std::string_view) {}
    template <typename Out> void entryPiece(Out&, std::string_view) {}

    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        char buffer[kMessageCapacity];
        const std::string_view text =
            answer.kind == AnswerKind::Converted ? answer.line->line() : message(answer, buffer);
        char* p = out.reserve(text.size() + 1);
        p = write::copy(p, text);
        *p++ = terminator_;
        out.commit(p);
    }

private:
    char terminator_;
};

// Writes the columns after the entry for the tsv and csv writers: the
// result's three pieces, the refusal's kind and message, then the numbers.
// `Field` writes one whole field, `separator` goes before each.
template <typename Out, typename Field>
void putAnswerColumns(Out& out, char separator, const Answer& answer, Field field)
{
    if (answer.kind == AnswerKind::Converted) {
        // Pieces and numbers never need escaping: straight into the output.
        const ResultLine& line = *answer.line;
        const Numbers n = numbers(line);
        char* p = out.reserve(write::kConvertedRow);
        for (std::string_view piece : {line.sc(), line.ey(), line.aw()}) {
            *p++ = separator;
            p = write::copy(p, piece);
        }
        *p++ = separator, *p++ = separator, *p++ = separator;
        p = write::copy(p, n.sc);
        *p++ = separator;
        p = write::copy(p, n.ey);
        *p++ = separator;
        p = write::copy(p, n.aw);
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

inline constexpr std::string_view kAnswerColumns[] = {"sc",      "ey",       "aw",      "error",
                                                      "message", "sc_value", "ey_year", "aw_year"};

// Tab-separated columns under a header row; the entry escaped (\t, \n, \r,
// \0, \\) so that every row keeps its fields.
class TsvWriter {
public:
    explicit TsvWriter(char terminator) : terminator_(terminator) {}

    template <typename Out> void header(Out& out)
    {
        out.put("entry");
        headerColumns(out);
        out.put(terminator_);
    }
    // The answer's column names, each after a tab: for a table's header.
    template <typename Out> void headerColumns(Out& out)
    {
        for (std::string_view name : kAnswerColumns) {
            out.put('\t');
            out.put(name);
        }
    }
    // With --field: the names after a table's own header row.
    template <typename Out> void appendedHeader(Out& out)
    {
        headerColumns(out);
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

// RFC 4180: comma-separated fields under a header row, quoted only where
// they must be, records ended by CR LF (by NUL with -z). An entry that
// arrives in pieces is always quoted: its first piece is written before the
// rest is known.
class CsvWriter {
public:
    explicit CsvWriter(char terminator) : end_(terminator == '\n' ? "\r\n" : std::string_view("\0", 1)) {}

    template <typename Out> void header(Out& out)
    {
        out.put("entry");
        headerColumns(out);
        out.put(end_);
    }
    template <typename Out> void headerColumns(Out& out)
    {
        for (std::string_view name : kAnswerColumns) {
            out.put(',');
            out.put(name);
        }
    }
    template <typename Out> void appendedHeader(Out& out)
    {
        headerColumns(out);
        out.put(end_);
    }
    template <typename Out> void entry(Out& out, std::string_view text) { putCsvField(out, text); }
    template <typename Out> void entryPiece(Out& out, std::string_view text)
    {
        if (!quoted_)
            out.put('"');
        quoted_ = true;
        putCsvQuotedInside(out, text);
    }
    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        if (quoted_)
            out.put('"');
        quoted_ = false;
        putAnswerColumns(out, ',', answer, [&](std::string_view text) { putCsvField(out, text); });
        out.put(end_);
    }

private:
    std::string_view end_;
    bool quoted_ = false;
};

// One JSON object per entry, every key always there: entry, sc, ey, aw,
// error, message, sc_value, ey_year, aw_year, those that do not apply null.
// The entry's bytes that are not UTF-8 are written U+FFFD.
class JsonlWriter {
public:
    explicit JsonlWriter(char terminator) : terminator_(terminator) {}

    template <typename Out> void header(Out&) {}
    template <typename Out> void entry(Out& out, std::string_view text) { entryPiece(out, text); }
    template <typename Out> void entryPiece(Out& out, std::string_view text)
    {
        if (!started_)
            out.put("{\"entry\":\"");
        started_ = true;
        json_.put(out, text);
    }
    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        if (!started_)
            out.put("{\"entry\":\"");
        started_ = false;
        json_.finish(out);
        if (answer.kind == AnswerKind::Converted) {
            const ResultLine& line = *answer.line;
            const Numbers n = numbers(line);
            char* p = out.reserve(write::kConvertedRow + 128);
            p = write::copy(p, "\",\"sc\":\"");
            p = write::copy(p, line.sc());
            p = write::copy(p, "\",\"ey\":\"");
            p = write::copy(p, line.ey());
            p = write::copy(p, "\",\"aw\":\"");
            p = write::copy(p, line.aw());
            p = write::copy(p, "\",\"error\":null,\"message\":null,\"sc_value\":");
            p = write::copy(p, n.sc);
            p = write::copy(p, ",\"ey_year\":");
            p = write::copy(p, n.ey);
            p = write::copy(p, ",\"aw_year\":");
            p = write::copy(p, n.aw);
            p = write::copy(p, "}");
            *p++ = terminator_;
            out.commit(p);
            return;
        }
        char buffer[kMessageCapacity];
        out.put("\",\"sc\":null,\"ey\":null,\"aw\":null,\"error\":\"");
        out.put(errorName(answer.kind));
        out.put("\",\"message\":\"");
        JsonEscaper text;
        text.put(out, message(answer, buffer));
        text.finish(out);
        out.put("\",\"sc_value\":null,\"ey_year\":null,\"aw_year\":null}");
        out.put(terminator_);
    }

private:
    char terminator_;
    JsonEscaper json_;
    bool started_ = false;
};

} // namespace mrv::cli
