// Fractions in a worked solution, held exactly as a numerator over a
// denominator made of the base's primes. A long decimal is shown by its ends
// alone: the first digits by one division, the last ones modulo 10^18.
#include "fractionsteps.h"

#include <algorithm>

#include "converter.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using bignum::Limbs;

// Fraction digits read term by term rather than as one quotient.
const size_t SHORT_FRACTION = 6;

const uint64_t TAIL_MODULUS = 1000000000000000ULL;  // 10^NUMBER_END

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

bool FiniteDecimal(const PrimePowers& powers)
{
    for (int k = 0; k < PRIME_COUNT; ++k)
        if (powers.exponent[k] != 0 && SMALL_PRIMES[k] != 2 && SMALL_PRIMES[k] != 5)
            return false;
    return true;
}

// whole + num / (2^a 5^b) written out: m = max(a, b) places hold
// num * 2^(m-a) * 5^(m-b). A long one is shown by its ends only.
std::string DecimalText(uint32_t whole, const Limbs& num, const Limbs& den, const PrimePowers& powers)
{
    const uint64_t a = powers.exponent[0], b = powers.exponent[2];
    const uint64_t places = std::max(a, b);
    const std::string prefix = std::to_string(whole) + ".";
    const uint64_t length = prefix.size() + places;
    if (length <= LONG_NUMBER) {
        Limbs scaled = limbs::Mul(num, limbs::Mul(limbs::Power(2, places - a), limbs::Power(5, places - b)));
        return prefix + ZeroPadded(limbs::ToDecimal(scaled), static_cast<size_t>(places));
    }
    const size_t headPlaces = NUMBER_END - prefix.size();
    Limbs rest;
    const Limbs head = limbs::DivMod(limbs::Mul(num, limbs::Pow10(static_cast<int>(headPlaces))), den, rest);
    const uint64_t tail = bignum::MulLow(bignum::LowDigits(num),
                                         bignum::MulLow(bignum::PowerLow(2, places - a), bignum::PowerLow(5, places - b)))
        % TAIL_MODULUS;
    return ShortenedEnds(prefix + ZeroPadded(limbs::ToDecimal(head), headPlaces),
                         ZeroPadded(std::to_string(tail), NUMBER_END), length);
}

std::string CommonFraction(const Limbs& num, const Limbs& den)
{
    return Shortened(limbs::ToDecimal(num)) + "/" + Shortened(limbs::ToDecimal(den));
}

std::string Power(int base, uint64_t exponent, bool negative)
{
    const std::string e = std::to_string(exponent);
    return std::to_string(base) + "^" + (negative ? "(-" + e + ")" : e);
}

}  // namespace

Fraction FractionOf(const std::string& digits, int base)
{
    Fraction fraction;
    const std::string kept = WithoutTrailingZeros(digits);
    if (kept.empty())
        return fraction;
    const uint64_t k = kept.size();
    fraction.num = limbs::FromDecimal(ConvertText(kept, base, 10));
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

std::string ValueText(uint32_t whole, const Limbs& num, const Limbs& den, const PrimePowers& powers)
{
    if (num.empty())
        return std::to_string(whole);
    Limbs n = num, d = den;
    PrimePowers p = powers;
    Reduce(n, d, p);
    if (FiniteDecimal(p))
        return DecimalText(whole, n, d, p);
    return (whole == 0 ? std::string() : std::to_string(whole) + " ") + CommonFraction(n, d);
}

std::vector<MultiplicationRow> MultiplicationRows(const Fraction& fraction, int base, uint64_t rowCount)
{
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
        rows.push_back({ValueText(0, current, fraction.den, fraction.powers),
                        ValueText(value, next, fraction.den, fraction.powers), value});
        current = next;
        ++at;
    }
    return rows;
}

std::vector<std::string> FractionValueLines(const std::string& digits, int base, const Fraction& fraction)
{
    std::vector<std::string> lines = {"В 10-ной системе дробь — сумма её цифр, умноженных на основание "
                                      + NumToStr(base) + " в отрицательных степенях:"};
    const std::string number = "0." + digits + Mark(base);
    const std::string common = fraction.num.empty() ? "0" : CommonFraction(fraction.num, fraction.den);
    const std::string value = ValueText(0, fraction.num, fraction.den, fraction.powers);
    const std::string last = value == common ? std::string() : " = " + value;
    if (digits.size() <= SHORT_FRACTION) {
        std::string terms;
        for (size_t k = 0; k < digits.size(); ++k)
            terms += (k == 0 ? "" : " + ") + std::to_string(static_cast<uint32_t>(std::max(DigitValue(digits[k], base), 0))) + "·"
                + Power(base, k + 1, true);
        lines.push_back("  " + number + " = " + terms + " = " + common + last);
        return lines;
    }
    lines.push_back("  " + Shortened("0." + digits) + Mark(base) + " = " + Shortened(digits) + Mark(base) + " / "
                    + Power(base, digits.size(), false));
    lines.push_back("  = " + common + last);
    return lines;
}

std::vector<std::string> MultiplicationLines(const Fraction& fraction, int base, uint64_t rowCount, bool ended,
                                             const std::string& digits)
{
    std::vector<std::string> lines = {"Дробная часть " + ValueText(0, fraction.num, fraction.den, fraction.powers)
                                      + ": умножаем на " + NumToStr(base)
                                      + ", целая часть произведения — очередная цифра."};
    StepTable table("LLLL");
    for (const MultiplicationRow& row : MultiplicationRows(fraction, base, rowCount))
        table.Add({row.factor, " · " + NumToStr(base) + " = ", row.product,
                   " — цифра " + std::string(1, DigitChar(row.digit))});
    for (const std::string& line : table.Lines(rowCount))
        lines.push_back(line);
    lines.push_back((ended ? "Дробь кончилась: " : "Получено " + DigitCount(rowCount) + " — столько задаёт точность: ")
                    + Shortened("0." + digits));
    return lines;
}
