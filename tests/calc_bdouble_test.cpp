#include <gtest/gtest.h>

#include <random>

#include "bdouble.h"
#include "digits.h"
#include "test_digits.h"

namespace {

using testdigits::RandomDigits;
using testdigits::SlowMul;
using testdigits::V;

// Every test starts and ends at the start-up precision.
class Bdouble : public ::testing::Test {
protected:
    void SetUp() override { SetPrec(4); }
    void TearDown() override { SetPrec(4); }
};

std::string P(const char* text)
{
    bdouble x(text);
    x.normal();
    return x.print();
}

// The text that print gives for magnitude / 10^prec with the given sign.
std::string Fixed(unsigned long long magnitude, int prec, bool negative)
{
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= static_cast<size_t>(prec))
        digits.insert(0, prec + 1 - digits.size(), '0');
    digits.insert(digits.size() - prec, ".");
    return (negative ? "-" : "") + digits;
}

TEST_F(Bdouble, ReadsAndPrintsTexts)
{
    EXPECT_EQ(P("1.5"), "1.5000");
    EXPECT_EQ(P("0.0"), "0.0000");
    EXPECT_EQ(P("-2"), "-2.0000");
    EXPECT_EQ(P("007"), "007.0000");
    EXPECT_EQ(P("1.23456"), "1.2345");
    EXPECT_EQ(P("-0"), "-0.0000");
    EXPECT_EQ(bdouble(".5").print(), "5000") << "no integer digit: not normalized, no point";
    EXPECT_EQ(bdouble("").print(), "0000");
}

