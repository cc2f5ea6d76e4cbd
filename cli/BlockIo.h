// Block input and output for programs that stream many short entries: the
// batch converter, and the I/O floor it is measured against, which share it
// so that the floor is the converter's own method by construction.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace mrv {

// Windows opens the standard streams in text mode, which writes "\r\n" for
// each "\n" and takes a Ctrl+Z byte for the end of the input. Entries and
// answers are bytes: every build reads and writes the same ones, line feeds
// (a "\r" before one is taken off an entry anyway).
inline void useBinaryStandardStreams()
{
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
    _setmode(2, _O_BINARY);
#endif
}

// Standard output through one fixed block. The first failed write is kept;
// nothing is written after it.
class Output {
public:
    static constexpr std::size_t kSize = 1 << 16;

    Output() { useBinaryStandardStreams(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    virtual ~Output() = default;

    bool ok() const { return error_ == 0; }
    int error() const { return error_; }

    // Room for `n` contiguous bytes (n well under kSize); commit what was used.
    char* reserve(std::size_t n)
    {
        if (used_ + n > kSize)
            flush();
        return buffer_ + used_;
    }
    void commit(char* end) { used_ = static_cast<std::size_t>(end - buffer_); }

    void put(char c)
    {
        char* p = reserve(1);
        *p = c;
        commit(p + 1);
    }
    // Inline, as every answer is several of these: bench/run.sh shows the cost.
    void put(std::string_view text)
    {
        if (used_ + text.size() <= kSize) {
            std::memcpy(buffer_ + used_, text.data(), text.size());
            used_ += text.size();
            return;
        }
        putLong(text);
    }
    void flush();
    // Drops what is not yet written.
    void discard() { used_ = 0; }

protected:
    // Writes the block's bytes out: to standard output; 0 or the error.
    virtual int writeOut(const char* bytes, std::size_t size);

private:
    void putLong(std::string_view text);

    char buffer_[kSize];
    std::size_t used_ = 0;
    int error_ = 0;
};

// UTF-8's byte-order mark, which spreadsheets write at the start of a file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Standard input in fixed blocks.
class Input {
public:
    static constexpr std::size_t kSize = 1 << 16;

    // Takes a byte-order mark off the start of the input; whether there was
    // one. Before the first read().
    bool skipByteOrderMark();
    // The next block; empty at the end of the input or after a failed read,
    // whose error error() then gives.
    std::string_view read();
    int error() const { return error_; }

private:
    // Reads into the block after `size_` bytes.
    bool fill();

    char block_[kSize];
    std::size_t size_ = 0; // bytes read ahead by skipByteOrderMark, not yet handed out
    std::size_t start_ = 0;
    int error_ = 0;
};

// Reads standard input in blocks and hands `sink` each entry ended by the
// terminator: whole(text) when it lies in one block, else piece(text) for
// each part and end() after the last (also for an unterminated last entry).
// The output is flushed before every blocking read, so that a line-by-line
// conversation with another program works. Returns 0, or the error of the
// failed read; a failed write ends the reading (the output keeps its error),
// as does a sink whose done() says the rest would change nothing.
// A template, so that each sink's whole() is inlined into the loop: the
// converter's time per entry depends on it.
template <typename Sink> int splitStandardInput(Output& out, Input& in, char terminator, Sink& sink)
{
    bool inEntry = false;
    for (;;) {
        if constexpr (requires { sink.done(); }) {
            if (sink.done())
                return 0;
        }
        out.flush();
        if (!out.ok())
            return 0;
        const std::string_view block = in.read();
        if (block.empty())
            break;
        const char* p = block.data();
        const char* const end = p + block.size();
        while (p < end) {
            const auto* stop =
                static_cast<const char*>(std::memchr(p, terminator, static_cast<std::size_t>(end - p)));
            if (!stop) {
                sink.piece(std::string_view(p, static_cast<std::size_t>(end - p)));
                inEntry = true;
                break;
            }
            const std::string_view last(p, static_cast<std::size_t>(stop - p));
            if (inEntry) {
                sink.piece(last);
                sink.end();
                inEntry = false;
            } else {
                sink.whole(last);
            }
            p = stop + 1;
        }
    }
    if (inEntry)
        sink.end();
    return in.error();
}

} // namespace mrv
