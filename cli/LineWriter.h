// The line format: the result line, or the refusal's message, one a line.
#pragma once

#include "Answer.h"
#include "BlockIo.h"

#include <string_view>

namespace mrv::cli {

class LineWriter {
public:
    explicit LineWriter(char terminator) : terminator_(terminator) {}
    char terminator() const { return terminator_; }

    void header(Output&) {}
    void entry(Output&, std::string_view) {}
    void entryPiece(Output&, std::string_view) {}
    void answer(Output& out, const Answer& answer);

private:
    char terminator_;
};

} // namespace mrv::cli
