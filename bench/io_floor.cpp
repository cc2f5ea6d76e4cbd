// The I/O floor of the batch converter: its own read, split and write code
// (BlockIo.h), with no conversion: each entry is written back as it came.
// No converter can be faster than this on the same input.
#include "BlockIo.h"

#include <string_view>

namespace {

mrv::Output out;
mrv::Input in;

struct Echo {
    void whole(std::string_view text)
    {
        out.put(text);
        out.put('\n');
    }
    void piece(std::string_view text) { out.put(text); }
    void end() { out.put('\n'); }
};

} // namespace

int main()
{
    Echo echo;
    const int readError = mrv::splitStandardInput(out, in, '\n', echo);
    out.flush();
    return readError != 0 || !out.ok() ? 2 : 0;
}
