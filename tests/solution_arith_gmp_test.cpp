// A long division "уголком" against GMP: the table of thousands of steps
// shows its first and last ones, and the last remainders are GMP's.
#include <gtest/gtest.h>
#include <gmp.h>

#include <random>
#include <string>

#include "converter.h"
#include "cornersteps.h"
#include "notation.h"
#include "steptext.h"
#include "test_digits.h"

namespace {

// A long division's table shows its first and last steps; the remainders of
// the last ones are those of GMP's division of the same prefix.
TEST(ArithmeticColumns, LongCornerShowsItsEnds)
{
    std::mt19937_64 rng(64);
    const int base = 7;
    const std::string a = testdigits::RandomDigits(rng, 3000, base), b = testdigits::RandomDigits(rng, 1200, base);
    EndsReader reader(base);
    QuotientFacts facts;
    facts.written = false;  // divided to the precision
    const std::vector<std::string> lines = CornerDivisionLines({DigitsToBinary(a, base), 0}, {DigitsToBinary(b, base), 0},
                                                               reader, 50, facts);
    mpz_t dividend, divisor, rest;
    mpz_init_set_str(dividend, a.c_str(), base);
    mpz_init_set_str(divisor, b.c_str(), base);
    mpz_init(rest);
    // The last step takes the 50th digit after the point: the remainder is
    // dividend * 7^50 mod divisor.
    mpz_ui_pow_ui(rest, base, 50);
    mpz_mul(rest, rest, dividend);
    mpz_tdiv_r(rest, rest, divisor);
    std::string last(mpz_sizeinbase(rest, base) + 2, '\0');
    mpz_get_str(&last[0], base, rest);
    last.resize(last.find('\0'));
    mpz_clears(dividend, divisor, rest, nullptr);
    bool cut = false;
    std::string lastRow;
    for (const std::string& line : lines) {
        cut = cut || line.find("пропущено строк") != std::string::npos;
        if (line.find(") ") != std::string::npos && line.find("остаток") != std::string::npos)
            lastRow = line;
    }
    EXPECT_TRUE(cut);
    EXPECT_NE(lastRow.find("остаток " + Shortened(last)), std::string::npos) << lastRow << "\n" << Shortened(last);
}

}  // namespace
