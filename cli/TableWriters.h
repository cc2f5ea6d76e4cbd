// The tsv and csv formats: the entry, then the answer's columns, under a
// header row. With --field they append the answer's columns to a table's
// own row instead of writing the entry.
#pragma once

#include "Answer.h"
#include "BlockIo.h"
#include "Columns.h"
#include "Escape.h"

#include <cstddef>
#include <string_view>

namespace mrv::cli {

// The shape both table formats share: a header row, and the answer's
// columns after the entry or a table's own row. `Format` writes the fields
// its own way: putField(out, text), closeEntry(out), and a short text
// (kShortText) into a reserved block: writeField(p, text).
template <typename Format> class TableWriter {
public:
    TableWriter(char separator, std::string_view end, const Columns& columns)
        : separator_(separator), end_(end), columns_(columns), allColumns_(columns.all())
    {
    }

    void header(Output& out);
    // The answer's column names, each after a separator: also after a
    // table's header row with --field.
    void columnNames(Output& out);
    void answer(Output& out, const Answer& answer);
    // A whole entry that converted, with its columns and the record end:
    // nearly every record, written in one go.
    void converted(Output& out, std::string_view entry, const ResultLine& line);
    // The answer's columns alone: after a table's own row with --field.
    void columns(Output& out, const Answer& answer);
    // A converted answer's columns and then `end`, the row's line end.
    void convertedColumns(Output& out, const ResultLine& line, std::string_view end);
    // The format's record end.
    std::string_view end() const { return end_; }

protected:
    const char separator_;

private:
    const std::string_view end_;
    const Columns columns_;
    const bool allColumns_;
};

// Tab-separated columns; the entry escaped (\t, \n, \r, \0, \\) so that
// every row keeps its fields.
class TsvWriter : public TableWriter<TsvWriter> {
public:
    explicit TsvWriter(char terminator, const Columns& columns = {});

    void entry(Output& out, std::string_view text);
    void entryPiece(Output& out, std::string_view text) { entry(out, text); }
    void putField(Output& out, std::string_view text) { entry(out, text); }
    void closeEntry(Output&) {}
    static char* writeField(char* p, std::string_view text) { return writeTsvEscaped(p, text); }
};

// RFC 4180: fields split by commas (or the delimiter given), quoted only
// where they must be, records ended by CR LF (by NUL with -z). An entry
// longer than kHeld bytes is always quoted: one that arrives in pieces is
// written before its end is known, and the same entry must be written the
// same way wherever the input's blocks happen to end.
class CsvWriter : public TableWriter<CsvWriter> {
public:
    explicit CsvWriter(char terminator, const Columns& columns = {}, char delimiter = ',');
    static constexpr std::size_t kHeld = 256;

    void entry(Output& out, std::string_view text);
    void entryPiece(Output& out, std::string_view text);
    void putField(Output& out, std::string_view text);
    // An entry that arrived in pieces: its closing quote, or the whole of it.
    void closeEntry(Output& out);
    char* writeField(char* p, std::string_view text) const { return writeCsvField(p, text, separator_); }

private:
    char hold_[kHeld]; // the first pieces of an entry, while it may still be short
    std::size_t held_ = 0;
    bool quoted_ = false;
};

} // namespace mrv::cli
