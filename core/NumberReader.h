// Leading-number reading: text to double. Blanks (space, tab, line feed) are
// dropped everywhere first, then a number is read from the start ("&H"/"&O"
// 16-bit radix patterns, or a decimal with an optional exponent). Text
// without a number reads as 0; "." is the decimal point whatever the locale.
// A number beyond the double range gives std::nullopt (the overflow failure).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mrv {

// The reading of a whole text: the shapes people type ("2002", "-84",
// "361.98") in one pass, anything else through a NumberReader fed once.
std::optional<double> readLeadingNumber(std::string_view text);

// The same reading, and whether the text is wholly one number: blanks
// before and after it only, at least one digit, nothing left over.
struct NumberReading {
    double value = 0.0;
    bool overflow = false; // beyond the double range: no value
    bool whole = false;
    std::optional<double> number() const { return overflow ? std::nullopt : std::optional<double>(value); }
};
NumberReading readNumber(std::string_view text);

// The reading of an entry typed into the window or the page: blanks anywhere
// dropped, then wholly one number. Where the user's numbers are written with
// "," as `decimalSeparator`, "," is read as the point too, so that a result
// can be typed back; a text with both points is no number.
NumberReading readTypedNumber(std::string_view text, std::string_view decimalSeparator);

// The same reading fed piece by piece, in fixed memory whatever the text's
// length. Only what can decide the double is kept: the first significant
// digits, whether a non-zero digit follows them, and exact counts of the rest.
class NumberReader {
public:
    void feed(std::string_view piece);
    // Once true, nothing fed later can change the result.
    bool done() const { return c_.state == State::Done; }
    std::optional<double> result() const;
    // Whether what was fed so far is wholly one number, as readNumber says.
    bool wholeNumber() const { return oneNumber() && !c_.split; }
    // The same with blanks anywhere, as readTypedNumber says.
    bool oneNumber() const;
    void reset() { c_ = Counts{}; }

private:
    // Enough significant digits to round every decimal correctly to double:
    // a halfway point between two doubles has at most 767.
    static constexpr int kKeptDigits = 780;
    // The first ones are kept as an integer, for the exact cases.
    static constexpr int kLeadingDigits = 19;

    enum class State : unsigned char {
        Start,
        Sign,
        Amp,
        Radix,
        Integer,
        Point, // a point with no digit before it
        Fraction,
        ExponentLetter,
        ExponentSign,
        Exponent,
        Done
    };
    // One step of feed() per part of the number; mantissa() reads from
    // piece[at] and returns how many characters it read.
    void start(char ch);
    void radix(char ch);
    std::size_t mantissa(std::string_view piece, std::size_t at);
    void exponent(char ch);
    void decimalDigit(int digit, bool afterPoint);

    // Everything but the kept digits, so that starting afresh is cheap.
    struct Counts {
        State state = State::Start;
        bool negative = false;
        bool mantissa = false; // a digit of the number, zero or not
        bool exponentNegative = false;
        bool hasExponent = false;
        bool sticky = false;     // a non-zero digit beyond the kept ones
        bool overflow = false;   // a radix pattern wider than 16 bits
        bool radixDigit = false; // a digit after "&H" or "&O"
        bool gap = false;        // a blank after the number began
        bool split = false;      // a character followed such a blank: not one number
        unsigned radix = 0;
        std::uint32_t radixValue = 0;
        std::uint64_t leading = 0;    // the first kLeadingDigits significant digits
        std::int64_t significant = 0; // significant digits read, trailing zeros too
        std::int64_t scale = 0;       // the number is 0.d1d2... x 10^scale before its exponent
        std::int64_t exponent = 0;    // saturates far beyond any count of digits
    };
    static std::size_t digitRun(std::string_view text, bool zerosOnly, bool& nonZero);

    Counts c_;
    char digits_[kKeptDigits]; // significant digits after the leading ones, '0'..'9'
};

} // namespace mrv
