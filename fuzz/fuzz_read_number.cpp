// Fuzzes the leading-number reading. Beyond "no crash", every input must
// give a finite double or the overflow failure, agree with the C library's
// correctly rounded reader where the two grammars meet, and ignore blanks
// and whatever follows the number, and read the same when fed in pieces;
// the strict and typed readings read the same value.

#include "NumberReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "invariant broken: %s (input of %zu bytes)\n", what, text.size());
    std::abort();
}

bool same(std::optional<double> a, std::optional<double> b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// What the reading must give for `compact` (blanks already removed), when an
// independent reader is at hand; std::nullopt in `known` when there is none.
struct Expected {
    bool known = false;
    std::optional<double> value;
};

Expected radixReference(std::string_view digits, int radix)
{
    std::size_t n = 0;
    while (n < digits.size() && isHexDigit(digits[n]) && (radix == 16 || digits[n] <= '7'))
        ++n;
    while (n > 0 && digits.front() == '0') // leading zeros never widen the pattern
        digits.remove_prefix(1), --n;
    if (n == 0)
        return {true, 0.0};
    if (n > 6) // beyond 24 bits: certainly wider than 16
        return {true, std::nullopt};
    unsigned long value = std::strtoul(std::string(digits.substr(0, n)).c_str(), nullptr, radix);
    if (value > 0xFFFF)
        return {true, std::nullopt};
    return {true, static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)))};
}

Expected reference(const std::string& compact)
{
    std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixReference(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixReference(s.substr(2), 8);
    }
    // strtod reads a superset of the decimal grammar (leading white space,
    // "inf", "nan", hexadecimal floats); compare only where it starts like ours.
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i >= s.size() || !((s[i] >= '0' && s[i] <= '9') || s[i] == '.'))
        return {true, 0.0};
    if (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X'))
        return {}; // "0x..." is a hexadecimal float to strtod, "0" to us
    errno = 0;
    double value = std::strtod(compact.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return {true, std::nullopt};
    if (errno == ERANGE && value != 0.0 && std::fabs(value) < 0x1p-1022)
        return {}; // subnormal: "too small for the double range" may read as 0
    return {true, value};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<double> value = mrv::readLeadingNumber(text);
    if (value && !std::isfinite(*value))
        fail("reading gave a value that is not finite", text);

    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact.push_back(c);
    if (!same(mrv::readLeadingNumber(compact), value))
        fail("blanks changed the value", text);

    // Fed piece by piece, as the batch converter reads long lines, the
    // reading is the same wherever the pieces are cut.
    mrv::NumberReader reader;
    std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
    reader.feed(text.substr(0, cut));
    reader.feed(text.substr(cut, cut));
    reader.feed(text.substr(std::min(size, 2 * cut)));
    if (!same(reader.result(), value))
        fail("pieces changed the value", text);

    // The strict reading: the same value, and whether the text is wholly one
    // number (blanks only around it) the same whole or in pieces.
    const mrv::NumberReading strict = mrv::readNumber(text);
    if (!same(strict.number(), value))
        fail("the strict reading changed the value", text);
    if (reader.wholeNumber() != strict.whole)
        fail("pieces changed whether the text is a number", text);
    const std::size_t first = text.find_first_not_of(" \t\n");
    const std::size_t last = text.find_last_not_of(" \t\n");
    if (strict.whole && text.substr(first, last - first + 1).find_first_of(" \t\n") != std::string_view::npos)
        fail("a number with blanks inside was taken as whole", text);
    if (strict.whole && mrv::readNumber(std::string(text) + "#").whole)
        fail("a number with text after it was taken as whole", text);

    // A typed entry: the same value, whole exactly when the text without its
    // blanks is.
    const mrv::NumberReading typed = mrv::readTypedNumber(text, ".");
    if (!same(typed.number(), value) || typed.whole != mrv::readNumber(compact).whole)
        fail("the typed reading differs from the leading number", text);

    // '#' can continue no number, so nothing after it may count.
    if (!same(mrv::readLeadingNumber(compact + "#1e9&H1"), value))
        fail("text after the number changed the value", text);

    Expected expected = reference(compact);
    if (expected.known && !same(expected.value, value)) {
        if (!(expected.value && value && *expected.value == 0.0 && *value == 0.0))
            fail("value differs from the reference reader", text);
    }
    return 0;
}
