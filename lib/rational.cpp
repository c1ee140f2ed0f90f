// Rational numbers with denominators kept in factors, and their expansions.
#include "rational.h"

#include <algorithm>
#include <cmath>

#include "converter.h"

namespace {

using naturals::Natural;

bool IsOne(const Natural& x)
{
    return x.size() == 1 && x[0] == 1;
}

// Cancels the small primes that the numerator shares with the smooth part of
// the denominator; zero gets the denominator 1.
void CancelSmallPrimes(Rational& x)
{
    if (x.numerator.empty()) {
        x = Rational();
        return;
    }
    for (int k = 0; k < PRIME_COUNT; ++k) {
        uint64_t& e = x.smooth.exponent[k];
        if (e == 0)
            continue;
        const uint64_t common = naturals::RemoveFactor(x.numerator, SMALL_PRIMES[k], e);
        naturals::RemoveFactor(x.denominator, SMALL_PRIMES[k], common);
        e -= common;
    }
}

// The factors of a natural number: its small primes, and what is left.
void Factor(Natural n, PrimePowers& smooth, Natural& rest)
{
    for (int k = 0; k < PRIME_COUNT; ++k)
        smooth.exponent[k] = naturals::RemoveFactor(n, SMALL_PRIMES[k], UINT64_MAX);
    rest = std::move(n);
}

// a + b or a - b of two magnitudes with their signs: the result's sign and magnitude.
void SignedSum(bool negativeA, const Natural& a, bool negativeB, const Natural& b, bool& negative, Natural& sum)
{
    if (negativeA == negativeB) {
        negative = negativeA;
        sum = naturals::Add(a, b);
        return;
    }
    const bool aLarger = naturals::Compare(a, b) >= 0;
    negative = aLarger ? negativeA : negativeB;
    sum = aLarger ? naturals::Subtract(a, b) : naturals::Subtract(b, a);
}

// a + b with b's sign given.
Rational Combine(const Rational& a, const Rational& b, bool negativeB)
{
    Rational sum;
    PrimePowers upA, upB;  // what each smooth part lacks of their least common multiple
    for (int k = 0; k < PRIME_COUNT; ++k) {
        const uint64_t ea = a.smooth.exponent[k], eb = b.smooth.exponent[k];
        sum.smooth.exponent[k] = std::max(ea, eb);
        upA.exponent[k] = sum.smooth.exponent[k] - ea;
        upB.exponent[k] = sum.smooth.exponent[k] - eb;
    }
    Natural termA = naturals::Multiply(a.numerator, ValueOf(upA));
    Natural termB = naturals::Multiply(b.numerator, ValueOf(upB));
    if (IsOne(a.rest) && IsOne(b.rest)) {
        sum.denominator = ValueOf(sum.smooth);
    } else {
        termA = naturals::Multiply(termA, b.rest);
        termB = naturals::Multiply(termB, a.rest);
        sum.rest = naturals::Multiply(a.rest, b.rest);
        sum.denominator = naturals::Multiply(ValueOf(sum.smooth), sum.rest);
    }
    SignedSum(a.negative, termA, negativeB, termB, sum.negative, sum.numerator);
    CancelSmallPrimes(sum);
    return sum;
}

// The lengths of the expansion in base of num / den, a fraction below 1 (num
// not zero) whose denominator is smooth times rest, into e: whether it ends,
// and when it is short enough, the digits before the period and the period.
void MeasureExpansion(Natural num, PrimePowers smooth, const Natural& rest, int base, BaseExpansion& e)
{
    for (int k = 0; k < PRIME_COUNT; ++k)
        smooth.exponent[k] -= naturals::RemoveFactor(num, SMALL_PRIMES[k], smooth.exponent[k]);
    const Expansion ofSmooth = ExpansionOf(smooth, base);
    const uint64_t pre = ofSmooth.prePeriod;
    // The rest's share: its part that num does not cancel, and the order of
    // the base modulo that part.
    Natural part{1};
    if (!IsOne(rest)) {
        // A part of at least base^(room) has a period longer than room.
        const uint64_t room = pre < LONGEST_EXACT ? LONGEST_EXACT - pre : 0;
        const size_t most = static_cast<size_t>(std::ceil(static_cast<double>(room) * std::log2(base))) + 1;
        const size_t bits = naturals::BitLength(rest);
        const Natural common = naturals::Gcd(num, rest, bits > most ? bits - most : 0);
        if (common.empty()) {
            e.periodic = true;
            e.written = false;
            return;
        }
        Natural remainder;
        naturals::DivMod(rest, common, part, remainder);
    }
    e.periodic = !ofSmooth.finite || !IsOne(part);
    if (pre > LONGEST_EXACT) {
        e.written = false;
        return;
    }
    const uint64_t room = LONGEST_EXACT - pre;
    uint64_t period = 1;
    if (!ofSmooth.finite && !(ofSmooth.period.Fits(period) && period <= room)) {
        e.written = false;
        return;
    }
    if (!IsOne(part)) {
        const uint64_t order = naturals::OrderUpTo(static_cast<uint32_t>(base), part, room);
        if (order == 0) {
            e.written = false;
            return;
        }
        // The period is the least common multiple of the two orders, each at
        // most room (10,000): their product fits.
        uint64_t a = period, b = order;
        while (b != 0) {
            const uint64_t r = a % b;
            a = b;
            b = r;
        }
        period = period / a * order;
        if (period > room) {
            e.written = false;
            return;
        }
    }
    e.prePeriod = pre;
    e.period = e.periodic ? period : 0;
}

}  // namespace

