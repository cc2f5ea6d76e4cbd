#include "JsonlWriter.h"

#include "WriteBytes.h"

namespace mrv::cli {
namespace {

// ,"sc": and the like, before each key's value.
constexpr std::string_view kKeys[] = {",\"sc\":",      ",\"ey\":",       ",\"aw\":",      ",\"error\":",
                                      ",\"message\":", ",\"sc_value\":", ",\"ey_year\":", ",\"aw_year\":"};

std::string_view key(Column column)
{
    return kKeys[static_cast<std::size_t>(column)];
}

// A converted entry's chosen keys and values, into a block reserved for
// write::kConvertedRow bytes.
[[gnu::always_inline]] inline char* writeConvertedKeys(char* p, const Columns& columns, bool all,
                                                       const ResultLine& line)
{
    const Numbers n = numbers(line);
    if (all) { // the usual run: straight through, as a loop costs a tenth more
        p = write::copy(p, ",\"sc\":\"");
        p = write::copyFromLine(p, line.sc(), line);
        p = write::copy(p, "\",\"ey\":\"");
        p = write::copyFromLine(p, line.ey(), line);
        p = write::copy(p, "\",\"aw\":\"");
        p = write::copyFromLine(p, line.aw(), line);
        p = write::copy(p, "\",\"error\":null,\"message\":null,\"sc_value\":");
        p = write::copyFromLine(p, n.sc, line);
        p = write::copy(p, ",\"ey_year\":");
        p = write::copyFromLine(p, n.ey, line);
        p = write::copy(p, ",\"aw_year\":");
        return write::copyFromLine(p, n.aw, line);
    }
    for (const Column column : columns) {
        p = write::copy(p, key(column));
        const bool text = column == Column::Sc || column == Column::Ey || column == Column::Aw;
        if (column == Column::Error || column == Column::Message)
            p = write::copy(p, "null");
        if (text)
            *p++ = '"';
        p = write::copyColumn(p, column, line, n);
        if (text)
            *p++ = '"';
    }
    return p;
}

} // namespace

void JsonlWriter::entry(Output& out, std::string_view text)
{
    if (text.size() <= kShortText && jsonPlain(text)) { // the usual entry: as it is
        char* p = out.reserve(kShortText + 16);
        p = write::copy(p, "{\"entry\":\"");
        out.commit(write::copy(p, text));
        started_ = true;
        return;
    }
    entryPiece(out, text);
}

void JsonlWriter::entryPiece(Output& out, std::string_view text)
{
    if (!started_)
        out.put("{\"entry\":\"");
    started_ = true;
    json_.put(out, text);
}

void JsonlWriter::answer(Output& out, const Answer& answer)
{
    if (!started_)
        out.put("{\"entry\":\"");
    started_ = false;
    json_.finish(out);
    out.put('"');
    if (answer.kind == ConversionOutcome::Kind::Converted)
        out.commit(
            writeConvertedKeys(out.reserve(write::kConvertedRow), columns_, allColumns_, *answer.line));
    else
        refusedKeys(out, answer);
    out.put('}');
    out.put(terminator_);
}

// One reserved block for the whole object, as every call and every library
// copy of its few bytes shows in the time per entry.
void JsonlWriter::converted(Output& out, std::string_view entry, const ResultLine& line)
{
    if (entry.size() > kShortText || !jsonPlain(entry)) {
        Answer a;
        a.line = &line;
        this->entry(out, entry);
        answer(out, a);
        return;
    }
    char* p = out.reserve(kShortText + 16 + write::kConvertedRow + 2);
    p = write::copy(p, "{\"entry\":\"");
    p = write::copy(p, entry);
    *p++ = '"';
    p = writeConvertedKeys(p, columns_, allColumns_, line);
    *p++ = '}';
    *p++ = terminator_;
    out.commit(p);
}

void JsonlWriter::refusedKeys(Output& out, const Answer& answer)
{
    char buffer[kMessageCapacity];
    for (const Column column : columns_) {
        out.put(key(column));
        if (column == Column::Error) {
            out.put('"');
            out.put(errorName(answer.kind));
            out.put('"');
        } else if (column == Column::Message) {
            out.put('"');
            JsonEscaper text;
            text.put(out, message(answer, buffer));
            text.finish(out);
            out.put('"');
        } else {
            out.put("null");
        }
    }
}

} // namespace mrv::cli
