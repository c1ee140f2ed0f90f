// The kernel's primitives on spans of words and its packing of digits and
// bits, against native 64-bit arithmetic and residues.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cpu.h"
#include "digitwords.h"
#include "spans.h"

namespace {

using words::WordRadix;
using words::Words;

// x mod q by Horner's rule over the words.
uint64_t Mod(const uint32_t* x, size_t n, uint64_t radix, uint64_t q)
{
    uint64_t r = 0;
    for (size_t i = n; i-- > 0;)
        r = (r * (radix % q) + x[i]) % q;
    return r;
}

const uint64_t Q = 4294967291u;  // a prime below 2^32

std::vector<WordRadix> Radices()
{
    return {WordRadix::Binary(), WordRadix(1000000000u), WordRadix(1977326743u), WordRadix(2u)};
}

Words RandomWords(std::mt19937_64& rng, size_t n, uint64_t radix)
{
    Words x(n);
    for (uint32_t& w : x)
        w = static_cast<uint32_t>(rng() % radix);
    return x;
}

TEST(Spans, SplitOfAValueWhoseQuotientFitsAWord)
{
    std::mt19937_64 rng(4);
    for (const WordRadix& radix : Radices()) {
        const uint64_t r = radix.Value();
        for (int round = 0; round < 5000; ++round) {
            // Up to the largest: (r - 1) * 2^32 + 2^32 - 1.
            const uint64_t high = round == 0 ? r - 1 : rng() % r;
            const uint64_t v = (high << 32) | (round == 0 ? 0xFFFFFFFFu : rng() & 0xFFFFFFFFu);
            uint32_t word;
            const uint64_t q = radix.Split(v, word);
            EXPECT_EQ(q, v / r) << v << " in radix " << r;
            EXPECT_EQ(word, v % r) << v << " in radix " << r;
        }
    }
}

TEST(Spans, MulAddSubMulAndDivSmallAgainstResidues)
{
    std::mt19937_64 rng(11);
    for (const WordRadix& radix : Radices()) {
        const uint64_t r = radix.Value();
        for (int round = 0; round < 200; ++round) {
            const size_t n = 1 + rng() % 12;
            SCOPED_TRACE(std::to_string(r) + ", " + std::to_string(n) + " words, round " + std::to_string(round));
            const Words x = RandomWords(rng, n, r), y = RandomWords(rng, n, r);
            const uint32_t m = round == 0 ? UINT32_MAX : static_cast<uint32_t>(rng());
            const uint32_t carry = static_cast<uint32_t>(rng() % r);

            Words product = x;  // x * m + carry = product + out * r^n
            const uint32_t out = words::MulAdd(product.data(), n, m, carry, radix);
            uint64_t power = 1;
            for (size_t i = 0; i < n; ++i)
                power = power * (r % Q) % Q;
            EXPECT_EQ((Mod(product.data(), n, r, Q) + out % Q * power) % Q, (Mod(x.data(), n, r, Q) * m + carry) % Q);
            EXPECT_LE(out, m);

            // (product + out * r^n) - y * m = x * m + carry - y * m, all taken modulo Q.
            Words rest = product;
            const uint32_t taken = words::SubMul(rest.data(), y.data(), n, m, radix);
            const uint64_t lhs = (Mod(rest.data(), n, r, Q) + Q - taken % Q * power % Q) % Q;
            const uint64_t rhs = (Mod(product.data(), n, r, Q) + Q - Mod(y.data(), n, r, Q) * m % Q) % Q;
            EXPECT_EQ(lhs, rhs);

            const uint32_t d = round % 3 == 0 ? 1 + static_cast<uint32_t>(rng() % 10) : static_cast<uint32_t>(rng() | 1);
            Words quotient(n);
            const uint32_t remainder = words::DivSmall(x.data(), n, d, quotient.data(), radix);
            EXPECT_LT(remainder, d);
            EXPECT_EQ(words::DivSmall(x.data(), n, d, nullptr, radix), remainder);
            EXPECT_EQ((Mod(quotient.data(), n, r, Q) * d + remainder) % Q, Mod(x.data(), n, r, Q));
            for (uint32_t w : quotient)
                EXPECT_LT(w, r);
        }
    }
}

TEST(Spans, SumsAndDifferencesOfTwoWordNumbers)
{
    // Two words of radix 10^9 or 2^31 hold numbers below 2^62: native arithmetic checks them.
    std::mt19937_64 rng(5);
    for (uint64_t r : {uint64_t(1000000000), uint64_t(1) << 31}) {
        for (int round = 0; round < 2000; ++round) {
            const uint32_t a[2] = {static_cast<uint32_t>(rng() % r), static_cast<uint32_t>(rng() % r)};
            const uint32_t b[2] = {static_cast<uint32_t>(rng() % r), static_cast<uint32_t>(round % 4 == 0 ? 0 : rng() % r)};
            const uint64_t va = a[0] + a[1] * r, vb = b[0] + b[1] * r;
            SCOPED_TRACE(std::to_string(va) + " and " + std::to_string(vb));
            uint32_t s[2];
            const uint32_t carry = words::Add(s, a, 2, b, 2, r);
            EXPECT_EQ(s[0] + s[1] * r + carry * r * r, va + vb);
            uint32_t d[2];
            const uint32_t borrow = words::Sub(d, 2, a, 2, b, 2, r);
            EXPECT_EQ(borrow, va < vb ? 1u : 0u);
            EXPECT_EQ(d[0] + d[1] * r, va >= vb ? va - vb : va + r * r - vb);
            EXPECT_EQ(words::Compare(a, 2, b, 1), va < b[0] ? -1 : va == b[0] ? 0 : 1);
            uint32_t into[3] = {a[0], a[1], 0};
            EXPECT_EQ(words::AddInto(into, 3, b, 2, r), 0u);
            EXPECT_EQ(into[0] + into[1] * r + into[2] * r * r, va + vb);
        }
    }
}

TEST(Spans, TrimKeepsWhatIsAsked)
{
    std::vector<int> digits{5, 0, 0};
    words::Trim(digits, 1);
    EXPECT_EQ(digits, std::vector<int>{5});
    std::vector<int> zero{0, 0};
    words::Trim(zero, 1);
    EXPECT_EQ(zero, std::vector<int>{0});
    Words x{0, 0};
    words::Trim(x);
    EXPECT_TRUE(x.empty());
    const uint32_t span[] = {1, 0, 2, 0, 0};
    EXPECT_EQ(words::Significant(span, 5), 3u);
    EXPECT_EQ(words::Significant(span, 2), 1u);
}

TEST(DigitWords, DigitsIntoWordsAndBack)
{
    // "123456789012" in words of 10^4: whole numbers grouped from the units,
    // fractions from the first digit, padded with zeros.
    const std::string text = "1234567890123";
    const auto digit = [&text](size_t i) { return text[i] - '0'; };
    EXPECT_EQ(words::PackDigits(text.size(), 10, 4, false, digit), (Words{123, 6789, 2345, 1}));
    EXPECT_EQ(words::PackDigits(text.size(), 10, 4, true, digit), (Words{3000, 9012, 5678, 1234}));
    EXPECT_TRUE(words::PackDigits(0, 10, 4, false, digit).empty());
    EXPECT_EQ(words::PackDigits(3, 7, 11, false, [](size_t i) { return static_cast<int>(i + 1); }), Words{1 * 49 + 2 * 7 + 3});
    EXPECT_EQ(words::ValueOfDigits(1, 3, uint64_t(16), [](size_t i) { return static_cast<int>(i); }), 0x123u);

    std::string back;
    words::UnpackWord(40302, 10, 6, [&back](int at, int d) { back.insert(back.begin(), static_cast<char>('0' + d)); (void)at; });
    EXPECT_EQ(back, "040302");
    for (int base = 2; base <= 16; ++base) {
        const words::WordPower power = words::LargestPower(base);
        SCOPED_TRACE(base);
        EXPECT_LE(power.power, UINT32_MAX);
        EXPECT_GT(power.power * static_cast<uint64_t>(base), UINT32_MAX);
        uint64_t check = 1;
        for (int k = 0; k < power.exponent; ++k)
            check *= static_cast<uint64_t>(base);
        EXPECT_EQ(check, power.power);
    }
}

TEST(DigitWords, BitStreamsBothWays)
{
    std::mt19937_64 rng(9);
    for (int bits = 1; bits < 32; ++bits) {
        SCOPED_TRACE(bits);
        const uint64_t value = rng();
        const uint32_t x[2] = {static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)};
        std::vector<uint32_t> pieces;
        words::ForEachPiece(x, 2, bits, [&pieces](uint32_t piece) { pieces.push_back(piece); });
        EXPECT_EQ(pieces.size(), (64 + static_cast<size_t>(bits) - 1) / static_cast<size_t>(bits));
        for (size_t i = 0; i < pieces.size(); ++i)
            EXPECT_EQ(pieces[i], static_cast<uint32_t>((value >> (i * bits)) & ((uint64_t(1) << bits) - 1))) << i;
        const Words packed = words::PackPieces(pieces.size(), bits, [&pieces](size_t i) { return pieces[i]; });
        ASSERT_GE(packed.size(), 2u);
        EXPECT_EQ(packed[0], x[0]);
        EXPECT_EQ(packed[1], x[1]);
        for (size_t i = 2; i < packed.size(); ++i)
            EXPECT_EQ(packed[i], 0u);
    }
}

TEST(Cpu, PlainLoopsAreChosenBySettingTheSwitch)
{
    EXPECT_TRUE(cpu::Avx2Wanted(nullptr));
    EXPECT_TRUE(cpu::Avx2Wanted(""));
    EXPECT_TRUE(cpu::Avx2Wanted("0"));
    EXPECT_FALSE(cpu::Avx2Wanted("1"));
    EXPECT_FALSE(cpu::Avx2Wanted("yes"));
}

#ifdef KALVORIX_CHECKS
TEST(SpansDeathTest, PreconditionsAreAsserted)
{
    const uint32_t x[2] = {1, 2};
    uint32_t r[3] = {};
    EXPECT_DEATH(words::DivSmall(x, 2, 0, nullptr, words::BinaryRadix()), "d != 0");
    EXPECT_DEATH(words::Add(r, x, 1, x, 2, 10), "ny <= nx");
    EXPECT_DEATH(words::Sub(r + 1, 2, r, 2, x, 2, 10), "Apart");
}
#endif

}  // namespace
