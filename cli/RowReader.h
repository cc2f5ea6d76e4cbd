// Rows of a table read as they arrive, for --field: a TSV or CSV reader
// takes the lines that splitStandardInput hands it (whole(line), or
// piece(part)... end()) and tells its sink, in order:
//   row(bytes)      bytes of the row as they stand in the input, to be
//                   written back unchanged (without the row's line end);
//   field(bytes)    the content of the chosen field, unescaped or unquoted;
//   rowEnd(found, cr) the row is complete; found: it had the chosen field;
//                   cr: its line end was a carriage return and the terminator.
// Field 0 chooses every field: their contents go to field(bytes) with
// nextField() between them, and after the row the sink's chosenField()
// (where it has one) chooses the field of the rows after it; so a header
// row can name the column to convert.
// Nothing of a row is kept, so a row of any length reads in fixed memory.
// One carriage return before a row's line end belongs to the line end.
#pragma once

#include "LineReturn.h"

#include <cstddef>
#include <string_view>

namespace mrv::cli {

// TSV: fields split on tabs; \t, \n, \r, \0 and \\ in a field stand for a
// tab, line feed, carriage return, NUL and backslash; any other backslash is
// itself.
template <typename Sink> class TsvRowReader {
public:
    TsvRowReader(std::size_t field, Sink& sink) : wanted_(field), sink_(sink) {}

    void whole(std::string_view line)
    {
        take(withoutLineReturn(line));
        endRow(line.ends_with('\r'));
    }
    void piece(std::string_view part)
    {
        lineReturn_.pass(part, [this](std::string_view bytes) { take(bytes); });
    }
    void end() { endRow(lineReturn_.end()); }
    // Standard input ended: nothing is left open.
    void finish() {}

private:
    void endRow(bool carriageReturn)
    {
        if (escape_ && (current_ == wanted_ || wanted_ == 0))
            sink_.field("\\");
        sink_.rowEnd(current_ >= wanted_, carriageReturn);
        if constexpr (requires { sink_.chosenField(); }) {
            if (wanted_ == 0)
                wanted_ = sink_.chosenField();
        }
        current_ = 1, escape_ = false;
    }

    void nextField()
    {
        if (wanted_ == 0)
            sink_.nextField();
        ++current_;
    }

    void take(std::string_view bytes)
    {
        sink_.row(bytes);
        while (!bytes.empty()) {
            if (current_ != wanted_ && wanted_ != 0) { // skip to the next tab
                const std::size_t tab = bytes.find('\t');
                if (tab == std::string_view::npos)
                    return;
                ++current_;
                bytes.remove_prefix(tab + 1);
                continue;
            }
            if (escape_) {
                escape_ = false;
                const char c = bytes.front();
                const char* plain = c == 't'    ? "\t"
                                    : c == 'n'  ? "\n"
                                    : c == 'r'  ? "\r"
                                    : c == '0'  ? "\0"
                                    : c == '\\' ? "\\"
                                                : nullptr;
                if (plain) {
                    sink_.field(std::string_view(plain, 1));
                    bytes.remove_prefix(1);
                } else {
                    sink_.field("\\");
                }
                continue;
            }
            const std::size_t stop = bytes.find_first_of("\t\\");
            sink_.field(bytes.substr(0, stop));
            if (stop == std::string_view::npos)
                return;
            if (bytes[stop] == '\t')
                nextField();
            else
                escape_ = true;
            bytes.remove_prefix(stop + 1);
        }
    }

    std::size_t wanted_;
    Sink& sink_;
    LineReturn lineReturn_;
    std::size_t current_ = 1; // the field being read, 1-based
    bool escape_ = false;     // a backslash in the wanted field waits for its letter
};

// CSV (RFC 4180): fields split on commas, or the delimiter given; a field in
// double quotes may hold delimiters, line breaks and doubled quotes. As most readers do, a quote inside
// an unquoted field and text after a closing quote are taken as they are.
template <typename Sink> class CsvRowReader {
public:
    CsvRowReader(std::size_t field, char terminator, Sink& sink, char delimiter = ',')
        : wanted_(field), terminator_(terminator), delimiter_(delimiter), sink_(sink)
    {
    }

    void whole(std::string_view line)
    {
        piece(line);
        end();
    }
    void piece(std::string_view part)
    {
        lineReturn_.pass(part, [this](std::string_view bytes) { take(bytes); });
    }
    // The end of a line: the end of the row, unless a quoted field goes on.
    // Then the line end is the field's, once more of the row follows.
    void end()
    {
        takeLineEnd();
        const bool heldReturn = lineReturn_.end();
        if (state_ == State::Quoted) {
            lineEnd_ = heldReturn ? 2 : 1;
            return;
        }
        endRow(heldReturn);
    }
    // Standard input ended: a row still inside quotes ends there, its quote
    // closed so that the columns after it stay columns.
    void finish()
    {
        if (state_ == State::Quoted) {
            const bool carriageReturn = lineEnd_ == 2;
            lineEnd_ = 0; // only the input's last line end
            sink_.row("\"");
            endRow(carriageReturn);
        }
    }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    void endRow(bool carriageReturn)
    {
        sink_.rowEnd(current_ >= wanted_, carriageReturn);
        if constexpr (requires { sink_.chosenField(); }) {
            if (wanted_ == 0)
                wanted_ = sink_.chosenField();
        }
        current_ = 1, state_ = State::FieldStart;
    }

    void content(std::string_view bytes)
    {
        if ((current_ == wanted_ || wanted_ == 0) && !bytes.empty())
            sink_.field(bytes);
    }

    // The line end inside a quoted field, \r and the terminator or the
    // terminator alone.
    void takeLineEnd()
    {
        const char lineEnd[] = {'\r', terminator_};
        const std::size_t size = lineEnd_;
        lineEnd_ = 0;
        if (size > 0)
            take(std::string_view(lineEnd + 2 - size, size));
    }

    void take(std::string_view bytes)
    {
        takeLineEnd();
        sink_.row(bytes);
        while (!bytes.empty()) {
            switch (state_) {
            case State::FieldStart:
                if (bytes.front() == '"') {
                    state_ = State::Quoted;
                    bytes.remove_prefix(1);
                    break;
                }
                state_ = State::Unquoted;
                [[fallthrough]];
            case State::Unquoted: {
                const std::size_t comma = bytes.find(delimiter_);
                content(bytes.substr(0, comma));
                if (comma == std::string_view::npos)
                    return;
                nextField();
                bytes.remove_prefix(comma + 1);
                break;
            }
            case State::Quoted: {
                const std::size_t quote = bytes.find('"');
                content(bytes.substr(0, quote));
                if (quote == std::string_view::npos)
                    return;
                state_ = State::QuoteInQuoted;
                bytes.remove_prefix(quote + 1);
                break;
            }
            case State::QuoteInQuoted:
                if (bytes.front() == '"') { // a doubled quote
                    content("\"");
                    state_ = State::Quoted;
                    bytes.remove_prefix(1);
                } else {
                    state_ = State::Unquoted; // the field closed; a comma or text follows
                }
                break;
            }
        }
    }

    void nextField()
    {
        if (wanted_ == 0)
            sink_.nextField();
        ++current_;
        state_ = State::FieldStart;
    }

    std::size_t wanted_;
    const char terminator_;
    const char delimiter_;
    Sink& sink_;
    LineReturn lineReturn_;
    std::size_t current_ = 1; // the field being read, 1-based
    State state_ = State::FieldStart;
    std::size_t lineEnd_ = 0; // bytes of a line end inside quotes, not yet taken
};

} // namespace mrv::cli
