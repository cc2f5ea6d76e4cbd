// The tsv and csv formats: the entry, then the answer's columns, under a
// header row. With --field they append the answer's columns to a table's
// own row instead of writing the entry.
#pragma once

#include "Answer.h"
#include "Columns.h"
#include "Escape.h"
#include "OptionTable.h"
#include "WriteBytes.h"

#include <cstring>
#include <string_view>

namespace mrv::cli {

// The chosen columns after the entry, `separator` before each: for a
// converted entry the result's pieces and numbers, for a refused one its
// kind and message; `field` writes the message, the one column that may
// need escaping.
template <typename Out, typename Field>
void putAnswerColumns(Out& out, char separator, const Columns& columns, const Answer& answer, Field field)
{
    if (answer.kind == AnswerKind::Converted) {
        const ResultLine& line = *answer.line;
        const Numbers n = numbers(line);
        char* p = out.reserve(write::kConvertedRow);
        for (const Column column : columns) {
            *p++ = separator;
            switch (column) {
            case Column::Sc:
                p = write::copyFromLine(p, line.sc(), line);
                break;
            case Column::Ey:
                p = write::copyFromLine(p, line.ey(), line);
                break;
            case Column::Aw:
                p = write::copyFromLine(p, line.aw(), line);
                break;
            case Column::Error:
            case Column::Message:
                break;
            case Column::ScValue:
                p = write::copyFromLine(p, n.sc, line);
                break;
            case Column::EyYear:
                p = write::copyFromLine(p, n.ey, line);
                break;
            case Column::AwYear:
                p = write::copyFromLine(p, n.aw, line);
                break;
            }
        }
        out.commit(p);
        return;
    }
    char buffer[kMessageCapacity];
    for (const Column column : columns) {
        out.put(separator);
        if (column == Column::Error)
            out.put(errorName(answer.kind));
        else if (column == Column::Message)
            field(message(answer, buffer));
    }
}

// The shape both table formats share: a header row, and the answer's
// columns after the entry or a table's own row. `Format` writes the fields
// its own way: putField(out, text) and closeEntry(out).
template <typename Format> class TableWriter {
public:
    TableWriter(char separator, std::string_view end, const Columns& columns)
        : separator_(separator), end_(end), columns_(columns)
    {
    }

    template <typename Out> void header(Out& out)
    {
        out.put("entry");
        columnNames(out);
        out.put(end_);
    }
    // The answer's column names, each after a separator: also after a
    // table's header row with --field.
    template <typename Out> void columnNames(Out& out)
    {
        for (const Column column : columns_) {
            out.put(separator_);
            out.put(kColumnNames[static_cast<std::size_t>(column)]);
        }
    }
    template <typename Out> void answer(Out& out, const Answer& answer)
    {
        static_cast<Format*>(this)->closeEntry(out);
        columns(out, answer);
        out.put(end_);
    }
    // The answer's columns alone: after a table's own row with --field.
    template <typename Out> void columns(Out& out, const Answer& answer)
    {
        putAnswerColumns(out, separator_, columns_, answer,
                         [&](std::string_view text) { static_cast<Format*>(this)->putField(out, text); });
    }
    // The format's record end: also a table's last row's, when it had none.
    std::string_view end() const { return end_; }

protected:
    const char separator_;

private:
    const std::string_view end_;
    const Columns columns_;
};

// Tab-separated columns; the entry escaped (\t, \n, \r, \0, \\) so that
// every row keeps its fields.
class TsvWriter : public TableWriter<TsvWriter> {
public:
    explicit TsvWriter(char terminator, const Columns& columns = {})
        : TableWriter('\t', terminator == '\n' ? "\n" : std::string_view("\0", 1), columns)
    {
    }

    template <typename Out> void entry(Out& out, std::string_view text) { putTsvEscaped(out, text); }
    template <typename Out> void entryPiece(Out& out, std::string_view text) { putTsvEscaped(out, text); }
    template <typename Out> void putField(Out& out, std::string_view text) { putTsvEscaped(out, text); }
    template <typename Out> void closeEntry(Out&) {}
};

// RFC 4180: fields split by commas (or the delimiter given), quoted only
// where they must be, records ended by CR LF (by NUL with -z). An entry
// longer than kHeld bytes is always quoted: one that arrives in pieces is
// written before its end is known, and the same entry must be written the
// same way wherever the input's blocks happen to end.
class CsvWriter : public TableWriter<CsvWriter> {
public:
    explicit CsvWriter(char terminator, const Columns& columns = {}, char delimiter = ',')
        : TableWriter(delimiter, terminator == '\n' ? "\r\n" : std::string_view("\0", 1), columns)
    {
    }
    static constexpr std::size_t kHeld = 256;

    template <typename Out> void entry(Out& out, std::string_view text)
    {
        if (text.size() <= kHeld) {
            putField(out, text);
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
    template <typename Out> void putField(Out& out, std::string_view text)
    {
        putCsvField(out, text, separator_);
    }
    // An entry that arrived in pieces: its closing quote, or the whole of it.
    template <typename Out> void closeEntry(Out& out)
    {
        if (quoted_)
            out.put('"');
        else if (held_ > 0)
            putField(out, std::string_view(hold_, held_));
        quoted_ = false;
        held_ = 0;
    }

private:
    char hold_[kHeld]; // the first pieces of an entry, while it may still be short
    std::size_t held_ = 0;
    bool quoted_ = false;
};

} // namespace mrv::cli
