// Fractions in a worked solution, held exactly as a numerator over a
// denominator made of the base's primes. A long decimal is shown by its ends
// alone: the first digits by one division, the last ones modulo 10^18.
#include "fractionsteps.h"

#include <algorithm>

#include "notation.h"
#include "radixconv.h"
#include "steptext.h"

namespace {

using bignum::Limbs;

const uint64_t TAIL_MODULUS = 1000000000000000ULL;  // 10^NUMBER_END

bool IsZero(const Limbs& x)
{
    return x.empty();
}

// The text of n with zeros in front to width characters.
std::string ZeroPadded(const std::string& n, size_t width)
{
    return n.size() >= width ? n : std::string(width - n.size(), '0') + n;
}

// num/den in lowest terms: the factors they share can only be the den's primes.
void Reduce(Limbs& num, Limbs& den, PrimePowers& powers)
{
    for (int k = 0; k < PRIME_COUNT; ++k) {
        const uint64_t shared = limbs::RemoveFactor(num, SMALL_PRIMES[k], powers.exponent[k]);
        limbs::RemoveFactor(den, SMALL_PRIMES[k], shared);
        powers.exponent[k] -= shared;
    }
}

// whole + num / (2^a 5^b) written out: m = max(a, b) places hold
// num * 2^(m-a) * 5^(m-b). A long one is shown by its ends only: the head by
// one division, the tail modulo 10^NUMBER_END.
std::string DecimalText(const std::string& whole, const Limbs& num, const Limbs& den, const PrimePowers& powers)
{
    const uint64_t a = powers.exponent[0], b = powers.exponent[2];
    const uint64_t places = std::max(a, b);
    const std::string prefix = whole + ".";
    if (prefix.size() + places <= LONG_NUMBER) {
        Limbs scaled = limbs::Mul(num, limbs::Mul(limbs::Power(2, places - a), limbs::Power(5, places - b)));
        return prefix + ZeroPadded(limbs::ToDecimal(scaled), static_cast<size_t>(places));
    }
    std::string head = prefix.substr(0, NUMBER_END);
    if (head.size() < NUMBER_END) {
        const size_t headPlaces = NUMBER_END - prefix.size();
        Limbs rest;
        const Limbs quotient = limbs::DivMod(limbs::Mul(num, limbs::Pow10(static_cast<int>(headPlaces))), den, rest);
        head = prefix + ZeroPadded(limbs::ToDecimal(quotient), headPlaces);
    }
    const uint64_t low = bignum::MulLow(bignum::LowDigits(num),
                                        bignum::MulLow(bignum::PowerLow(2, places - a), bignum::PowerLow(5, places - b)))
        % TAIL_MODULUS;
    std::string tail;
    if (places >= NUMBER_END) {
        tail = ZeroPadded(std::to_string(low), NUMBER_END);
    } else {  // the whole fraction fits the tail, with the end of the whole part before it
        const size_t fromWhole = NUMBER_END - static_cast<size_t>(places);
        tail = prefix.substr(prefix.size() - std::min(prefix.size(), fromWhole))
            + ZeroPadded(std::to_string(low), static_cast<size_t>(places));
    }
    return ShortenedEnds(head, tail, DigitsOf(whole) + places);
}

std::string CommonFraction(const Limbs& num, const Limbs& den)
{
    return ShortDecimal(num) + "/" + ShortDecimal(den);
}

// The limbs [from, end) of x as decimal digits, the top one without leading zeros when it is x's top limb.
std::string LimbText(const Limbs& x, size_t from, size_t end)
{
    std::string text;
    for (size_t k = end; k-- > from;) {
        const std::string limb = std::to_string(x[k]);
        text += k + 1 == x.size() ? limb : ZeroPadded(limb, limbs::BASE_DIGITS);
    }
    return text;
}

// num/den in lowest terms as a decimal after whole, or as a common fraction.
std::string ReducedText(const std::string& whole, Limbs num, Limbs den, PrimePowers powers, bool decimals)
{
    Reduce(num, den, powers);
    if (decimals)
        return DecimalText(whole, num, den, powers);
    return (whole == "0" ? std::string() : Shortened(whole) + " + ") + CommonFraction(num, den);
}

}  // namespace

