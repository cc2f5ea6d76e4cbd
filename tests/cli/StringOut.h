// An output for the batch converter's writers that keeps what they write.
#pragma once

#include "BlockIo.h"

#include <cstddef>
#include <string>

class StringOut : public mrv::Output {
public:
    const std::string& text()
    {
        flush();
        return written_;
    }
    void clear()
    {
        flush();
        written_.clear();
    }

protected:
    int writeOut(const char* bytes, std::size_t size) override
    {
        written_.append(bytes, size);
        return 0;
    }

private:
    std::string written_;
};
