#include "TableWriters.h"

#include "Escape.h"
#include "OptionTable.h"
#include "WriteBytes.h"

#include <cstring>

namespace mrv::cli {
namespace {

// A converted entry's chosen columns, `separator` before each: the result's
// pieces and numbers, into a block reserved for write::kConvertedRow bytes.
[[gnu::always_inline]] inline char* writeConvertedColumns(char* p, char separator, const Columns& columns,
                                                          bool all, const ResultLine& line)
{
    const Numbers n = numbers(line);
    if (all) { // the usual run: straight through, as a loop costs a tenth more
        for (std::string_view piece : {line.sc(), line.ey(), line.aw()}) {
            *p++ = separator;
            p = write::copyFromLine(p, piece, line);
        }
        *p++ = separator, *p++ = separator, *p++ = separator;
        p = write::copyFromLine(p, n.sc, line);
        *p++ = separator;
        p = write::copyFromLine(p, n.ey, line);
        *p++ = separator;
        return write::copyFromLine(p, n.aw, line);
    }
    for (const Column column : columns) {
        *p++ = separator;
        p = write::copyColumn(p, column, line, n);
    }
    return p;
}

} // namespace

template <typename Format> void TableWriter<Format>::header(Output& out)
{
    out.put("entry");
    columnNames(out);
    out.put(end_);
}

template <typename Format> void TableWriter<Format>::columnNames(Output& out)
{
    for (const Column column : columns_) {
        out.put(separator_);
        out.put(kColumnNames[static_cast<std::size_t>(column)]);
    }
}

template <typename Format> void TableWriter<Format>::answer(Output& out, const Answer& answer)
{
    static_cast<Format*>(this)->closeEntry(out);
    columns(out, answer);
    out.put(end_);
}

// One reserved block for the whole record, as every call and every
// library copy of its few bytes shows in the time per entry.
template <typename Format>
void TableWriter<Format>::converted(Output& out, std::string_view entry, const ResultLine& line)
{
    if (entry.size() > kShortText) {
        static_cast<Format*>(this)->entry(out, entry);
        convertedColumns(out, line, end_);
        return;
    }
    char* p = out.reserve(2 * kShortText + 2 + write::kConvertedRow + 2);
    p = static_cast<Format*>(this)->writeField(p, entry);
    p = writeConvertedColumns(p, separator_, columns_, allColumns_, line);
    out.commit(write::copy(p, end_));
}

template <typename Format>
void TableWriter<Format>::convertedColumns(Output& out, const ResultLine& line, std::string_view end)
{
    char* p = out.reserve(write::kConvertedRow + 2);
    p = writeConvertedColumns(p, separator_, columns_, allColumns_, line);
    out.commit(write::copy(p, end));
}

// A refused entry fills its kind and message, the one column that may need
// escaping; the others stay empty.
template <typename Format> void TableWriter<Format>::columns(Output& out, const Answer& answer)
{
    if (answer.kind == ConversionOutcome::Kind::Converted) {
        char* p = out.reserve(write::kConvertedRow);
        out.commit(writeConvertedColumns(p, separator_, columns_, allColumns_, *answer.line));
        return;
    }
    char buffer[kMessageCapacity];
    for (const Column column : columns_) {
        out.put(separator_);
        if (column == Column::Error)
            out.put(errorName(answer.kind));
        else if (column == Column::Message)
            static_cast<Format*>(this)->putField(out, message(answer, buffer));
    }
}

template class TableWriter<TsvWriter>;
template class TableWriter<CsvWriter>;

TsvWriter::TsvWriter(char terminator, const Columns& columns)
    : TableWriter('\t', terminator == '\n' ? "\n" : std::string_view("\0", 1), columns)
{
}

void TsvWriter::entry(Output& out, std::string_view text)
{
    putTsvEscaped(out, text);
}

CsvWriter::CsvWriter(char terminator, const Columns& columns, char delimiter)
    : TableWriter(delimiter, terminator == '\n' ? "\r\n" : std::string_view("\0", 1), columns)
{
}

void CsvWriter::entry(Output& out, std::string_view text)
{
    if (text.size() <= kHeld) {
        putField(out, text);
        return;
    }
    out.put('"');
    putCsvQuotedInside(out, text);
    out.put('"');
}

void CsvWriter::entryPiece(Output& out, std::string_view text)
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

void CsvWriter::putField(Output& out, std::string_view text)
{
    putCsvField(out, text, separator_);
}

void CsvWriter::closeEntry(Output& out)
{
    if (quoted_)
        out.put('"');
    else if (held_ > 0)
        putField(out, std::string_view(hold_, held_));
    quoted_ = false;
    held_ = 0;
}

} // namespace mrv::cli
