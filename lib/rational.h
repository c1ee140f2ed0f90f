// Exact rational numbers over the kernel's binary naturals, and their
// expansion in a base: the digits after the point cut (never rounded) to a
// precision, whether that is the whole value, and the exact expansion with
// its period in parentheses when it is short enough to write out.
#ifndef KALVORIX_LIB_RATIONAL_H
#define KALVORIX_LIB_RATIONAL_H

#include <cstdint>
#include <string>

#include "naturals.h"
#include "period.h"

// A rational number. Its denominator is kept together with its factors: the
// powers of SMALL_PRIMES (smooth) and the rest, which is prime to them. A
// number written in a base has a denominator of small primes alone, and so
// have the sums, differences and products of such numbers, so the lengths of
// their expansions follow from prime powers (period.h), without a greatest
// common divisor of long numbers. Every operation cancels the small primes
// that the numerator shares with the denominator; the rest is not reduced.
struct Rational {
    bool negative = false;              // never for zero
    naturals::Natural numerator;        // empty for zero
    naturals::Natural denominator{1};   // the value of smooth times rest
    PrimePowers smooth;
    naturals::Natural rest{1};
};

// The number whose whole part has the digits whole and whose fraction has
// the digits fraction, both of base (2 to 16; either may be empty),
// negative when asked and not zero. A character that is no digit counts as 0.
Rational RationalOf(bool negative, const std::string& whole, const std::string& fraction, int base);

bool IsZero(const Rational& x);

// Whether the value is a whole number.
bool IsWhole(const Rational& x);

Rational Sum(const Rational& a, const Rational& b);
Rational Difference(const Rational& a, const Rational& b);
Rational Product(const Rational& a, const Rational& b);
// a / b for b not zero.
Rational Quotient(const Rational& a, const Rational& b);

// The number with the numerator and the denominator divided by their
// greatest common divisor: lowest terms, for a common fraction to be shown.
Rational Reduced(const Rational& x);

// The magnitude of a rational number written in a base.
struct BaseExpansion {
    std::string whole = "0";    // the whole part's digits, without leading zeros
    std::string fraction;       // the first `precision` digits after the point, cut,
                                // without trailing zeros
    bool exact = true;          // no digit but 0 follows them: they are the whole value
    bool periodic = false;      // the expansion never ends
    bool written = true;        // the exact expansion has at most LONGEST_EXACT digits
                                // after the point, the period included
    std::string exactFraction;  // then its digits after the point, the period in
                                // parentheses: "0(0011)"
    uint64_t prePeriod = 0;     // when written: digits before the period (all the
                                // digits of an expansion that ends)
    uint64_t period = 0;        // when written and periodic: the period's length
    naturals::Natural remainder;  // the numerator modulo the denominator, where the
                                  // fraction's digits come from
};

// |x| in base (2 to 16), its fraction cut to precision (0 or more) digits:
// whole, fraction and exact only, the rest left as a default expansion has it.
BaseExpansion CutIn(const Rational& x, int base, int precision);

// The same, and the lengths and digits of the exact expansion.
BaseExpansion ExpandIn(const Rational& x, int base, int precision);

// The digits of x in base (2 to 16) with leading zeros up to width.
std::string DigitsOfWidth(const naturals::Natural& x, int base, size_t width);

// The value of a product of powers of SMALL_PRIMES.
naturals::Natural ValueOf(const PrimePowers& powers);

#endif