// Three limbs hold the head's NUMBER_END digits, two the tail's.
std::string ShortDecimal(const Limbs& x)
{
    if (x.size() < 6)
        return Shortened(limbs::ToDecimal(x));
    const uint64_t digits = limbs::BASE_DIGITS * (x.size() - 1) + std::to_string(x.back()).size();
    return ShortenedEnds(LimbText(x, x.size() - 3, x.size()), LimbText(x, 0, 2), digits);
}

Fraction FractionOf(const std::string& digits, int base)
{
    Fraction fraction;
    const std::string kept = WithoutTrailingZeros(digits);
    if (kept.empty())
        return fraction;
    const uint64_t k = kept.size();
    fraction.num = radixconv::ReadLimbs(kept, base);
    const PrimePowers ofBase = FactorsOf(static_cast<uint64_t>(base));
    bool reduced = false;
    for (int p = 0; p < PRIME_COUNT; ++p) {
        const uint64_t e = k * ofBase.exponent[p];
        const uint64_t shared = limbs::RemoveFactor(fraction.num, SMALL_PRIMES[p], e);
        fraction.powers.exponent[p] = e - shared;
        reduced = reduced || shared != 0;
    }
    if (!reduced) {
        fraction.den = base == 10 ? limbs::Pow10(static_cast<int>(k)) : limbs::Power(static_cast<uint32_t>(base), k);
        return fraction;
    }
    for (int p = 0; p < PRIME_COUNT; ++p)
        if (fraction.powers.exponent[p] != 0)
            fraction.den = limbs::Mul(fraction.den, limbs::Power(SMALL_PRIMES[p], fraction.powers.exponent[p]));
    return fraction;
}

bool IsDecimal(const PrimePowers& powers)
{
    for (int k = 0; k < PRIME_COUNT; ++k)
        if (powers.exponent[k] != 0 && SMALL_PRIMES[k] != 2 && SMALL_PRIMES[k] != 5)
            return false;
    return true;
}

std::string FractionText(const Limbs& num, const Limbs& den, const PrimePowers& powers, bool decimals)
{
    if (IsZero(num))
        return "0";
    return ReducedText("0", num, den, powers, decimals);
}

std::string ValueText(const std::string& whole, const Fraction& fraction)
{
    if (IsZero(fraction.num))
        return whole;
    return ReducedText(whole, fraction.num, fraction.den, fraction.powers, IsDecimal(fraction.powers));
}

std::vector<MultiplicationRow> MultiplicationRows(const Fraction& fraction, int base, uint64_t rowCount)
{
    const bool decimals = IsDecimal(fraction.powers);
    std::vector<MultiplicationRow> rows;
    Limbs current = fraction.num;
    uint64_t at = 0;
    for (uint64_t row : ShownRows(rowCount)) {
        if (row != at) {
            limbs::DivMod(limbs::Mul(fraction.num, limbs::Power(static_cast<uint32_t>(base), row)), fraction.den,
                          current);
            at = row;
        }
        Limbs product = current, next;
        limbs::MulSmallAdd(product, static_cast<uint32_t>(base), 0);
        const Limbs digit = limbs::DivMod(product, fraction.den, next);
        const uint32_t value = digit.empty() ? 0 : digit[0];
        const std::string whole = std::to_string(value);
        MultiplicationRow step{FractionText(current, fraction.den, fraction.powers, decimals), whole, "", value};
        if (!IsZero(next) && decimals) {
            step.product = ReducedText(whole, next, fraction.den, fraction.powers, true);
        } else if (!IsZero(next)) {
            // The improper fraction in lowest terms, then its whole part apart.
            Limbs num = product, den = fraction.den;
            PrimePowers powers = fraction.powers;
            Reduce(num, den, powers);
            step.product = CommonFraction(num, den);
            if (value != 0)
                step.apart = ReducedText(whole, next, fraction.den, fraction.powers, false);
        }
        rows.push_back(step);
        current = next;
        ++at;
    }
    return rows;
}

std::string FactorAfter(const Fraction& fraction, int base, uint64_t steps)
{
    Limbs rest;
    limbs::DivMod(limbs::Mul(fraction.num, limbs::Power(static_cast<uint32_t>(base), steps)), fraction.den, rest);
    return FractionText(rest, fraction.den, fraction.powers, IsDecimal(fraction.powers));
}