Natural ValueOf(const PrimePowers& powers)
{
    Natural value = naturals::FromWord(1);
    for (int k = 0; k < PRIME_COUNT; ++k)
        if (powers.exponent[k] != 0)
            value = naturals::Multiply(value, naturals::Power(SMALL_PRIMES[k], powers.exponent[k]));
    return value;
}

Rational RationalOf(bool negative, const std::string& whole, const std::string& fraction, int base)
{
    Rational x;
    x.numerator = DigitsToBinary(whole + fraction, base);
    x.smooth = FactorsOf(static_cast<uint64_t>(base));
    for (uint64_t& e : x.smooth.exponent)
        e *= fraction.size();
    x.denominator = ValueOf(x.smooth);
    x.negative = negative;
    CancelSmallPrimes(x);
    return x;
}

bool IsZero(const Rational& x)
{
    return x.numerator.empty();
}

bool IsWhole(const Rational& x)
{
    if (!x.smooth.IsOne())
        return false;
    if (IsOne(x.rest))
        return true;
    Natural q, r;
    naturals::DivMod(x.numerator, x.rest, q, r);
    return r.empty();
}

Rational Sum(const Rational& a, const Rational& b)
{
    return Combine(a, b, b.negative);
}

Rational Difference(const Rational& a, const Rational& b)
{
    return Combine(a, b, !b.negative && !IsZero(b));
}

Rational Product(const Rational& a, const Rational& b)
{
    Rational product;
    product.negative = a.negative != b.negative;
    product.numerator = naturals::Multiply(a.numerator, b.numerator);
    for (int k = 0; k < PRIME_COUNT; ++k)
        product.smooth.exponent[k] = a.smooth.exponent[k] + b.smooth.exponent[k];
    product.rest = naturals::Multiply(a.rest, b.rest);
    product.denominator = naturals::Multiply(a.denominator, b.denominator);
    CancelSmallPrimes(product);
    return product;
}

// a / b = (a's numerator times b's denominator) / (a's denominator times
// b's numerator). The small primes of b's numerator are found and kept
// apart; those of b's denominator, already known, cancel against them and
// a's by their exponents, so no long number is divided for them.
Rational Quotient(const Rational& a, const Rational& b)
{
    Rational quotient;
    quotient.negative = a.negative != b.negative;
    PrimePowers smooth, up;
    Natural rest;
    Factor(b.numerator, smooth, rest);
    for (int k = 0; k < PRIME_COUNT; ++k) {
        const uint64_t below = a.smooth.exponent[k] + smooth.exponent[k], above = b.smooth.exponent[k];
        const uint64_t common = std::min(below, above);
        quotient.smooth.exponent[k] = below - common;
        up.exponent[k] = above - common;
    }
    quotient.numerator = naturals::Multiply(naturals::Multiply(a.numerator, ValueOf(up)), b.rest);
    quotient.rest = naturals::Multiply(a.rest, rest);
    quotient.denominator = naturals::Multiply(ValueOf(quotient.smooth), quotient.rest);
    CancelSmallPrimes(quotient);
    return quotient;
}

Rational Reduced(const Rational& x)
{
    if (IsOne(x.rest))
        return x;
    Rational reduced = x;
    const Natural common = naturals::Gcd(x.numerator, x.rest);
    Natural remainder;
    naturals::DivMod(x.numerator, common, reduced.numerator, remainder);
    naturals::DivMod(x.rest, common, reduced.rest, remainder);
    naturals::DivMod(x.denominator, common, reduced.denominator, remainder);
    return reduced;
}

std::string DigitsOfWidth(const Natural& x, int base, size_t width)
{
    const std::string digits = x.empty() ? std::string() : BinaryToDigits(x, base);
    return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

namespace {

// The remainder of the division that gives the whole part, and the cut
// fraction's digits: floor(r * base^precision / d) for that remainder r.
BaseExpansion Cut(const Rational& x, int base, int precision, Natural& rest)
{
    BaseExpansion e;
    Natural whole;
    naturals::DivMod(x.numerator, x.denominator, whole, rest);
    e.whole = BinaryToDigits(whole, base);
    e.remainder = rest;
    if (rest.empty())
        return e;
    const size_t count = precision > 0 ? static_cast<size_t>(precision) : 0;
    Natural digits, left;
    naturals::DivMod(naturals::Multiply(rest, naturals::Power(static_cast<uint32_t>(base), count)), x.denominator,
                     digits, left);
    const std::string cut = DigitsOfWidth(digits, base, count);
    e.fraction = cut.substr(0, cut.find_last_not_of('0') + 1);
    e.exact = left.empty();
    if (e.exact) {
        e.exactFraction = e.fraction;
        e.prePeriod = e.fraction.size();
    }
    return e;
}

}  // namespace

BaseExpansion CutIn(const Rational& x, int base, int precision)
{
    Natural rest;
    return Cut(x, base, precision, rest);
}

// The exact digits the same way as the cut ones, with the expansion's length.
BaseExpansion ExpandIn(const Rational& x, int base, int precision)
{
    Natural rest;
    BaseExpansion e = Cut(x, base, precision, rest);
    if (e.exact)
        return e;
    MeasureExpansion(rest, x.smooth, x.rest, base, e);
    if (!e.written)
        return e;
    const uint64_t length = e.prePeriod + e.period;
    Natural exact, left;
    naturals::DivMod(naturals::Multiply(rest, naturals::Power(static_cast<uint32_t>(base), length)), x.denominator,
                     exact, left);
    e.exactFraction = DigitsOfWidth(exact, base, static_cast<size_t>(length));
    if (e.periodic)
        e.exactFraction = e.exactFraction.substr(0, static_cast<size_t>(e.prePeriod)) + "("
            + e.exactFraction.substr(static_cast<size_t>(e.prePeriod)) + ")";
    return e;
}
