// Binary natural numbers against GMP, which shares none of their code: long
// division over lengths and word patterns that stress the quotient estimate,
// the greatest common divisor with large common factors, orders, powers and
// the removal of prime factors.
#include <gtest/gtest.h>
#include <gmp.h>

#include <random>
#include <string>

#include "naturals.h"

namespace {

using naturals::Natural;

// A GMP number and its text, freed when it goes.
class Mpz {
public:
    Mpz() { mpz_init(value_); }
    explicit Mpz(const Natural& x)
    {
        mpz_init(value_);
        mpz_import(value_, x.size(), -1, sizeof(uint32_t), 0, 0, x.data());
    }
    ~Mpz() { mpz_clear(value_); }
    Mpz(const Mpz&) = delete;
    Mpz& operator=(const Mpz&) = delete;
    mpz_t& get() { return value_; }
    std::string Hex() const
    {
        char* text = mpz_get_str(nullptr, 16, value_);
        std::string out(text);
        void (*release)(void*, size_t);
        mp_get_memory_functions(nullptr, nullptr, &release);
        release(text, out.size() + 1);
        return out;
    }

private:
    mpz_t value_;
};

std::string Hex(const Natural& x)
{
    return Mpz(x).Hex();
}

// Random words, some runs of all ones or zeros, which make the estimates of
// long division go wrong most often; the top word not zero.
Natural RandomNatural(std::mt19937_64& rng, size_t n)
{
    Natural x(n);
    const int pattern = static_cast<int>(rng() % 4);
    for (uint32_t& w : x) {
        const uint32_t r = static_cast<uint32_t>(rng());
        w = pattern == 0 ? r : pattern == 1 ? (r % 3 == 0 ? 0 : UINT32_MAX) : pattern == 2 ? (r % 5 == 0 ? r : UINT32_MAX) : r >> (r % 32);
    }
    if (n > 0 && x.back() == 0)
        x.back() = 1 + static_cast<uint32_t>(rng() % UINT32_MAX);
    return x;
}

size_t RandomLength(std::mt19937_64& rng, size_t most)
{
    return 1 + static_cast<size_t>(rng() % most);
}

TEST(Naturals, DivModAgainstGmp)
{
    std::mt19937_64 rng(21);
    for (int round = 0; round < 3000; ++round) {
        const size_t nb = RandomLength(rng, round < 2500 ? 12 : 300);
        const size_t na = nb + static_cast<size_t>(rng() % (round < 2500 ? 12 : 300));
        const Natural a = RandomNatural(rng, na), b = RandomNatural(rng, nb);
        Natural q, r;
        naturals::DivMod(a, b, q, r);
        Mpz ga(a), gb(b), gq, gr;
        mpz_tdiv_qr(gq.get(), gr.get(), ga.get(), gb.get());
        SCOPED_TRACE(Hex(a) + " / " + Hex(b));
        ASSERT_EQ(Hex(q), gq.Hex());
        ASSERT_EQ(Hex(r), gr.Hex());
        ASSERT_TRUE(q.empty() || q.back() != 0);
        ASSERT_TRUE(r.empty() || r.back() != 0);
    }
}

// The cases where the estimate from the top words is two too large, or the
// subtraction goes below zero: the dividend's top words equal to the
// divisor's, the divisor's second word all ones.
TEST(Naturals, DivModEdgeQuotients)
{
    const Natural rows[][2] = {
        {{0, 0, 0x80000000u}, {1, 0x80000000u}},
        {{0, 0xFFFFFFFEu, 0x80000000u}, {0xFFFFFFFFu, 0x80000000u}},
        {{0, 0, 0x7FFFFFFFu, 0x80000000u}, {1, 0, 0x80000000u}},
        {{3, 0, 0x8000u}, {1, 0x2000u}},
        {{0, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu}, {0xFFFFFFFFu, 0xFFFFFFFFu}},
        {{5}, {7}},
        {{}, {7, 1}},
        {{7, 1}, {7, 1}},
    };
    for (const auto& row : rows) {
        Natural q, r;
        naturals::DivMod(row[0], row[1], q, r);
        Mpz ga(row[0]), gb(row[1]), gq, gr;
        mpz_tdiv_qr(gq.get(), gr.get(), ga.get(), gb.get());
        SCOPED_TRACE(Hex(row[0]) + " / " + Hex(row[1]));
        EXPECT_EQ(Hex(q), gq.Hex());
        EXPECT_EQ(Hex(r), gr.Hex());
    }
}

TEST(Naturals, GcdAgainstGmp)
{
    std::mt19937_64 rng(22);
    for (int round = 0; round < 600; ++round) {
        // A common factor of any length, times two cofactors.
        const Natural common = RandomNatural(rng, RandomLength(rng, round % 3 == 0 ? 40 : 4));
        const Natural a = naturals::Multiply(common, RandomNatural(rng, RandomLength(rng, 60)));
        const Natural b = naturals::Multiply(common, RandomNatural(rng, RandomLength(rng, 60)));
        Mpz ga(a), gb(b), gg;
        mpz_gcd(gg.get(), ga.get(), gb.get());
        SCOPED_TRACE(Hex(a) + ", " + Hex(b));
        ASSERT_EQ(Hex(naturals::Gcd(a, b)), gg.Hex());
        ASSERT_EQ(Hex(naturals::Gcd(b, a)), gg.Hex());
    }
    EXPECT_EQ(Hex(naturals::Gcd(Natural(), naturals::FromWord(12))), "c");
    EXPECT_EQ(Hex(naturals::Gcd(naturals::FromWord(12), Natural())), "c");
    EXPECT_EQ(Hex(naturals::Gcd(naturals::FromWord(1) , naturals::Power(3, 500))), "1");
}

// A floor below the divisor changes nothing; one above it gives zero.
TEST(Naturals, GcdWithAFloor)
{
    std::mt19937_64 rng(23);
    for (int round = 0; round < 200; ++round) {
        const Natural common = RandomNatural(rng, RandomLength(rng, 20));
        const Natural a = naturals::Multiply(common, RandomNatural(rng, RandomLength(rng, 40)));
        const Natural b = naturals::Multiply(common, RandomNatural(rng, RandomLength(rng, 40)));
        const Natural g = naturals::Gcd(a, b);
        const size_t bits = naturals::BitLength(g);
        SCOPED_TRACE(Hex(a) + ", " + Hex(b));
        EXPECT_EQ(naturals::Gcd(a, b, bits), g);
        EXPECT_TRUE(naturals::Gcd(a, b, bits + 1).empty());
    }
}

// Orders checked by GMP's modular powers: the order found is a power that
// gives 1, and no smaller one does.
TEST(Naturals, OrderAgainstModularPowers)
{
    std::mt19937_64 rng(24);
    for (int round = 0; round < 300; ++round) {
        const uint32_t base = 2 + static_cast<uint32_t>(rng() % 15);
        Natural m = RandomNatural(rng, RandomLength(rng, round % 2 ? 1 : 3));
        if (round % 3 == 0)
            m = naturals::FromWord(1 + rng() % 5000);
        for (uint32_t p : {2u, 3u, 5u, 7u, 11u, 13u})
            if (base % p == 0)
                naturals::RemoveFactor(m, p, UINT64_MAX);
        if (naturals::Compare(m, naturals::FromWord(1)) <= 0)
            continue;
        const uint64_t most = 3000;
        const uint64_t order = naturals::OrderUpTo(base, m, most);
        Mpz gm(m), gb(naturals::FromWord(base)), power;
        uint64_t brute = 0;
        for (uint64_t k = 1; k <= most && brute == 0; ++k) {
            mpz_powm_ui(power.get(), gb.get(), k, gm.get());
            if (mpz_cmp_ui(power.get(), 1) == 0)
                brute = k;
        }
        SCOPED_TRACE(std::to_string(base) + " modulo " + Hex(m));
        ASSERT_EQ(order, brute);
    }
    // 10 has the order 6 modulo 7 and 16 modulo 17: none when at most 5 or 15 is asked.
    EXPECT_EQ(naturals::OrderUpTo(10, naturals::FromWord(7), 6), 6u);
    EXPECT_EQ(naturals::OrderUpTo(10, naturals::FromWord(7), 5), 0u);
    EXPECT_EQ(naturals::OrderUpTo(10, naturals::FromWord(17), 15), 0u);
}

TEST(Naturals, PowersAndFactors)
{
    for (uint32_t base : {2u, 3u, 10u, 15u, 16u}) {
        for (uint64_t e : {0ull, 1ull, 31ull, 32ull, 33ull, 1000ull, 12345ull}) {
            Mpz expected;
            mpz_ui_pow_ui(expected.get(), base, e);
            const Natural power = naturals::Power(base, e);
            SCOPED_TRACE(std::to_string(base) + "^" + std::to_string(e));
            ASSERT_EQ(Hex(power), expected.Hex());
            // power * 7: every factor of base comes off, the 7 stays; a cap stops early.
            for (uint32_t p : {2u, 3u, 5u}) {
                if (base % p != 0)
                    continue;
                Natural x = power;
                naturals::MultiplyAdd(x, 7, 0);
                Mpz gx(x), gp(naturals::FromWord(p)), rest;
                const uint64_t expectedCount = mpz_remove(rest.get(), gx.get(), gp.get());
                Natural capped = x;
                EXPECT_EQ(naturals::RemoveFactor(x, p, UINT64_MAX), expectedCount);
                EXPECT_EQ(Hex(x), rest.Hex());
                if (expectedCount > 1) {
                    EXPECT_EQ(naturals::RemoveFactor(capped, p, expectedCount - 1), expectedCount - 1);
                    EXPECT_EQ(naturals::RemainderSmall(capped, p), 0u);
                }
            }
        }
    }
    Natural seven = naturals::FromWord(7);
    EXPECT_EQ(naturals::RemoveFactor(seven, 2, 10), 0u);
    EXPECT_EQ(Hex(seven), "7");
}

TEST(Naturals, SumsDifferencesAndShifts)
{
    std::mt19937_64 rng(25);
    for (int round = 0; round < 500; ++round) {
        const Natural a = RandomNatural(rng, RandomLength(rng, 20)), b = RandomNatural(rng, RandomLength(rng, 20));
        const size_t bits = static_cast<size_t>(rng() % 200);
        Mpz ga(a), gb(b), sum, shifted, back;
        mpz_add(sum.get(), ga.get(), gb.get());
        mpz_mul_2exp(shifted.get(), ga.get(), bits);
        mpz_fdiv_q_2exp(back.get(), ga.get(), bits);
        SCOPED_TRACE(Hex(a) + ", " + Hex(b));
        ASSERT_EQ(Hex(naturals::Add(a, b)), sum.Hex());
        const bool aLarger = naturals::Compare(a, b) >= 0;
        ASSERT_EQ(aLarger, mpz_cmp(ga.get(), gb.get()) >= 0);
        Mpz difference;
        mpz_sub(difference.get(), aLarger ? ga.get() : gb.get(), aLarger ? gb.get() : ga.get());
        ASSERT_EQ(Hex(aLarger ? naturals::Subtract(a, b) : naturals::Subtract(b, a)), difference.Hex());
        ASSERT_EQ(Hex(naturals::ShiftLeft(a, bits)), shifted.Hex());
        ASSERT_EQ(Hex(naturals::ShiftRight(a, bits)), back.Hex());
        ASSERT_EQ(naturals::BitLength(a), mpz_sizeinbase(ga.get(), 2));
    }
    EXPECT_TRUE(naturals::Subtract(naturals::FromWord(5), naturals::FromWord(5)).empty());
    EXPECT_EQ(naturals::BitLength(Natural()), 0u);
}

}  // namespace
