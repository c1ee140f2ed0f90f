// The arithmetic under the worked solution: expansion lengths against a
// brute-force long division, the low digits of long numbers against whole
// products, and the layout rules of long numbers and tables.
#include "bignum.h"
#include "period.h"
#include "notation.h"
#include "steptext.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace {

// Digits before the period and period length of 1/den in base, by long
// division until a remainder repeats (period 0: the division ends).
struct Brute {
    uint64_t prePeriod;
    uint64_t period;
};

Brute LongDivision(uint64_t den, uint64_t base)
{
    std::map<uint64_t, uint64_t> seen;  // remainder -> digit index
    uint64_t r = 1 % den;
    for (uint64_t k = 0;; ++k) {
        if (r == 0)
            return {k, 0};
        const auto at = seen.find(r);
        if (at != seen.end())
            return {at->second, k - at->second};
        seen[r] = k;
        r = r * base % den;
    }
}

bool OfSmallPrimes(uint64_t n)
{
    for (uint32_t p : SMALL_PRIMES)
        while (n % p == 0)
            n /= p;
    return n == 1;
}

TEST(Expansion, LengthsAgainstLongDivision)
{
    int checked = 0;
    for (uint64_t den = 1; den <= 5000; ++den) {
        if (!OfSmallPrimes(den))
            continue;
        for (int base = 2; base <= 16; ++base) {
            SCOPED_TRACE("1/" + std::to_string(den) + " in base " + std::to_string(base));
            const Brute brute = LongDivision(den, static_cast<uint64_t>(base));
            const Expansion e = ExpansionOf(FactorsOf(den), base);
            EXPECT_EQ(e.prePeriod, brute.prePeriod);
            EXPECT_EQ(e.finite, brute.period == 0);
            uint64_t period = 0;
            if (!e.finite) {
                ASSERT_TRUE(e.period.Fits(period));
                EXPECT_EQ(period, brute.period);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
}

TEST(Expansion, LengthsBeyondSixtyFourBits)
{
    PrimePowers threes, twos, mixed;
    threes.exponent[1] = 32765;  // 0.1 of base 3 with 32,765 digits
    twos.exponent[0] = 131060;   // 32,765 hexadecimal digits
    mixed.exponent[1] = 45;      // 3^45 * 7 into base 10: lcm(3^43, 6)
    mixed.exponent[3] = 1;
    EXPECT_EQ(ExpansionOf(threes, 10).period.Text(), "3^32763");
    EXPECT_EQ(ExpansionOf(twos, 3).period.Text(), "2^131058");
    EXPECT_EQ(ExpansionOf(twos, 10).prePeriod, 131060u);
    EXPECT_TRUE(ExpansionOf(twos, 16).finite);
    EXPECT_EQ(ExpansionOf(twos, 16).prePeriod, 32765u);
    EXPECT_EQ(ExpansionOf(mixed, 10).period.Text(), "2·3^43");
    PrimePowers fits;
    fits.exponent[0] = 63;
    EXPECT_EQ(fits.Text(), "9223372036854775808");
    fits.exponent[0] = 64;
    EXPECT_EQ(fits.Text(), "2^64");
}

// ---- big numbers and layout -------------------------------------------------

TEST(Bignum, LowDigitsAgainstWholeProducts)
{
    // The low 18 digits of the whole product, which the 32-bit build has no
    // 128-bit type to compute.
    const auto low = [](const bignum::Limbs& x) {
        const std::string digits = limbs::ToDecimal(x);
        return std::stoull(digits.size() > 18 ? digits.substr(digits.size() - 18) : digits);
    };
    const uint64_t M = 1000000000000000000ULL;
    const uint64_t samples[] = {0, 1, 999999999, 1000000000, 123456789012345678ULL, M - 1};
    for (uint64_t a : samples)
        for (uint64_t b : samples)
            EXPECT_EQ(bignum::MulLow(a, b), low(limbs::Mul(limbs::FromDecimal(std::to_string(a)), limbs::FromDecimal(std::to_string(b)))))
                << a << "*" << b;
    for (uint64_t e = 0; e < 100; ++e)
        EXPECT_EQ(bignum::PowerLow(5, e), low(limbs::Power(5, e))) << e;
    EXPECT_EQ(bignum::LowDigits(limbs::FromDecimal("98765432123456789012345678")), 123456789012345678ULL);
}

TEST(StepText, LongNumbersAndTablesAreShortened)
{
    EXPECT_EQ(Shortened(std::string(40, '7')), std::string(40, '7'));
    EXPECT_EQ(Shortened("1234567890ABCDEFGHIJ" + std::string(11, '0') + "KLMNOPQRSTUVWXYZ"),
              "1234567890ABCDE…LMNOPQRSTUVWXYZ (27 цифр)");  // G to Z are no digits
    EXPECT_EQ(Shortened(std::string(41, '1')), "111111111111111…111111111111111 (41 цифра)");
    std::string counts;
    for (uint64_t n : {0, 1, 2, 4, 5, 11, 14, 21, 22, 111, 1001})
        counts += DigitCount(n) + ", ";
    EXPECT_EQ(counts, "0 цифр, 1 цифра, 2 цифры, 4 цифры, 5 цифр, 11 цифр, 14 цифр, 21 цифра, 22 цифры, 111 цифр, 1001 цифра, ");

    EXPECT_EQ(ShownRows(64).size(), 64u);
    EXPECT_EQ(ShownRows(65), (std::vector<uint64_t>{0, 1, 2, 3, 4, 60, 61, 62, 63, 64}));
    StepTable table("RL");
    for (uint64_t k : ShownRows(65))
        table.Add({std::to_string(k * k), " = " + std::to_string(k) + "^2"});
    const std::vector<std::string> lines = table.Lines(65);
    EXPECT_EQ(lines, (std::vector<std::string>{"     0 = 0^2", "     1 = 1^2", "     4 = 2^2", "     9 = 3^2", "    16 = 4^2",
                                               "  … пропущено строк: 55 …", "  3600 = 60^2", "  3721 = 61^2",
                                               "  3844 = 62^2", "  3969 = 63^2", "  4096 = 64^2"}));
}

}  // namespace
