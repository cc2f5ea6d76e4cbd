// An output for the batch converter's writers that keeps what they write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct StringOut {
    std::string text;
    std::string scratch;

    void put(char c) { text += c; }
    void put(std::string_view s) { text += s; }
    char* reserve(std::size_t n)
    {
        scratch.resize(n);
        return scratch.data();
    }
    void commit(char* end) { text.append(scratch.data(), static_cast<std::size_t>(end - scratch.data())); }
};
