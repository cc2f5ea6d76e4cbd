// The jsonl format: one JSON object per entry, every key always there:
// entry, sc, ey, aw, error, message, sc_value, ey_year, aw_year, those that
// do not apply null. The entry's bytes that are not UTF-8 are written U+FFFD.
#pragma once

#include "Answer.h"
#include "Escape.h"
#include "WriteBytes.h"

#include <string_view>

namespace mrv::cli {

class JsonlWriter {
public:
    explicit JsonlWriter(char terminator) : terminator_(terminator) {}

    template <typename Out> void header(Out&) {}
    template <typename Out> void entry(Out& out, std::string_view text)
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
            char* p = out.reserve(write::kConvertedRow);
            p = write::copy(p, "\",\"sc\":\"");
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
            p = write::copyFromLine(p, n.aw, line);
            *p++ = '}';
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