TEST_F(Bdouble, OperatorTable)
{
    const struct {
        const char *a, op, *b, *expected;
    } cases[] = {
        {"1.5", '+', "2.25", "3.7500"}, {"1", '-', "3", "-2.0000"}, {"-1", '-', "-3", "2.0000"},
        {"2.5", '-', "2.5", "0.0000"}, {"-2.5", '+', "2.5", "0.0000"}, {"-1.5", '+', "-1.5", "-3.0000"},
        {"1", '/', "3", "0.3333"}, {"2", '/', "3", "0.6666"}, {"-1", '/', "3", "-0.3333"},
        {"10", '/', "0.5", "20.0000"}, {"0.0001", '*', "0.0001", "0.0000"}, {"1.5", '*', "1.5", "2.2500"},
        {"-2", '*', "0", "-0.0000"}, {"-0.0001", '*', "0.5", "-0.0000"}, {"007", '+', "0", "7.0000"},
        {"-0", '+', "-0", "-0.0000"}, {"0", '-', "0", "0.0000"}, {"-0", '-', "0", "-0.0000"},
        {"99.9999", '+', "0.0001", "100.0000"}, {"100", '-', "0.0001", "99.9999"},
        // Reaches the long division's add-back step (M÷ can).
        {"15000000000000000000.0002", '/', "50000000000000000000001", "0.0002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.op + " " + c.b);
        bdouble a(c.a), b(c.b);
        bdouble r = c.op == '+' ? a + b : c.op == '-' ? a - b : c.op == '*' ? a * b : a / b;
        EXPECT_EQ(r.print(), c.expected);
    }
}

TEST_F(Bdouble, DivisionByZeroSetsTheCodeForThatDivisionOnly)
{
    bdouble q = bdouble("1") / bdouble("-0.0");
    EXPECT_EQ(q.print(), "0.0000");
    EXPECT_EQ(bdGetLastError(), 1);
    EXPECT_EQ(bdGetLastError(), 1) << "reading does not clear the code";
    EXPECT_EQ((bdouble("1") / bdouble("2")).print(), "0.5000");
    EXPECT_EQ(bdGetLastError(), 0);
}

TEST_F(Bdouble, SquareRootIsTruncatedAndUnsigned)
{
    EXPECT_EQ(bsqrt(bdouble("2")).print(), "1.4142");
    EXPECT_EQ(bsqrt(bdouble("-4")).print(), "2.0000");
    EXPECT_EQ(bsqrt(bdouble("0.0001")).print(), "0.0100");
    EXPECT_EQ(bsqrt(bdouble("0.0")).print(), "0.0000");
}

TEST_F(Bdouble, CompareAndZeroTest)
{
    EXPECT_EQ(cmp(bdouble("-0"), bdouble("0")), -1);
    EXPECT_EQ(cmp(bdouble("1.5"), bdouble("1.50")), 0);
    EXPECT_EQ(cmp(bdouble("-2"), bdouble("-1")), -1);
    EXPECT_EQ(cmp(bdouble("3"), bdouble("-5")), 1);
    EXPECT_EQ(cmp(bdouble("0012.5"), bdouble("12.5")), 0);
    EXPECT_EQ(zcmp(bdouble("-0.0")), 1);
    EXPECT_EQ(zcmp(bdouble("0.0001")), 0);
}

TEST_F(Bdouble, PrecisionChanges)
{
    SetPrec(2);
    EXPECT_EQ((bdouble("1") / bdouble("8")).print(), "0.12");
    SetPrec(6);
    EXPECT_EQ((bdouble("1") / bdouble("8")).print(), "0.125000");
    SetPrec(4);
    bdouble kept("1.5");
    SetPrec(2);
    EXPECT_EQ(kept.print(), "150.00") << "values are read at the new scale, digits unchanged";
    SetPrec(1);
    EXPECT_EQ((bdouble("2") / bdouble("3")).print(), "0.6");
}

// All four sign combinations of random operands against exact 64-bit
// arithmetic on the scaled values; results are truncated toward zero.
TEST_F(Bdouble, RandomOperandsAgreeWithScaledIntegers)
{
    std::mt19937_64 rng(3);
    for (int round = 0; round < 4000; ++round) {
        const long long x = static_cast<long long>(rng() % 2000000000) + 1;
        const long long y = static_cast<long long>(rng() % (round % 2 ? 2000000000 : 200000)) + 1;
        const bool nx = rng() & 1, ny = rng() & 1;
        const std::string tx = (nx ? "-" : "") + Fixed(x, 4, false);
        const std::string ty = (ny ? "-" : "") + Fixed(y, 4, false);
        SCOPED_TRACE(tx + " and " + ty);
        const bdouble a(tx), b(ty);
        const long long sx = nx ? -x : x, sy = ny ? -y : y;
        const long long sum = sx + sy, diff = sx - sy;
        if (sum != 0) {
            EXPECT_EQ((a + b).print(), Fixed(sum < 0 ? -sum : sum, 4, sum < 0));
        }
        if (diff != 0) {
            EXPECT_EQ((a - b).print(), Fixed(diff < 0 ? -diff : diff, 4, diff < 0));
        }
        // x and y are below 2^31: their product and x * 10^4 fit 64 bits, in 32-bit builds too.
        const unsigned long long product = static_cast<unsigned long long>(x) * static_cast<unsigned long long>(y) / 10000;
        EXPECT_EQ((a * b).print(), Fixed(product, 4, nx != ny));
        EXPECT_EQ((a / b).print(), Fixed(static_cast<unsigned long long>(x) * 10000 / static_cast<unsigned long long>(y), 4, nx != ny));
        EXPECT_EQ(cmp(a, b), sx > sy ? 1 : sx < sy ? -1 : 0);
    }
}

// At precision 1000 the quotient q and the root x must satisfy
// q * b <= a * 10^P < (q + 1) * b and x^2 <= a * 10^P < (x + 1)^2, checked
// with a slow schoolbook product.
TEST_F(Bdouble, LongValuesAtPrecisionThousand)
{
    SetPrec(1000);
    std::mt19937_64 rng(5);
    for (int round = 0; round < 4; ++round) {
        const std::string whole = RandomDigits(rng, 1 + rng() % 300);
        const std::string fraction = RandomDigits(rng, 1000);
        const bdouble a(whole + "." + fraction), b(RandomDigits(rng, 1 + rng() % 50) + "." + RandomDigits(rng, 1000));
        SCOPED_TRACE(round);
        const std::vector<int> scaled = shift_left(a.digits, 1000);
        const bdouble q = a / b;
        EXPECT_LE(cmp(SlowMul(q.digits, b.digits), scaled), 0);
        EXPECT_EQ(cmp(SlowMul(add(q.digits, V("1")), b.digits), scaled), 1);
        const bdouble x = bsqrt(a);
        EXPECT_LE(cmp(SlowMul(x.digits, x.digits), scaled), 0);
        const std::vector<int> next = add(x.digits, V("1"));
        EXPECT_EQ(cmp(SlowMul(next, next), scaled), 1);
        EXPECT_EQ((a * b).digits, shift_right(SlowMul(a.digits, b.digits), 1000));
    }
    EXPECT_EQ(bsqrt(bdouble("2")).print().substr(0, 52), "1.41421356237309504880168872420969807856967187537694");
}

}  // namespace
