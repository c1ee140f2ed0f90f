// Rational numbers against GMP's: the four operations on numbers read in
// every base, with signs and fractions, and their expansions in every base
// against long division done by GMP digit by digit.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gmp_rational.h"
#include "rational.h"
#include "test_digits.h"

namespace {

using gmporacle::Q;

std::string RandomNumber(std::mt19937_64& rng, int base)
{
    std::string text = rng() % 3 == 0 ? "-" : "";
    text += testdigits::RandomDigits(rng, 1 + rng() % 6, base);
    if (rng() % 2)
        text += "." + testdigits::RandomDigits(rng, 1 + rng() % 5, base);
    return text;
}

Rational Read(const std::string& text, int base)
{
    const bool negative = text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const size_t point = digits.find('.');
    return RationalOf(negative, digits.substr(0, point),
                      point == std::string::npos ? std::string() : digits.substr(point + 1), base);
}

// The value as GMP reduces it.
Q ValueOf(const Rational& x)
{
    Q q;
    mpz_import(mpq_numref(q.value), x.numerator.size(), -1, sizeof(uint32_t), 0, 0, x.numerator.data());
    mpz_import(mpq_denref(q.value), x.denominator.size(), -1, sizeof(uint32_t), 0, 0, x.denominator.data());
    mpq_canonicalize(q.value);
    if (x.negative)
        mpq_neg(q.value, q.value);
    return q;
}

std::string Show(const Q& q)
{
    char* text = mpq_get_str(nullptr, 10, q.value);
    std::string out(text);
    void (*release)(void*, size_t);
    mp_get_memory_functions(nullptr, nullptr, &release);
    release(text, out.size() + 1);
    return out;
}

// The factored denominator is the denominator, and the small primes that
// the numerator shares with it are cancelled.
void ExpectConsistent(const Rational& x)
{
    EXPECT_EQ(naturals::Multiply(ValueOf(x.smooth), x.rest), x.denominator);
    for (int k = 0; k < PRIME_COUNT; ++k) {
        if (x.smooth.exponent[k] != 0) {
            EXPECT_NE(naturals::RemainderSmall(x.numerator, SMALL_PRIMES[k]), 0u) << SMALL_PRIMES[k];
        }
    }
    EXPECT_FALSE(x.negative && x.numerator.empty());
}

TEST(Rational, OperationsAgainstGmp)
{
    std::mt19937_64 rng(31);
    for (int round = 0; round < 3000; ++round) {
        const int baseA = 2 + static_cast<int>(rng() % 15), baseB = 2 + static_cast<int>(rng() % 15);
        const std::string a = RandomNumber(rng, baseA), b = RandomNumber(rng, baseB);
        SCOPED_TRACE(a + " (" + std::to_string(baseA) + "), " + b + " (" + std::to_string(baseB) + ")");
        const Rational x = Read(a, baseA), y = Read(b, baseB);
        const Q qa = gmporacle::Read(a, baseA), qb = gmporacle::Read(b, baseB);
        ASSERT_EQ(Show(ValueOf(x)), Show(qa));
        Q sum, difference, product, quotient;
        mpq_add(sum.value, qa.value, qb.value);
        mpq_sub(difference.value, qa.value, qb.value);
        mpq_mul(product.value, qa.value, qb.value);
        for (const auto& row : {std::make_pair(Sum(x, y), sum), std::make_pair(Difference(x, y), difference),
                                std::make_pair(Product(x, y), product)}) {
            ASSERT_EQ(Show(ValueOf(row.first)), Show(row.second));
            ExpectConsistent(row.first);
        }
        if (mpq_sgn(qb.value) != 0) {
            mpq_div(quotient.value, qa.value, qb.value);
            const Rational q = Quotient(x, y);
            ASSERT_EQ(Show(ValueOf(q)), Show(quotient));
            ExpectConsistent(q);
            const Rational lowest = Reduced(q);
            ASSERT_EQ(Show(ValueOf(lowest)), Show(quotient));
            Q same;
            mpz_import(mpq_numref(same.value), lowest.numerator.size(), -1, 4, 0, 0, lowest.numerator.data());
            ASSERT_EQ(mpz_cmpabs(mpq_numref(same.value), mpq_numref(quotient.value)), 0) << "not in lowest terms";
            ASSERT_EQ(IsWhole(q), mpz_cmp_ui(mpq_denref(quotient.value), 1) == 0);
        }
    }
}

// Every pair of bases, at precisions from 0 to 12 and at the longest exact
// fraction cut down to 40 digits, which the oracle can reach by brute force.
TEST(Rational, ExpansionsAgainstLongDivision)
{
    std::mt19937_64 rng(32);
    for (int round = 0; round < 3000; ++round) {
        const int baseA = 2 + static_cast<int>(rng() % 15), baseB = 2 + static_cast<int>(rng() % 15);
        const int to = 2 + static_cast<int>(rng() % 15);
        const int precision = static_cast<int>(rng() % 13);
        const std::string a = RandomNumber(rng, baseA), b = RandomNumber(rng, baseB);
        const Rational x = Read(a, baseA), y = Read(b, baseB);
        if (IsZero(y))
            continue;
        const Rational q = Quotient(x, y);
        SCOPED_TRACE(a + " (" + std::to_string(baseA) + ") / " + b + " (" + std::to_string(baseB) + ") in "
                     + std::to_string(to) + ", precision " + std::to_string(precision));
        const BaseExpansion e = ExpandIn(q, to, precision);
        const gmporacle::Expansion expected = gmporacle::Expand(ValueOf(q), to, precision, LONGEST_EXACT);
        ASSERT_EQ(e.whole, expected.whole);
        ASSERT_EQ(e.fraction, expected.fraction);
        ASSERT_EQ(e.exact, expected.exact);
        ASSERT_EQ(e.written, expected.written);
        if (expected.written) {
            ASSERT_EQ(e.exactFraction, expected.exactFraction);
        }
    }
}

// Periods that the small primes give and ones that a long rest gives, at
// the longest that is written and just beyond: 1/3 in base 10, 1/7 in
// base 2, 1/2^4001 in base 10, 1/(2^9998 3) and 1/(2^9999 3) in base 2, and
// 1/9973 and 1/10007 in base 10 (periods 554 and 10,006).
TEST(Rational, LengthsOfExpansions)
{
    const Rational one = RationalOf(false, "1", "", 10);
    const Rational three = RationalOf(false, "3", "", 10);
    struct Row {
        Rational divisor;
        int base;
        bool written;
        uint64_t prePeriod, period;
    };
    const Row rows[] = {
        {three, 10, true, 0, 1},
        {RationalOf(false, "7", "", 10), 2, true, 0, 3},
        {RationalOf(false, "1" + std::string(4001, '0'), "", 2), 10, true, 4001, 0},
        {Product(RationalOf(false, "1" + std::string(9998, '0'), "", 2), three), 2, true, 9998, 2},
        {Product(RationalOf(false, "1" + std::string(9999, '0'), "", 2), three), 2, false, 0, 0},
        {RationalOf(false, "9973", "", 10), 10, true, 0, 554},
        {RationalOf(false, "10007", "", 10), 10, false, 0, 0},
    };
    for (const Row& row : rows) {
        const BaseExpansion e = ExpandIn(Quotient(one, row.divisor), row.base, 4);
        const gmporacle::Expansion expected =
            gmporacle::Expand(ValueOf(Quotient(one, row.divisor)), row.base, 4, LONGEST_EXACT);
        SCOPED_TRACE(std::to_string(row.prePeriod) + " + " + std::to_string(row.period));
        EXPECT_EQ(e.written, row.written);
        EXPECT_EQ(expected.written, row.written);
        if (row.written) {
            EXPECT_EQ(e.prePeriod, row.prePeriod);
            EXPECT_EQ(e.period, row.period);
            EXPECT_EQ(e.exactFraction, expected.exactFraction);
        }
    }
}

}  // namespace
