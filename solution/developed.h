// The developed form of a number: the sum of its digits times powers of its
// base, computed in decimal. It takes a number into the decimal system, and
// it checks an answer by taking it back.
#ifndef KALVORIX_SOLUTION_DEVELOPED_H
#define KALVORIX_SOLUTION_DEVELOPED_H

#include <string>
#include <vector>

#include "fractionsteps.h"

// Numbers of at most this many digits take one chain of equalities; their
// zero terms are written too.
constexpr size_t SHORT_NUMBER = 12;

// A number of base (2 to 16, not 10) by its whole digits (no leading zero,
// "0" for none) and fraction digits (no trailing zero, "" for none).
struct DevelopedNumber {
    std::string whole;
    std::string fraction;
    int base;
};

// A number's value as its developed form ends: the whole part's decimal
// digits, and the whole value's text (ValueText: "11.625", "5 + 1/3", "237/343").
struct DevelopedValue {
    std::string whole;
    std::string text;
};

// Whether number is a single digit, whose developed form is one sentence.
bool IsSingleDigit(const DevelopedNumber& number);

// The lines of the developed form of number, ending in its value, which
// value receives. fraction is the
// value of number's fraction (FractionOf). A short number is one chain:
//   1011.101₂ = 1·2³ + … + 1·2⁻³ = 8 + … + 0.125 = 11.625₁₀
// with the terms over a common denominator where they are common fractions
// (4/7 + 5/49 = 28/49 + 5/49 = 33/49). A longer one has its whole part's
// terms that are not zero as a table, then their sum, and its fraction as its
// digits over a power of the base. The whole part's value is computed when
// it has at most LONG_TABLE digits; a longer one's, which its cut table
// cannot show, is knownWhole (its decimal digits).
std::vector<std::string> DevelopedLines(const DevelopedNumber& number, const Fraction& fraction,
                                        const std::string& knownWhole, DevelopedValue& value);

// A value as a sentence ends with it: a decimal one with its base, "11.625₁₀";
// a common fraction as it is, "5 + 1/3".
std::string StatedValue(const std::string& value);

#endif
