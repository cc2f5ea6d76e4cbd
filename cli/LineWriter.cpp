#include "LineWriter.h"

#include "WriteBytes.h"

namespace mrv::cli {

void LineWriter::answer(Output& out, const Answer& answer)
{
    char buffer[kMessageCapacity];
    const std::string_view text =
        answer.kind == ConversionOutcome::Kind::Converted ? answer.line->line() : message(answer, buffer);
    char* p = out.reserve(text.size() + 1);
    p = write::copy(p, text);
    *p++ = terminator_;
    out.commit(p);
}

} // namespace mrv::cli
