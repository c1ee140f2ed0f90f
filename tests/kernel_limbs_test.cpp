// The decimal limbs' own operations: decimal texts, powers, small remainders
// and the removal of a prime factor, against known values and residues.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "limbs.h"

namespace {

// base^exponent mod p by native arithmetic.
uint64_t PowMod(uint64_t base, uint64_t exponent, uint64_t p)
{
    uint64_t result = 1 % p;
    for (base %= p; exponent > 0; exponent >>= 1, base = base * base % p)
        if (exponent & 1)
            result = result * base % p;
    return result;
}

TEST(Limbs, DecimalTextsBothWays)
{
    const struct {
        const char *text, *written;
    } rows[] = {
        {"", "0"}, {"0", "0"}, {"000", "0"}, {"7", "7"}, {"000123", "123"},
        {"1000000000", "1000000000"}, {"999999999999999999", "999999999999999999"},
        {"12345678901234567890123", "12345678901234567890123"}, {"1x2", "102"},  // a foreign byte counts as 0
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(limbs::ToDecimal(limbs::FromDecimal(row.text)), row.written);
    }
    EXPECT_TRUE(limbs::FromDecimal("0000").empty());
    EXPECT_EQ(limbs::FromDecimal("1000000007"), (limbs::Limbs{7, 1}));
}

TEST(Limbs, PowersAgainstKnownValuesAndResidues)
{
    EXPECT_EQ(limbs::ToDecimal(limbs::Power(2, 100)), "1267650600228229401496703205376");
    EXPECT_EQ(limbs::Power(7, 0), limbs::Limbs{1});
    // 10^30 is 30 nines and one more.
    limbs::Limbs nines = limbs::FromDecimal(std::string(30, '9'));
    limbs::MulSmallAdd(nines, 1, 1);
    EXPECT_EQ(nines, limbs::Power(10, 30));
    EXPECT_EQ(limbs::Remainder(limbs::Power(10, 40), 7), 4u);  // 10^6 = 1 modulo 7
    for (uint32_t base : {3u, 999999999u}) {
        const limbs::Limbs x = limbs::Power(base, 700);
        for (uint32_t p : {4294967291u, 1000000007u, 65521u}) {
            SCOPED_TRACE(std::to_string(base) + "^700 mod " + std::to_string(p));
            EXPECT_EQ(limbs::Remainder(x, p), PowMod(base, 700, p));
            EXPECT_EQ(limbs::Remainder(limbs::Mul(x, x), p), PowMod(base, 1400, p));
        }
    }
}

TEST(Limbs, RemoveFactorStopsAtTheCap)
{
    // 7 * p^e loses min(e, cap) factors p.
    for (const auto& row : {std::array<uint64_t, 4>{3, 50, 100, 50}, {3, 50, 20, 20}, {2, 1000, 5000, 1000}, {5, 0, 9, 0}}) {
        SCOPED_TRACE(std::to_string(row[0]) + "^" + std::to_string(row[1]));
        limbs::Limbs x = limbs::Power(static_cast<uint32_t>(row[0]), row[1]);
        limbs::Limbs rest = limbs::Power(static_cast<uint32_t>(row[0]), row[1] - row[3]);
        limbs::MulSmallAdd(x, 7, 0);
        limbs::MulSmallAdd(rest, 7, 0);
        EXPECT_EQ(limbs::RemoveFactor(x, static_cast<uint32_t>(row[0]), row[2]), row[3]);
        EXPECT_EQ(x, rest);
    }
    limbs::Limbs zero;
    EXPECT_EQ(limbs::RemoveFactor(zero, 3, 10), 0u);
}

TEST(Limbs, DivisionAgainstNativeArithmetic)
{
    const uint64_t values[] = {0, 1, 999999999, 1000000000, 123456789012345678ULL, 999999999999999999ULL};
    const uint64_t divisors[] = {1, 2, 7, 999999999, 1000000000, 4294967295ULL};
    for (uint64_t v : values) {
        for (uint64_t d : divisors) {
            SCOPED_TRACE(std::to_string(v) + " / " + std::to_string(d));
            limbs::Limbs x = limbs::FromDecimal(std::to_string(v));
            EXPECT_EQ(limbs::Remainder(x, static_cast<uint32_t>(d)), v % d);
            EXPECT_EQ(limbs::DivSmall(x, static_cast<uint32_t>(d)), v % d);
            EXPECT_EQ(limbs::ToDecimal(x), std::to_string(v / d));
        }
    }
}

}  // namespace
