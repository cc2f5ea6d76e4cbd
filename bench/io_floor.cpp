// The I/O floor of the batch converter: the same read, split and write
// method, with no conversion. It reads standard input in 64 KiB blocks,
// splits it on line feeds and writes each line back through a 64 KiB output
// block. No converter can be faster than this on the same input.
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

char input[1 << 16];
char output[1 << 16];
std::size_t used = 0;

bool flush()
{
    std::size_t done = 0;
    while (done < used) {
        ssize_t n = ::write(STDOUT_FILENO, output + done, used - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    used = 0;
    return true;
}

bool put(const char* text, std::size_t size)
{
    while (size > 0) {
        if (used == sizeof output && !flush())
            return false;
        const std::size_t n = size < sizeof output - used ? size : sizeof output - used;
        std::memcpy(output + used, text, n);
        used += n;
        text += n;
        size -= n;
    }
    return true;
}

} // namespace

int main()
{
    for (;;) {
        if (!flush())
            return 2;
        ssize_t n = ::read(STDIN_FILENO, input, sizeof input);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return 2;
        if (n == 0)
            break;
        const char* p = input;
        const char* const end = input + n;
        // A line split between two blocks is written in two pieces.
        while (p < end) {
            const auto* stop =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const char* lineEnd = stop ? stop : end;
            if (!put(p, static_cast<std::size_t>(lineEnd - p)) || (stop && !put("\n", 1)))
                return 2;
            p = lineEnd + 1;
        }
    }
    return flush() ? 0 : 2;
}
