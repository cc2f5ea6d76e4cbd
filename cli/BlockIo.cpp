#include "BlockIo.h"

#include <algorithm>

namespace mrv {

void Output::putLong(std::string_view text)
{
    while (!text.empty()) {
        if (used_ == kSize)
            flush();
        const std::size_t n = std::min(text.size(), kSize - used_);
        std::memcpy(buffer_ + used_, text.data(), n);
        used_ += n;
        text.remove_prefix(n);
    }
}

void Output::flush()
{
    if (ok() && used_ > 0)
        error_ = writeOut(buffer_, used_);
    used_ = 0;
}

int Output::writeOut(const char* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const auto n = ::write(STDOUT_FILENO, bytes + done, static_cast<unsigned>(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

bool Input::fill()
{
    for (;;) {
        const auto n = ::read(STDIN_FILENO, block_ + size_, static_cast<unsigned>(kSize - size_));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error_ = errno;
        if (n <= 0)
            return false;
        size_ += static_cast<std::size_t>(n);
        return true;
    }
}

bool Input::skipByteOrderMark()
{
    // A short read may end inside the mark: read on while what came is its start.
    while (size_ < kByteOrderMark.size() && kByteOrderMark.starts_with(std::string_view(block_, size_)) &&
           fill()) {
    }
    const bool mark = std::string_view(block_, size_).starts_with(kByteOrderMark);
    start_ = mark ? kByteOrderMark.size() : 0;
    return mark;
}

std::string_view Input::read()
{
    if (start_ < size_) {
        const std::string_view ahead(block_ + start_, size_ - start_);
        start_ = size_ = 0;
        return ahead;
    }
    start_ = size_ = 0;
    if (error_ != 0 || !fill())
        return {};
    const std::string_view block(block_, size_);
    size_ = 0;
    return block;
}

} // namespace mrv
