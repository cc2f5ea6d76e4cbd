// Rows of a table read as they arrive, for --field: a TSV or CSV reader
// takes the lines that splitStandardInput hands it (whole(line), or
// piece(part)... end()) and tells its sink, in order, what RowSink lists.
// Nothing of a row is kept, so a row of any length reads in fixed memory.
// One carriage return before a row's line end belongs to the line end.
#pragma once

#include "LineReturn.h"

#include <cstddef>
#include <string_view>

namespace mrv::cli {

class RowSink {
public:
    virtual ~RowSink() = default;
    // Bytes of the row as they stand in the input, to be written back
    // unchanged (without the row's line end).
    virtual void row(std::string_view bytes) = 0;
    // The content of the chosen field, unescaped or unquoted.
    virtual void field(std::string_view bytes) = 0;
    // With field 0, every field's content goes to field(), and this between
    // them: a header row read for a column's name.
    virtual void nextField() {}
    // The row is complete; found: it had the chosen field; carriageReturn:
    // its line end was a carriage return before the terminator.
    virtual void rowEnd(bool found, bool carriageReturn) = 0;
    // After a row read with field 0: the field of the rows after it.
    virtual std::size_t chosenField() const { return 0; }
    // Whether the rows to come change nothing, so that reading may stop.
    virtual bool done() const { return false; }
    // A row on one line whose chosen field needs no unescaping or unquoting,
    // nearly every row, told at once: what row(bytes), field(content) and
    // rowEnd(found, carriageReturn) would be told one by one.
    virtual void wholeRow(std::string_view bytes, std::string_view content, bool found, bool carriageReturn)
    {
        row(bytes);
        if (!content.empty())
            field(content);
        rowEnd(found, carriageReturn);
    }
};

// The chosen field of a row on one line, fields split by `delimiter`: its
// content, and whether the row has it.
struct LineField {
    std::string_view content;
    bool found = false;
};
LineField lineField(std::string_view line, std::size_t field, char delimiter);

// TSV: fields split on tabs; \t, \n, \r, \0 and \\ in a field stand for a
// tab, line feed, carriage return, NUL and backslash; any other backslash is
// itself.
class TsvRowReader {
public:
    TsvRowReader(std::size_t field, RowSink& sink) : wanted_(field), sink_(sink) {}

    void whole(std::string_view line);
    void piece(std::string_view part);
    void end() { endRow(lineReturn_.end()); }
    // Standard input ended: nothing is left open.
    void finish() {}
    bool done() const { return sink_.done(); }

private:
    void endRow(bool carriageReturn);
    void nextField();
    void take(std::string_view bytes);
    // A backslash in the wanted field and the byte after it.
    void unescape(std::string_view& bytes);

    std::size_t wanted_;
    RowSink& sink_;
    LineReturn lineReturn_;
    std::size_t current_ = 1; // the field being read, 1-based
    bool escape_ = false;     // a backslash in the wanted field waits for its letter
};

// CSV (RFC 4180): fields split on commas, or the delimiter given; a field in
// double quotes may hold delimiters, line breaks and doubled quotes. As most
// readers do, a quote inside an unquoted field and text after a closing
// quote are taken as they are.
class CsvRowReader {
public:
    CsvRowReader(std::size_t field, char terminator, RowSink& sink, char delimiter = ',')
        : wanted_(field), terminator_(terminator), delimiter_(delimiter), sink_(sink)
    {
    }

    void whole(std::string_view line);
    void piece(std::string_view part);
    // The end of a line: the end of the row, unless a quoted field goes on.
    // Then the line end is the field's, once more of the row follows.
    void end();
    // Standard input ended: a row still inside quotes ends there, its quote
    // closed so that the columns after it stay columns.
    void finish();
    bool done() const { return sink_.done(); }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    void endRow(bool carriageReturn);
    void content(std::string_view bytes);
    void takeLineEnd();
    void take(std::string_view bytes);
    void nextField();

    std::size_t wanted_;
    const char terminator_;
    const char delimiter_;
    RowSink& sink_;
    LineReturn lineReturn_;
    std::size_t current_ = 1; // the field being read, 1-based
    State state_ = State::FieldStart;
    std::size_t lineEnd_ = 0; // bytes of a line end inside quotes, not yet taken
};

} // namespace mrv::cli
