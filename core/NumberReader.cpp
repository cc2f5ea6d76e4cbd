#include "NumberReader.h"

#include "Digits.h"

#include <cstring>

namespace mrv {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

int hexDigit(char c)
{
    if (const int digit = digits::value(c); digit >= 0)
        return digit;
    const char lower = static_cast<char>(c | 0x20); // 'A'..'F' and 'a'..'f' alike
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

} // namespace

bool NumberReader::oneNumber() const
{
    switch (c_.state) {
    case State::Integer:
    case State::Fraction: // "5." or ".5": a digit on one side of the point
    case State::Exponent:
        return true;
    case State::Radix:
        return c_.radixDigit;
    default:
        return false; // nothing yet, a sign, "&", ".", "1e", or a character that is no part of a number
    }
}

// Length of the run of digits that starts `text` (zeros only when
// `zerosOnly`); `nonZero` is set when the run holds another digit.
std::size_t NumberReader::digitRun(std::string_view text, bool zerosOnly, bool& nonZero)
{
    constexpr std::uint64_t kZeros = 0x3030303030303030;
    std::size_t i = 0;
    for (std::uint64_t word; i + 8 <= text.size(); i += 8) { // eight zeros at a time
        std::memcpy(&word, text.data() + i, 8);
        if (word != kZeros)
            break;
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0')
            continue;
        if (zerosOnly || digits::value(c) < 0)
            break;
        nonZero = true;
    }
    return i;
}

void NumberReader::decimalDigit(int digit, bool afterPoint)
{
    c_.mantissa = true;
    if (c_.significant == 0 && digit == 0) {
        if (afterPoint)
            --c_.scale; // a leading zero after the point
        return;
    }
    if (!afterPoint)
        ++c_.scale;
    if (c_.significant < kLeadingDigits)
        c_.leading = c_.leading * 10 + static_cast<std::uint64_t>(digit);
    else if (c_.significant < kKeptDigits)
        digits_[c_.significant] = static_cast<char>('0' + digit);
    else if (digit != 0)
        c_.sticky = true;
    ++c_.significant;
}

// The steps are inlined into feed(), whose loop runs once a character: as
// calls they cost entries read in pieces a quarter of their time.
[[gnu::always_inline]] inline void NumberReader::start(char ch)
{
    const int digit = digits::value(ch);
    if (digit >= 0) {
        decimalDigit(digit, false);
        c_.state = State::Integer;
    } else if (ch == '.') {
        c_.state = State::Point;
    } else if (c_.state == State::Start && (ch == '+' || ch == '-')) {
        c_.negative = ch == '-';
        c_.state = State::Sign;
    } else if (c_.state == State::Start && ch == '&') {
        c_.state = State::Amp;
    } else {
        c_.state = State::Done;
    }
}

[[gnu::always_inline]] inline void NumberReader::radix(char ch)
{
    if (c_.state == State::Amp) {
        c_.radix = (ch == 'H' || ch == 'h') ? 16 : (ch == 'O' || ch == 'o') ? 8 : 0;
        c_.state = c_.radix ? State::Radix : State::Done;
        return;
    }
    const int d = hexDigit(ch);
    if (d < 0 || static_cast<unsigned>(d) >= c_.radix) {
        c_.state = State::Done;
        return;
    }
    // "&H"/"&O" numbers are 16-bit patterns; the digits of a wider one are
    // still read, to tell whether the whole text is one.
    c_.radixDigit = true;
    if (!c_.overflow) {
        c_.radixValue = c_.radixValue * c_.radix + static_cast<std::uint32_t>(d);
        c_.overflow = c_.radixValue > 0xFFFF;
    }
}

[[gnu::always_inline]] inline std::size_t NumberReader::mantissa(std::string_view piece, std::size_t at)
{
    const char ch = piece[at];
    const int digit = digits::value(ch);
    const bool isDigit = digit >= 0;
    const bool afterPoint = c_.state != State::Integer;
    if (isDigit && (c_.significant >= kKeptDigits || (c_.significant == 0 && digit == 0))) {
        // Long runs of digits that only count: zeros before the first
        // significant digit, any digit after the kept ones.
        const std::size_t run = digitRun(piece.substr(at), c_.significant == 0, c_.sticky);
        c_.mantissa = true;
        if (c_.significant == 0) {
            c_.scale -= afterPoint ? static_cast<std::int64_t>(run) : 0;
        } else {
            c_.significant += static_cast<std::int64_t>(run);
            c_.scale += afterPoint ? 0 : static_cast<std::int64_t>(run);
        }
        c_.state = afterPoint ? State::Fraction : State::Integer;
        return run;
    }
    if (isDigit) {
        decimalDigit(digit, afterPoint);
        c_.state = afterPoint ? State::Fraction : State::Integer;
    } else if (ch == '.' && !afterPoint) {
        c_.state = State::Fraction;
    } else if ((ch == 'e' || ch == 'E') && c_.state != State::Point) {
        c_.state = State::ExponentLetter;
    } else {
        c_.state = State::Done;
    }
    return 1;
}

[[gnu::always_inline]] inline void NumberReader::exponent(char ch)
{
    const int digit = digits::value(ch);
    if (digit >= 0) {
        // Far beyond any count of digits a stream can hold, so the sum with
        // the scale in result() never wraps nor changes class.
        constexpr std::int64_t kCap = std::int64_t{1} << 60;
        c_.exponent = c_.exponent >= kCap / 10 ? kCap : c_.exponent * 10 + digit;
        c_.hasExponent = true;
        c_.state = State::Exponent;
    } else if (c_.state == State::ExponentLetter && (ch == '+' || ch == '-')) {
        c_.exponentNegative = ch == '-';
        c_.state = State::ExponentSign;
    } else {
        c_.state = State::Done; // a letter without digits is not an exponent
    }
}

void NumberReader::feed(std::string_view piece)
{
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char ch = piece[i];
        if (isBlank(ch)) {
            c_.gap = c_.state != State::Start;
            continue;
        }
        c_.split = c_.split || c_.gap;
        switch (c_.state) {
        case State::Start:
        case State::Sign:
            start(ch);
            break;
        case State::Amp:
        case State::Radix:
            radix(ch);
            break;
        case State::Integer:
        case State::Point:
        case State::Fraction:
            i += mantissa(piece, i) - 1;
            break;
        case State::ExponentLetter:
        case State::ExponentSign:
        case State::Exponent:
            exponent(ch);
            break;
        case State::Done:
            return;
        }
    }
}

} // namespace mrv
