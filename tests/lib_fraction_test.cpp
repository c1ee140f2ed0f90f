#include <gtest/gtest.h>

#include <random>

#include "fraction.h"
#include "test_digits.h"
#include "text.h"

namespace {

using testdigits::ALPHABET;
using testdigits::RandomDigits;
using testdigits::ValueOf;

class Fraction : public ::testing::Test {
protected:
    void SetUp() override { SetPrec(4); }
    void TearDown() override { SetPrec(4); }
};

// The sum of separately truncated terms v / base^k, term by term in bdouble.
bdouble SlowToDec(const std::string& digits, int base)
{
    bdouble denominator(NumToStr(base)), result("0.0");
    for (char ch : digits) {
        result = result + bdouble(NumToStr(ValueOf(ch))) / denominator;
        denominator = denominator * bdouble(NumToStr(base));
    }
    return result;
}

// Digits by repeated multiplication, one at a time.
std::string SlowFromDec(bdouble x, int base, int prec)
{
    std::string result = "0.";
    for (int i = 0; i < prec; ++i) {
        x = x * bdouble(NumToStr(base));
        const int d = StrToNum(x.print());
        result += ALPHABET[d];
        x = x - bdouble(NumToStr(d));
    }
    return result;
}

TEST_F(Fraction, ToDecimal)
{
    const struct {
        const char* text;
        int base;
        const char* expected;
    } cases[] = {
        {"0.1", 2, "0.5000"}, {"0.01", 2, "0.2500"}, {"0.8", 16, "0.5000"}, {"0.A", 16, "0.6250"},
        {"0.FF", 16, "0.9960"}, {"0.1", 3, "0.3333"}, {"0.11", 3, "0.4444"}, {"1.5", 10, "0.5000"},
        {"25", 10, "0.2500"}, {"0.", 8, "0.0000"}, {"0.0000001", 2, "0.0078"},
        {"0.00000000000000000001", 2, "0.0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in base " + std::to_string(c.base));
        EXPECT_EQ(bfConvertToDec(c.text, c.base).print(), c.expected);
    }
}

// Two terms whose limbs sum to exactly 10^9 must carry. Random operands
// reach such a sum about once in 10^9 additions, so the case is named.
TEST_F(Fraction, ToDecimalCarriesALimbOfExactlyTheBase)
{
    SetPrec(12);
    EXPECT_EQ(bfConvertToDec("0.0872B020C7", 16).print(), "0.033000000000");
}

TEST_F(Fraction, FromDecimal)
{
    EXPECT_EQ(bfConvertFromDec(bdouble("0.5"), 2, 4), "0.1000");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.625"), 16, 3), "0.A00");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.75"), 10, 2), "0.75");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.1"), 2, 8), "0.00011001");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.9999"), 16, 0), "0.");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.0"), 7, 5), "0.00000");
    EXPECT_EQ(bfConvertFromDec(bdouble("0.3333"), 3, 4), "0.0222");
    EXPECT_EQ(bfConvertFromDec(bfConvertToDec("0.1", 3), 10, 4), "0.3333");
}

// Random fractions in every base and at several precisions against the
// term-by-term and digit-by-digit methods.
TEST_F(Fraction, RandomFractionsAgreeWithTermByTermArithmetic)
{
    std::mt19937_64 rng(4);
    for (int round = 0; round < 300; ++round) {
        const int base = 2 + static_cast<int>(rng() % 15), target = 2 + static_cast<int>(rng() % 15);
        const int prec = 1 + static_cast<int>(rng() % 40);
        SetPrec(prec);
        const std::string digits = RandomDigits(rng, 1 + rng() % 60, base);
        SCOPED_TRACE("0." + digits + " base " + std::to_string(base) + " prec " + std::to_string(prec));
        const bdouble value = bfConvertToDec("0." + digits, base);
        ASSERT_EQ(value.print(), SlowToDec(digits, base).print());
        const int count = static_cast<int>(rng() % 70);
        EXPECT_EQ(bfConvertFromDec(value, target, count), SlowFromDec(value, target, count));
    }
}

TEST_F(Fraction, ThousandDigitFractionAtPrecisionThousand)
{
    SetPrec(1000);
    std::mt19937_64 rng(6);
    const std::string digits = RandomDigits(rng, 1000, 3);
    const bdouble value = bfConvertToDec("0." + digits, 3);
    EXPECT_EQ(value.print(), SlowToDec(digits, 3).print());
    EXPECT_EQ(bfConvertFromDec(value, 16, 1000), SlowFromDec(value, 16, 1000));
}

}  // namespace

namespace {

// The fraction digits multiplied by newBase one output digit at a time, on
// an array of single source digits.
std::string SlowExact(const std::string& digits, int base, int newBase, int count)
{
    std::vector<int> values;
    for (char ch : digits)
        values.push_back(ValueOf(ch));
    std::string result = "0.";
    for (int i = 0; i < count; ++i) {
        int carry = 0;
        for (size_t k = values.size(); k-- > 0;) {
            const int t = values[k] * newBase + carry;
            values[k] = t % base;
            carry = t / base;
        }
        result += ALPHABET[carry];
    }
    return result;
}

TEST(ExactFraction, KnownExpansionsAreCutNotRounded)
{
    const struct {
        const char* digits;
        int base, newBase, count;
        const char* expected;
    } cases[] = {
        {"1", 3, 3, 4, "0.1000"}, {"2", 3, 9, 4, "0.6000"}, {"1", 3, 10, 4, "0.3333"},
        {"1", 10, 2, 4, "0.0001"}, {"5", 10, 2, 4, "0.1000"}, {"25", 10, 2, 4, "0.0100"},
        {"8", 16, 10, 3, "0.500"}, {"FF", 16, 2, 10, "0.1111111100"}, {"9999", 10, 10, 2, "0.99"},
        {"", 10, 2, 3, "0.000"}, {"000", 7, 5, 2, "0.00"}, {"1", 7, 16, 0, "0."},
        {"0001", 2, 16, 1, "0.1"}, {"1", 10, 3, 8, "0.00220022"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.digits) + " " + std::to_string(c.base) + " -> " + std::to_string(c.newBase));
        EXPECT_EQ(ConvertFraction(c.digits, c.base, c.newBase, c.count), c.expected);
    }
}

TEST(ExactFraction, RandomFractionsAgreeWithDigitByDigitMultiplication)
{
    std::mt19937_64 rng(8);
    for (int round = 0; round < 400; ++round) {
        const int base = 2 + static_cast<int>(rng() % 15), newBase = 2 + static_cast<int>(rng() % 15);
        std::string digits = RandomDigits(rng, 1 + rng() % 120, base);
        if (round % 4 == 0)
            digits += "000";
        const int count = static_cast<int>(rng() % 150);
        SCOPED_TRACE("0." + digits + " base " + std::to_string(base) + " -> " + std::to_string(newBase));
        EXPECT_EQ(ConvertFraction(digits, base, newBase, count), SlowExact(digits, base, newBase, count));
    }
}

}  // namespace
