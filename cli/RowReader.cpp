#include "RowReader.h"

namespace mrv::cli {

LineField lineField(std::string_view line, std::size_t field, char delimiter)
{
    std::size_t start = 0;
    for (std::size_t n = 1; n < field; ++n) {
        const std::size_t next = line.find(delimiter, start);
        if (next == std::string_view::npos)
            return {};
        start = next + 1;
    }
    return {line.substr(start, line.find(delimiter, start) - start), true};
}

void TsvRowReader::whole(std::string_view line)
{
    const std::string_view bytes = withoutLineReturn(line);
    if (wanted_ != 0) { // a field without escapes at once
        const LineField field = lineField(bytes, wanted_, '\t');
        if (field.content.find('\\') == std::string_view::npos) {
            sink_.wholeRow(bytes, field.content, field.found, bytes.size() < line.size());
            return;
        }
    }
    take(bytes);
    endRow(bytes.size() < line.size());
}

void TsvRowReader::piece(std::string_view part)
{
    lineReturn_.pass(part, [this](std::string_view bytes) { take(bytes); });
}

void TsvRowReader::endRow(bool carriageReturn)
{
    if (escape_ && (current_ == wanted_ || wanted_ == 0))
        sink_.field("\\");
    sink_.rowEnd(current_ >= wanted_, carriageReturn);
    if (wanted_ == 0)
        wanted_ = sink_.chosenField();
    current_ = 1, escape_ = false;
}

void TsvRowReader::nextField()
{
    if (wanted_ == 0)
        sink_.nextField();
    ++current_;
}

void TsvRowReader::unescape(std::string_view& bytes)
{
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
}

void TsvRowReader::take(std::string_view bytes)
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
            unescape(bytes);
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

void CsvRowReader::whole(std::string_view line)
{
    const std::string_view bytes = withoutLineReturn(line);
    // A row that starts on this line and has no quote at all: at once.
    if (wanted_ != 0 && state_ == State::FieldStart && current_ == 1 &&
        bytes.find('"') == std::string_view::npos) {
        const LineField field = lineField(bytes, wanted_, delimiter_);
        sink_.wholeRow(bytes, field.content, field.found, bytes.size() < line.size());
        return;
    }
    piece(line);
    end();
}

void CsvRowReader::piece(std::string_view part)
{
    lineReturn_.pass(part, [this](std::string_view bytes) { take(bytes); });
}

void CsvRowReader::end()
{
    takeLineEnd();
    const bool heldReturn = lineReturn_.end();
    if (state_ == State::Quoted) {
        lineEnd_ = heldReturn ? 2 : 1;
        return;
    }
    endRow(heldReturn);
}

void CsvRowReader::finish()
{
    if (state_ == State::Quoted) {
        const bool carriageReturn = lineEnd_ == 2;
        lineEnd_ = 0; // only the input's last line end
        sink_.row("\"");
        endRow(carriageReturn);
    }
}

void CsvRowReader::endRow(bool carriageReturn)
{
    sink_.rowEnd(current_ >= wanted_, carriageReturn);
    if (wanted_ == 0)
        wanted_ = sink_.chosenField();
    current_ = 1, state_ = State::FieldStart;
}

void CsvRowReader::content(std::string_view bytes)
{
    if ((current_ == wanted_ || wanted_ == 0) && !bytes.empty())
        sink_.field(bytes);
}

// The line end inside a quoted field, \r and the terminator or the
// terminator alone.
void CsvRowReader::takeLineEnd()
{
    const char lineEnd[] = {'\r', terminator_};
    const std::size_t size = lineEnd_;
    lineEnd_ = 0;
    if (size > 0)
        take(std::string_view(lineEnd + 2 - size, size));
}

void CsvRowReader::take(std::string_view bytes)
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
            const std::size_t delimiter = bytes.find(delimiter_);
            content(bytes.substr(0, delimiter));
            if (delimiter == std::string_view::npos)
                return;
            nextField();
            bytes.remove_prefix(delimiter + 1);
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
                state_ = State::Unquoted; // the field closed; a delimiter or text follows
            }
            break;
        }
    }
}

void CsvRowReader::nextField()
{
    if (wanted_ == 0)
        sink_.nextField();
    ++current_;
    state_ = State::FieldStart;
}

} // namespace mrv::cli
