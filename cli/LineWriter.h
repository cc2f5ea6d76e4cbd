// The line format: the result line, or the refusal's message, one a line.
#pragma once

#include "Answer.h"
#include "WriteBytes.h"

#include <string_view>

namespace mrv::cli {

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

} // namespace mrv::cli
