#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ntt.h"
#include "words.h"

namespace {

using words::WordRadix;
using words::Words;

// The radices the program multiplies in, and the extremes: 2^32, 10^9, the
// largest and the smallest word radix of a base (3^20, 12^8), and 2.
std::vector<WordRadix> Radices()
{
    return {WordRadix::Binary(), WordRadix(1000000000u), WordRadix(3486784401u), WordRadix(429981696u), WordRadix(2u)};
}

Words RandomWords(std::mt19937_64& rng, size_t n, const WordRadix& radix)
{
    Words x(n);
    for (uint32_t& w : x)
        w = static_cast<uint32_t>(rng() % radix.Value());
    return x;
}

// x mod q by Horner's rule over the words: needs none of the code under test.
uint64_t Mod(const Words& x, const WordRadix& radix, uint64_t q)
{
    uint64_t r = 0;
    for (size_t i = x.size(); i-- > 0;)
        r = (r * (radix.Value() % q) + x[i]) % q;
    return r;
}

// The product as the schoolbook method gives it, trimmed.
Words SchoolbookProduct(const Words& a, const Words& b, const WordRadix& radix)
{
    Words r(a.size() + b.size());
    words::Schoolbook(a.data(), a.size(), b.data(), b.size(), r.data(), radix);
    words::Trim(r);
    return r;
}

std::string Name(const WordRadix& radix, size_t na, size_t nb, const char* kind)
{
    return std::to_string(radix.Value()) + ": " + std::to_string(na) + " x " + std::to_string(nb) + " words, " + kind;
}

TEST(Words, SplitDividesAWideValueByTheRadix)
{
    std::mt19937_64 rng(3);
    for (const WordRadix& radix : Radices()) {
        for (int round = 0; round < 2000; ++round) {
            const uint32_t high = static_cast<uint32_t>(rng() % radix.Value());
            const uint64_t low = round == 0 ? UINT64_MAX : rng();
            uint32_t word;
            const uint64_t q = radix.Split(high, low, word);
            ASSERT_LT(word, radix.Value());
            // q * radix + word, in 32-bit pieces, is high * 2^64 + low again.
            const uint64_t r = radix.Value();
            const uint64_t p0 = (q & 0xFFFFFFFFu) * (r & 0xFFFFFFFFu) + word;
            const uint64_t p1 = (q >> 32) * (r & 0xFFFFFFFFu) + (q & 0xFFFFFFFFu) * (r >> 32) + (p0 >> 32);
            const uint64_t p2 = (q >> 32) * (r >> 32) + (p1 >> 32);
            ASSERT_EQ((p1 << 32) | (p0 & 0xFFFFFFFFu), low);
            ASSERT_EQ(p2, high);
        }
    }
}

// The transforms need primes and roots of exactly the order they claim.
TEST(Words, TransformPrimesAndRoots)
{
    for (int k = 0; k < 3; ++k) {
        const ntt::Prime& prime = ntt::PrimeAt(k);
        SCOPED_TRACE(prime.p);
        for (uint32_t d = 2; uint64_t(d) * d <= prime.p; ++d)
            ASSERT_NE(prime.p % d, 0u);
        ASSERT_GE(prime.orderLog, ntt::MAX_LOG_LENGTH);
        ASSERT_EQ((prime.p - 1) % (uint64_t(1) << prime.orderLog), 0u);
        uint64_t x = prime.root;
        for (int i = 1; i < prime.orderLog; ++i)
            x = x * x % prime.p;
        EXPECT_EQ(x, prime.p - 1);  // root^(2^(k-1)) = -1: the order is 2^k
    }
}

// Lengths on both sides of every switch, balanced and not, random and with
// every word at its largest (the longest carries), against the schoolbook
// product and against residues modulo two primes.
TEST(Words, ProductsAroundEverySwitch)
{
    const size_t k = words::KARATSUBA_MIN, t = words::NTT_MIN;
    const std::pair<size_t, size_t> shapes[] = {
        {1, 1}, {k - 1, k - 1}, {k, k}, {k + 1, k}, {2 * k + 1, 2 * k + 1}, {5 * k + 3, k},
        {t - 1, t - 1}, {t, t}, {t + 1, t + 3}, {3 * t, t}, {4 * t + 7, k - 1}, {2 * t, k + 5},
    };
    std::mt19937_64 rng(4);
    for (const WordRadix& radix : Radices()) {
        for (const auto& shape : shapes) {
            for (const bool largest : {false, true}) {
                Words a = RandomWords(rng, shape.first, radix), b = RandomWords(rng, shape.second, radix);
                if (largest) {
                    a.assign(a.size(), static_cast<uint32_t>(radix.Value() - 1));
                    b.assign(b.size(), static_cast<uint32_t>(radix.Value() - 1));
                }
                SCOPED_TRACE(Name(radix, a.size(), b.size(), largest ? "largest words" : "random words"));
                const Words product = words::Multiply(a, b, radix);
                ASSERT_EQ(product, SchoolbookProduct(a, b, radix));
                EXPECT_EQ(words::Multiply(b, a, radix), product);
                for (const uint64_t q : {2147483647ull, 4294967291ull})
                    EXPECT_EQ(Mod(product, radix, q), Mod(a, radix, q) * Mod(b, radix, q) % q);
            }
        }
    }
}

TEST(Words, SquaresAndZeros)
{
    std::mt19937_64 rng(5);
    for (const WordRadix& radix : Radices()) {
        for (const size_t n : {words::KARATSUBA_MIN + 3, words::NTT_MIN + 1}) {
            SCOPED_TRACE(Name(radix, n, n, "square"));
            const Words a = RandomWords(rng, n, radix);
            EXPECT_EQ(words::Multiply(a, a, radix), SchoolbookProduct(a, a, radix));
            // High zero words and zero factors.
            Words padded = a;
            padded.resize(n + 5, 0);
            EXPECT_EQ(words::Multiply(padded, a, radix), words::Multiply(a, a, radix));
            EXPECT_TRUE(words::Multiply(Words(n, 0), a, radix).empty());
            EXPECT_TRUE(words::Multiply(Words(), a, radix).empty());
        }
    }
}

// The transform on its own, from one word up, in both radices it serves.
TEST(Words, TransformProductsOfEveryShortLength)
{
    std::mt19937_64 rng(6);
    for (const WordRadix& radix : {WordRadix::Binary(), WordRadix(1977326743u)}) {
        for (size_t na = 1; na <= 40; na += 3) {
            for (const size_t nb : {size_t(1), size_t(2), na, na + 9}) {
                SCOPED_TRACE(Name(radix, na, nb, "transform"));
                const Words a = RandomWords(rng, na, radix), b = RandomWords(rng, nb, radix);
                Words r(na + nb);
                ntt::Multiply(a.data(), na, b.data(), nb, r.data(), radix);
                Words expected(na + nb);
                words::Schoolbook(a.data(), na, b.data(), nb, expected.data(), radix);
                ASSERT_EQ(r, expected);
            }
        }
    }
}

TEST(Words, AddShifted)
{
    const WordRadix decimal(1000000000u);
    Words a{999999999u, 999999999u};
    words::AddShifted(a, Words{1u}, 0, decimal);
    EXPECT_EQ(a, (Words{0u, 0u, 1u}));
    words::AddShifted(a, Words{5u, 7u}, 3, decimal);
    EXPECT_EQ(a, (Words{0u, 0u, 1u, 5u, 7u}));
    Words binary{0xFFFFFFFFu};
    words::AddShifted(binary, Words{0xFFFFFFFFu}, 0, WordRadix::Binary());
    EXPECT_EQ(binary, (Words{0xFFFFFFFEu, 1u}));
    Words zero;
    words::AddShifted(zero, Words(), 2, decimal);
    EXPECT_TRUE(zero.empty());
}

}  // namespace
