#include <gtest/gtest.h>

#include <random>

#include "digits.h"
#include "test_digits.h"
#include "words.h"

namespace {

using testdigits::RandomDigits;
using testdigits::S;
using testdigits::SlowMul;
using testdigits::V;

TEST(Digits, EdgeCasesAreTrimmed)
{
    EXPECT_EQ(S(add(V("999"), V("1"))), "1000");
    EXPECT_EQ(S(add(V("0"), V("0"))), "0");
    EXPECT_EQ(S(add({}, {})), "0");
    EXPECT_EQ(S(sub(V("1000"), V("1"))), "999");
    EXPECT_EQ(S(sub(V("5"), V("5"))), "0");
    std::vector<int> a = V("100");
    sub_from(a, V("99"));
    EXPECT_EQ(S(a), "1");
    EXPECT_EQ(S(mul(V("99"), V("99"))), "9801");
    EXPECT_EQ(S(mul(V("0"), V("12345"))), "0");
    EXPECT_EQ(S(mul({}, V("7"))), "0");
    EXPECT_EQ(S(mul(V("000120"), V("0010"))), "1200");
}

TEST(Digits, DivisionEdgeCases)
{
    const struct {
        const char *a, *b, *q, *r;
    } cases[] = {
        {"1000", "7", "142", "6"}, {"5", "7", "0", "5"}, {"0", "3", "0", "0"},
        {"0099", "0011", "9", "0"}, {"1000000000000000000", "999999999", "1000000001", "1"},
        {"123456789012345678901234567890", "1234567890123", "100000000000036999", "1123867907013"},
        // The estimated quotient digit is one too large and the divisor is added back.
        {"1500000000000000000000000002", "500000000000000000000000001", "2", "500000000000000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        std::vector<int> r;
        EXPECT_EQ(S(div(V(c.a), V(c.b), r)), c.q);
        EXPECT_EQ(S(r), c.r);
    }
    std::vector<int> r;
    EXPECT_TRUE(div({}, V("3"), r).empty()) << "the quotient of an empty vector stays empty";
    EXPECT_EQ(S(r), "0");
}

TEST(Digits, DivisionByZeroReturnsInsteadOfLooping)
{
    std::vector<int> r;
    EXPECT_EQ(S(div(V("123"), V("000"), r)), "0");
    EXPECT_EQ(S(r), "123");
}

TEST(Digits, SqrtKeepsHalfTheLengthUntrimmed)
{
    const struct {
        const char *a, *root;
    } cases[] = {
        {"99", "9"}, {"100", "10"}, {"10", "3"}, {"0", "0"}, {"1", "1"}, {"0099", "09"},
        {"000100", "010"}, {"152415787532388367504942236884722755800955129", "12345678901234567890123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(S(sqrt(V(c.a))), c.root);
    }
    EXPECT_TRUE(sqrt(std::vector<int>()).empty());
}

TEST(Digits, CompareShiftAndZeroTest)
{
    EXPECT_EQ(cmp(V("0012"), V("12")), 0);
    EXPECT_EQ(cmp(V("12"), V("3")), 1);
    EXPECT_EQ(cmp(V("3"), V("12")), -1);
    EXPECT_EQ(cmp({}, V("000")), 0);
    EXPECT_EQ(S(shift_left(V("25"), 3)), "25000");
    EXPECT_EQ(S(shift_right(V("25000"), 4)), "2");
    EXPECT_TRUE(shift_right(V("25"), 5).empty());
    for (int n : {0, -3}) {
        EXPECT_EQ(S(shift_left(V("25"), n)), "25");
        EXPECT_EQ(S(shift_right(V("25"), n)), "25");
    }
    EXPECT_EQ(zcmp({}), 1);
    EXPECT_EQ(zcmp(V("000")), 1);
    EXPECT_EQ(zcmp(V("010")), 0);
}

// The decimal text of x * y, the exact 128-bit product taken in 32-bit pieces
// (a 32-bit build has no 128-bit integer).
std::string ProductText(unsigned long long x, unsigned long long y)
{
    const unsigned long long mask = 0xFFFFFFFFull;
    unsigned long long piece[4] = {0, 0, 0, 0};  // least significant first
    const unsigned long long xs[2] = {x & mask, x >> 32}, ys[2] = {y & mask, y >> 32};
    for (int i = 0; i < 2; ++i) {
        unsigned long long carry = 0;
        for (int k = 0; k < 2; ++k) {
            const unsigned long long t = piece[i + k] + xs[i] * ys[k] + carry;  // below 2^64
            piece[i + k] = t & mask;
            carry = t >> 32;
        }
        piece[i + 2] += carry;
    }
    std::string text;
    do {
        unsigned long long rest = 0;
        for (int k = 3; k >= 0; --k) {
            const unsigned long long t = (rest << 32) | piece[k];
            piece[k] = t / 10;
            rest = t % 10;
        }
        text.insert(text.begin(), static_cast<char>('0' + rest));
    } while (piece[0] | piece[1] | piece[2] | piece[3]);
    return text;
}

// Operands that fit 64 bits are checked against the machine's own arithmetic.
TEST(Digits, RandomOperandsAgreeWithNativeArithmetic)
{
    std::mt19937_64 rng(7);
    for (int round = 0; round < 3000; ++round) {
        unsigned long long x = rng() >> (rng() % 64), y = (rng() >> (rng() % 64)) | 1;
        if (round % 3 == 0)
            y %= 1000;
        y = y == 0 ? 1 : y;
        SCOPED_TRACE(std::to_string(x) + " and " + std::to_string(y));
        const std::vector<int> a = V(std::to_string(x)), b = V(std::to_string(y));
        std::vector<int> r;
        EXPECT_EQ(S(div(a, b, r)), std::to_string(x / y));
        EXPECT_EQ(S(r), std::to_string(x % y));
        if (x < (1ull << 63) && y < (1ull << 63)) {
            EXPECT_EQ(S(add(a, b)), std::to_string(x + y));
        }
        if (x >= y) {
            EXPECT_EQ(S(sub(a, b)), std::to_string(x - y));
        }
        EXPECT_EQ(S(mul(a, b)), ProductText(x, y));
        // r * r <= x as r <= x / r, which no 64-bit overflow can spoil.
        auto squareFits = [x](unsigned long long r) { return r == 0 || r <= x / r; };
        unsigned long long root = static_cast<unsigned long long>(sqrtl(static_cast<long double>(x)));
        while (!squareFits(root))
            --root;
        while (squareFits(root + 1))
            ++root;
        std::vector<int> got = sqrt(a);
        EXPECT_EQ(got.size(), (a.size() + 1) / 2);
        while (got.size() > 1 && got.back() == 0)
            got.pop_back();
        EXPECT_EQ(S(got), std::to_string(root));
    }
}

// Long operands: products against a slow schoolbook product, quotients and
// roots against their defining inequalities.
TEST(Digits, LongOperandsSatisfyTheirDefinitions)
{
    std::mt19937_64 rng(11);
    for (int round = 0; round < 60; ++round) {
        const std::vector<int> a = V(RandomDigits(rng, 1 + rng() % 700));
        const std::vector<int> b = V(RandomDigits(rng, 1 + rng() % 400));
        SCOPED_TRACE(S(a) + " and " + S(b));
        EXPECT_EQ(mul(a, b), SlowMul(a, b));
        std::vector<int> r;
        const std::vector<int> q = div(a, b, r);
        EXPECT_EQ(add(SlowMul(q, b), r), a);
        EXPECT_EQ(cmp(r, b), -1);
        const std::vector<int> x = sqrt(a);
        EXPECT_LE(cmp(SlowMul(x, x), a), 0);
        const std::vector<int> next = add(x, V("1"));
        EXPECT_EQ(cmp(SlowMul(next, next), a), 1);
    }
}

// Long enough for Karatsuba's method and for the transforms in limbs of
// nine digits, on both sides of each switch, and all nines (the longest carries).
TEST(Digits, ProductsAtKaratsubaAndTransformLengths)
{
    std::mt19937_64 rng(12);
    const size_t k = 9 * words::KARATSUBA_MIN, t = 9 * words::NTT_MIN;
    for (const size_t length : {k - 9, k + 9, 3 * k, t - 9, t + 9, 2 * t + 5}) {
        for (const bool nines : {false, true}) {
            const std::vector<int> a = V(nines ? std::string(length, '9') : RandomDigits(rng, length));
            const std::vector<int> b = V(nines ? std::string(length + 4, '9') : RandomDigits(rng, length + 4));
            SCOPED_TRACE(std::to_string(length) + (nines ? " nines" : " digits"));
            EXPECT_EQ(mul(a, b), SlowMul(a, b));
        }
    }
}

TEST(Digits, ThirtyOneDigitPowerOfTwo)
{
    std::vector<int> power = V("1");
    for (int i = 0; i < 100; ++i)
        power = add(power, power);
    EXPECT_EQ(S(power), "1267650600228229401496703205376");
    EXPECT_EQ(S(mul(V("1125899906842624"), V("1125899906842624"))), "1267650600228229401496703205376");
    std::vector<int> r;
    EXPECT_EQ(S(div(power, V("1125899906842624"), r)), "1125899906842624");
    EXPECT_EQ(S(r), "0");
    EXPECT_EQ(S(sqrt(power)), "1125899906842624");
}

}  // namespace
