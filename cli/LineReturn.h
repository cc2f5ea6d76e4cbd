// Line ends of a stream, which only the batch converter reads.
#pragma once

#include <string_view>

namespace mrv::cli {

// A line's last carriage return belongs to its line end (CR LF), not to the
// entry or row on it.
inline std::string_view withoutLineReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The same for a line that arrives in pieces: pass() hands on the bytes of
// each piece that belong to the entry, holding a carriage return at a
// piece's end until more of the line follows; end() at the line's end says
// whether one was held (and so dropped).
class LineReturn {
public:
    template <typename Take> void pass(std::string_view piece, Take&& take)
    {
        if (piece.empty())
            return;
        if (held_)
            take(std::string_view("\r", 1));
        held_ = piece.back() == '\r';
        take(held_ ? piece.substr(0, piece.size() - 1) : piece);
    }
    bool end()
    {
        const bool held = held_;
        held_ = false;
        return held;
    }

private:
    bool held_ = false;
};

} // namespace mrv::cli
