// The jsonl format: one JSON object per entry: entry, then the chosen keys
// (by default sc, ey, aw, error, message, sc_value, ey_year, aw_year), each
// always there, null where it does not apply. The entry's bytes that are
// not UTF-8 are written U+FFFD.
#pragma once

#include "Answer.h"
#include "BlockIo.h"
#include "Columns.h"
#include "Escape.h"

#include <string_view>

namespace mrv::cli {

class JsonlWriter {
public:
    explicit JsonlWriter(char terminator, const Columns& columns = {})
        : terminator_(terminator), columns_(columns), allColumns_(columns.all())
    {
    }

    void header(Output&) {}
    void entry(Output& out, std::string_view text);
    void entryPiece(Output& out, std::string_view text);
    void answer(Output& out, const Answer& answer);
    // A whole entry that converted, with its keys: nearly every object,
    // written in one go.
    void converted(Output& out, std::string_view entry, const ResultLine& line);

private:
    void refusedKeys(Output& out, const Answer& answer);

    char terminator_;
    Columns columns_;
    bool allColumns_;
    JsonEscaper json_;
    bool started_ = false;
};

} // namespace mrv::cli
