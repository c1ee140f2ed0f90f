// The floating-point formats against exact rational arithmetic (GMP) and
// against glibc's correctly rounded strtod and strtof: for random numbers in
// every base, many of them on or beside the midpoint of two neighbouring
// values, the bits must hold the nearest value (ties to even), read back to
// the value stated, and equal the C library's for decimal texts.
#include <gtest/gtest.h>
#include <gmp.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "floats.h"

namespace {

// An exact rational that frees itself.
class Rational {
public:
    Rational() { mpq_init(q_); }
    ~Rational() { mpq_clear(q_); }
    Rational(const Rational&) = delete;
    Rational& operator=(const Rational&) = delete;
    mpq_ptr get() { return q_; }
    mpq_srcptr get() const { return q_; }

private:
    mpq_t q_;
};

// 2^exponent, for any exponent.
void SetPowerOfTwo(mpq_ptr q, long exponent)
{
    mpq_set_ui(q, 1, 1);
    if (exponent >= 0)
        mpq_mul_2exp(q, q, static_cast<unsigned long>(exponent));
    else
        mpq_div_2exp(q, q, static_cast<unsigned long>(-exponent));
}

// The value of a number text of base: [-]whole[.fraction].
void SetNumber(mpq_ptr q, const std::string& text, int base)
{
    std::string digits = text[0] == '-' ? text.substr(1) : text;
    const size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    mpz_t numerator, denominator;
    mpz_init_set_str(numerator, (whole.empty() ? std::string("0") : whole + fraction).c_str(), base);
    if (whole.empty() && !fraction.empty())
        mpz_set_str(numerator, fraction.c_str(), base);
    mpz_init(denominator);
    mpz_ui_pow_ui(denominator, static_cast<unsigned long>(base), fraction.size());
    mpq_set_num(q, numerator);
    mpq_set_den(q, denominator);
    mpq_canonicalize(q);
    if (text[0] == '-')
        mpq_neg(q, q);
    mpz_clear(numerator);
    mpz_clear(denominator);
}

// The value of a finite pattern's magnitude, from the standard's definition:
// (1 + m / 2^M) * 2^(e - bias) for a normal one, m / 2^M * 2^(1 - bias) else.
void SetMagnitudeOfBits(mpq_ptr q, const FloatFormat& f, uint64_t magnitude)
{
    const uint64_t exponent = magnitude >> f.mantissaBits;
    const uint64_t mantissa = magnitude & ((uint64_t(1) << f.mantissaBits) - 1);
    const uint64_t significand = exponent == 0 ? mantissa : mantissa | (uint64_t(1) << f.mantissaBits);
    const long scale = (exponent == 0 ? 1 : static_cast<long>(exponent)) - f.Bias() - f.mantissaBits;
    Rational power;
    SetPowerOfTwo(power.get(), scale);
    mpz_t m;
    mpz_init(m);
    mpz_import(m, 1, -1, sizeof significand, 0, 0, &significand);
    mpq_set_z(q, m);
    mpz_clear(m);
    mpq_mul(q, q, power.get());
}

uint64_t InfinityMagnitude(const FloatFormat& f)
{
    return ((uint64_t(1) << f.exponentBits) - 1) << f.mantissaBits;
}

// Exact decimal text of a rational whose denominator is a power of two.
std::string DecimalText(mpq_srcptr q)
{
    const size_t twos = mpz_scan1(mpq_denref(q), 0);
    mpz_t scaled, five;
    mpz_init(scaled);
    mpz_init(five);
    mpz_ui_pow_ui(five, 5, twos);
    mpz_mul(scaled, mpq_numref(q), five);
    mpz_abs(scaled, scaled);
    std::string digits(mpz_sizeinbase(scaled, 10) + 2, '\0');
    mpz_get_str(&digits[0], 10, scaled);
    digits.resize(std::strlen(digits.c_str()));
    if (digits.size() <= twos)
        digits.insert(0, twos + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - twos);
    if (twos > 0)
        text += "." + digits.substr(digits.size() - twos);
    mpz_clear(scaled);
    mpz_clear(five);
    return (mpq_sgn(q) < 0 ? "-" : "") + text;
}

// Checks that bits, the encoding of x in f, hold the value nearest x, ties
// to the even significand, with the sign of x; and that exact says whether
// they hold x itself.
void ExpectNearest(const FloatFormat& f, mpq_srcptr x, const FloatEncoding& e)
{
    const uint64_t sign = uint64_t(1) << (f.width - 1);
    const uint64_t bits = e.value.bits;
    EXPECT_EQ((bits & sign) != 0, mpq_sgn(x) < 0 || e.negative);
    const uint64_t magnitude = bits & (sign - 1);
    Rational ax, stored, below, above, midpoint;
    mpq_abs(ax.get(), x);
    if (magnitude == InfinityMagnitude(f)) {
        // Beyond the midpoint of the largest finite value and 2^(emax+1);
        // on it the largest value's odd significand loses the tie.
        SetMagnitudeOfBits(below.get(), f, magnitude - 1);
        SetPowerOfTwo(above.get(), f.MaxExponent() + 1);
        mpq_add(midpoint.get(), below.get(), above.get());
        mpq_div_2exp(midpoint.get(), midpoint.get(), 1);
        EXPECT_GE(mpq_cmp(ax.get(), midpoint.get()), 0) << "overflowed below the threshold";
        EXPECT_FALSE(e.rounding.exact);
        return;
    }
    ASSERT_LT(magnitude, InfinityMagnitude(f));
    SetMagnitudeOfBits(stored.get(), f, magnitude);
    EXPECT_EQ(e.value.stored, DecimalText(stored.get()) == "0" && (bits & sign) ? "-0" : (bits & sign ? "-" : "") + DecimalText(stored.get()));
    EXPECT_EQ(e.rounding.exact, mpq_equal(ax.get(), stored.get()) != 0);
    const bool even = (magnitude & 1) == 0;
    // The upper neighbour: the next pattern, or 2^(emax+1) past the largest.
    if (magnitude + 1 == InfinityMagnitude(f))
        SetPowerOfTwo(above.get(), f.MaxExponent() + 1);
    else
        SetMagnitudeOfBits(above.get(), f, magnitude + 1);
    mpq_add(midpoint.get(), stored.get(), above.get());
    mpq_div_2exp(midpoint.get(), midpoint.get(), 1);
    const int toUpper = mpq_cmp(ax.get(), midpoint.get());
    EXPECT_TRUE(toUpper < 0 || (toUpper == 0 && even)) << "a nearer value lies above";
    if (magnitude > 0) {
        SetMagnitudeOfBits(below.get(), f, magnitude - 1);
        mpq_add(midpoint.get(), stored.get(), below.get());
        mpq_div_2exp(midpoint.get(), midpoint.get(), 1);
        const int toLower = mpq_cmp(ax.get(), midpoint.get());
        EXPECT_TRUE(toLower > 0 || (toLower == 0 && even)) << "a nearer value lies below";
    }
}

std::string RandomDigits(std::mt19937_64& rng, size_t length, int base)
{
    std::string digits;
    for (size_t k = 0; k < length; ++k)
        digits += "0123456789ABCDEF"[rng() % static_cast<uint64_t>(base)];
    return digits;
}

// A number whose magnitude lies anywhere from far below the least subnormal
// binary64 to far above the largest: its whole part and its leading zeros
// spread over their lengths.
std::string RandomNumber(std::mt19937_64& rng, int base)
{
    std::string text = rng() % 2 ? "-" : "";
    const size_t wholeLength = rng() % 3 == 0 ? 0 : static_cast<size_t>(1 + rng() % (rng() % 4 == 0 ? 1100 : 25));
    std::string whole = RandomDigits(rng, wholeLength, base);
    if (!whole.empty() && whole[0] == '0')
        whole[0] = '1';
    text += whole.empty() ? "0" : whole;
    const size_t zeros = whole.empty() ? static_cast<size_t>(rng() % (rng() % 3 == 0 ? 1200 : 12)) : 0;
    const size_t fractionLength = static_cast<size_t>(rng() % (rng() % 5 == 0 ? 900 : 30));
    if (fractionLength > 0 || zeros > 0)
        text += "." + std::string(zeros, '0') + RandomDigits(rng, fractionLength, base) + (rng() % 2 ? "1" : "");
    return text;
}

// Midpoints between neighbouring values of f, and numbers a hair beside
// them, in decimal: the ties the rounding must send to the even neighbour.
std::string RandomMidpoint(std::mt19937_64& rng, const FloatFormat& f)
{
    const uint64_t magnitude = rng() % (InfinityMagnitude(f) - 1);
    Rational low, high, midpoint;
    SetMagnitudeOfBits(low.get(), f, magnitude);
    SetMagnitudeOfBits(high.get(), f, magnitude + 1);
    mpq_add(midpoint.get(), low.get(), high.get());
    mpq_div_2exp(midpoint.get(), midpoint.get(), 1);
    std::string text = DecimalText(midpoint.get());
    switch (rng() % 3) {
    case 0: return text;
    case 1: return text + (text.find('.') == std::string::npos ? ".0000000000001" : "0000000000001");
    default: {
        // Just below: the last digit, a 5, becomes 4 followed by nines.
        return text.substr(0, text.size() - 1) + "49999999999999";
    }
    }
}

FloatFormat FormatOf(int width)
{
    FloatFormat f;
    FloatFormatOf(width, f);
    return f;
}

void CheckNumber(const std::string& text, int base)
{
    Rational x;
    SetNumber(x.get(), text, base);
    for (int width : {16, 32, 64}) {
        const FloatFormat f = FormatOf(width);
        SCOPED_TRACE(text.substr(0, 80) + (text.size() > 80 ? "..." : "") + " (base " + std::to_string(base)
                     + ", " + std::to_string(text.size()) + " characters) in " + f.name);
        FloatEncoding e;
        std::string fault;
        ASSERT_TRUE(EncodeFloat(text, base, f, e, fault)) << fault;
        ExpectNearest(f, x.get(), e);
        // Reading the bits back gives the value stated.
        FloatValue back;
        ASSERT_TRUE(DecodeFloat(e.value.hex, 16, f, back, fault)) << fault;
        EXPECT_EQ(back.stored, e.value.stored);
        EXPECT_EQ(back.kind, e.value.kind);
        EXPECT_EQ(back.Bits(), e.value.Bits());
        if (base != 10)
            continue;
        if (width == 64) {
            const double d = std::strtod(text.c_str(), nullptr);
            uint64_t bits;
            std::memcpy(&bits, &d, sizeof bits);
            EXPECT_EQ(e.value.bits, bits) << "strtod differs";
        } else if (width == 32) {
            const float v = std::strtof(text.c_str(), nullptr);
            uint32_t bits;
            std::memcpy(&bits, &v, sizeof bits);
            EXPECT_EQ(e.value.bits, bits) << "strtof differs";
        }
    }
}

// The test's own reading of the bits agrees with the processor's.
TEST(FloatOracle, DefinitionAgreesWithTheProcessor)
{
    std::mt19937_64 rng(64);
    for (int round = 0; round < 2000; ++round) {
        const uint64_t bits = rng() & ~(uint64_t(1) << 63);
        if ((bits >> 52) == 0x7FF)
            continue;
        double d;
        std::memcpy(&d, &bits, sizeof d);
        Rational ours, theirs;
        SetMagnitudeOfBits(ours.get(), FormatOf(64), bits);
        mpq_set_d(theirs.get(), d);
        ASSERT_TRUE(mpq_equal(ours.get(), theirs.get())) << std::hex << bits;
    }
}

TEST(FloatOracle, RandomNumbersInEveryBase)
{
    std::mt19937_64 rng(754);
    for (int round = 0; round < 1500; ++round) {
        const int base = round % 3 == 0 ? 10 : 2 + static_cast<int>(rng() % 15);
        CheckNumber(RandomNumber(rng, base), base);
        if (HasFatalFailure())
            return;
    }
}

TEST(FloatOracle, MidpointsAndTheirNeighbours)
{
    std::mt19937_64 rng(1985);
    for (int round = 0; round < 600; ++round) {
        CheckNumber(RandomMidpoint(rng, FormatOf(round % 3 == 0 ? 16 : round % 3 == 1 ? 32 : 64)), 10);
        if (HasFatalFailure())
            return;
    }
}

// Every binary16 pattern: read, written back in decimal, and brought to the
// format again, it is the same pattern (NaN aside); and its value is exact.
TEST(FloatOracle, EveryHalfPrecisionPattern)
{
    const FloatFormat f = FormatOf(16);
    for (uint64_t bits = 0; bits < 0x10000; ++bits) {
        const FloatValue v = FloatOfBits(f, bits);
        if (v.kind == FloatClass::INFINITE_VALUE || v.kind == FloatClass::NOT_A_NUMBER)
            continue;
        SCOPED_TRACE(v.hex);
        FloatEncoding e;
        std::string fault;
        ASSERT_TRUE(EncodeFloat(v.stored, 10, f, e, fault)) << fault;
        ASSERT_EQ(e.value.bits, bits);
        ASSERT_TRUE(e.rounding.exact);
        Rational value;
        SetMagnitudeOfBits(value.get(), f, bits & 0x7FFF);
        ASSERT_EQ(v.stored, (v.negative ? "-" : "") + DecimalText(value.get()));
    }
}

}  // namespace
