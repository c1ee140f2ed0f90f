// Binary natural numbers without GMP, so that the 32-bit build checks them
// too: small numbers against native 64-bit arithmetic, long division by its
// identity a = q b + r with r < b over lengths that take either method, the
// greatest common divisor against a plain binary gcd done here, orders
// against stepping modular powers one by one, factor removal by its product.
#include <gtest/gtest.h>

#include <random>

#include "naturals.h"

namespace {

using naturals::Natural;

Natural RandomNatural(std::mt19937_64& rng, size_t n)
{
    Natural x(n);
    for (uint32_t& w : x)
        w = rng() % 4 == 0 ? UINT32_MAX : static_cast<uint32_t>(rng());
    if (n > 0)
        x.back() |= 1u << (rng() % 32);
    return x;
}

uint64_t Value(const Natural& x)
{
    return x.empty() ? 0 : x.size() == 1 ? x[0] : (uint64_t(x[1]) << 32) | x[0];
}

TEST(NaturalsWithoutGmp, SmallNumbersAgainstMachineWords)
{
    std::mt19937_64 rng(71);
    for (int round = 0; round < 20000; ++round) {
        const uint64_t a = rng() >> (rng() % 64), b = (rng() >> (rng() % 64)) | 1;
        const Natural x = naturals::FromWord(a), y = naturals::FromWord(b);
        SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
        Natural q, r;
        naturals::DivMod(x, y, q, r);
        ASSERT_EQ(Value(q), a / b);
        ASSERT_EQ(Value(r), a % b);
        ASSERT_EQ(naturals::Compare(x, y), a < b ? -1 : a > b ? 1 : 0);
        if (a >= b) {
            ASSERT_EQ(Value(naturals::Subtract(x, y)), a - b);
        }
        if (a < (uint64_t(1) << 62) && b < (uint64_t(1) << 62)) {
            ASSERT_EQ(Value(naturals::Add(x, y)), a + b);
        }
        uint64_t g = a, h = b;
        while (h != 0) {
            const uint64_t t = g % h;
            g = h;
            h = t;
        }
        ASSERT_EQ(Value(naturals::Gcd(x, y)), g);
        const uint32_t d = static_cast<uint32_t>(b % 1000000007u) | 1;
        Natural divided = x;
        ASSERT_EQ(naturals::DivideSmall(divided, d), a % d);
        ASSERT_EQ(Value(divided), a / d);
        ASSERT_EQ(naturals::BitLength(x), a == 0 ? 0u : 64u - static_cast<size_t>(__builtin_clzll(a)));
    }
}

// Lengths from a word to thousands, both methods and their switch.
TEST(NaturalsWithoutGmp, LongDivisionIdentity)
{
    std::mt19937_64 rng(72);
    for (int round = 0; round < 400; ++round) {
        const size_t nb = 1 + static_cast<size_t>(rng() % (round < 300 ? 130 : 1500));
        const size_t na = nb + static_cast<size_t>(rng() % (round < 300 ? 130 : 1500));
        const Natural a = RandomNatural(rng, na), b = RandomNatural(rng, nb);
        Natural q, r;
        naturals::DivMod(a, b, q, r);
        SCOPED_TRACE(std::to_string(na) + " by " + std::to_string(nb) + " words");
        ASSERT_LT(naturals::Compare(r, b), 0);
        ASSERT_EQ(naturals::Add(naturals::Multiply(q, b), r), a);
        ASSERT_TRUE(q.empty() || q.back() != 0);
    }
}

// Stein's binary gcd: halves and differences only.
Natural BinaryGcd(Natural a, Natural b)
{
    size_t shift = 0;
    while (!a.empty() && !b.empty() && !(a[0] & 1) && !(b[0] & 1)) {
        a = naturals::ShiftRight(a, 1);
        b = naturals::ShiftRight(b, 1);
        ++shift;
    }
    while (!a.empty() && !(a[0] & 1))
        a = naturals::ShiftRight(a, 1);
    while (!b.empty()) {
        while (!(b[0] & 1))
            b = naturals::ShiftRight(b, 1);
        if (naturals::Compare(a, b) > 0)
            std::swap(a, b);
        b = naturals::Subtract(b, a);
    }
    return naturals::ShiftLeft(a, shift);
}

TEST(NaturalsWithoutGmp, GcdAgainstBinaryGcd)
{
    std::mt19937_64 rng(73);
    for (int round = 0; round < 150; ++round) {
        const Natural common = RandomNatural(rng, 1 + rng() % 8);
        const Natural a = naturals::Multiply(common, RandomNatural(rng, 1 + rng() % 12));
        const Natural b = naturals::Multiply(common, RandomNatural(rng, 1 + rng() % 12));
        ASSERT_EQ(naturals::Gcd(a, b), BinaryGcd(a, b));
    }
}

TEST(NaturalsWithoutGmp, OrdersAndFactors)
{
    std::mt19937_64 rng(74);
    for (int round = 0; round < 120; ++round) {
        const uint32_t base = 3 + 2 * static_cast<uint32_t>(rng() % 7);  // odd, 3 to 15
        Natural m = RandomNatural(rng, 1 + rng() % 3);
        m[0] |= 1;
        for (uint32_t p : {3u, 5u, 7u, 11u, 13u})
            if (base % p == 0)
                naturals::RemoveFactor(m, p, UINT64_MAX);
        if (naturals::Compare(m, naturals::FromWord(1)) <= 0)
            continue;
        // base^k mod m, one step at a time.
        uint64_t brute = 0;
        Natural power = naturals::FromWord(1), q;
        for (uint64_t k = 1; k <= 2000 && brute == 0; ++k) {
            naturals::MultiplyAdd(power, base, 0);
            naturals::DivMod(Natural(power), m, q, power);
            if (power == naturals::FromWord(1))
                brute = k;
        }
        ASSERT_EQ(naturals::OrderUpTo(base, m, 2000), brute);
        // Factors taken off and put back.
        Natural x = naturals::Multiply(naturals::Power(base, 1 + rng() % 300), RandomNatural(rng, 1 + rng() % 5));
        const Natural before = x;
        const uint32_t p = base % 3 == 0 ? 3 : base % 5 == 0 ? 5 : base % 7 == 0 ? 7 : base % 11 == 0 ? 11 : 13;
        const uint64_t count = naturals::RemoveFactor(x, p, UINT64_MAX);
        ASSERT_NE(naturals::RemainderSmall(x, p), 0u);
        ASSERT_EQ(naturals::Multiply(x, naturals::Power(p, count)), before);
    }
}

#ifdef KALVORIX_CHECKS
TEST(NaturalsDeathTest, PreconditionsAreAsserted)
{
    const Natural two = naturals::FromWord(2), three = naturals::FromWord(3);
    Natural q, r, x = three;
    EXPECT_DEATH(naturals::DivMod(three, Natural(), q, r), "b.empty");
    EXPECT_DEATH(naturals::DivMod(three, two, q, q), "&quotient != &remainder");
    EXPECT_DEATH(naturals::Subtract(two, three), "Compare");
    EXPECT_DEATH(naturals::DivideSmall(x, 0), "d != 0");
}
#endif

}  // namespace
