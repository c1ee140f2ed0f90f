// The converter against GMP's conversions, an implementation that shares
// nothing with it, over lengths from one digit to hundreds of thousands.
#include <gtest/gtest.h>
#include <gmp.h>

#include <cctype>
#include <random>
#include <string>

#include "converter.h"
#include "test_digits.h"

namespace {

std::string ByGmp(const std::string& text, int from, int to)
{
    mpz_t n;
    mpz_init(n);
    mpz_set_str(n, text.c_str(), from);
    std::string out(mpz_sizeinbase(n, to) + 2, '\0');
    mpz_get_str(&out[0], to, n);
    mpz_clear(n);
    out.resize(out.find('\0'));
    for (char& ch : out)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

TEST(GmpOracle, RandomLengthsAndBases)
{
    std::mt19937_64 rng(10);
    for (int round = 0; round < 150; ++round) {
        const int from = 2 + static_cast<int>(rng() % 15), to = 2 + static_cast<int>(rng() % 15);
        // Lengths spread evenly over their logarithm: 1 to 400,000 digits.
        const size_t length = static_cast<size_t>(std::exp2(static_cast<double>(rng() % 18600) / 1000.0));
        const std::string text = testdigits::RandomDigits(rng, length, from);
        SCOPED_TRACE(std::to_string(length) + " digits from " + std::to_string(from) + " to " + std::to_string(to));
        ASSERT_EQ(Converter(text, from).Convert(to), ByGmp(text, from, to));
    }
}

// The four directions timed by bench/peers.py, at the length they are timed at.
TEST(GmpOracle, AMillionDigits)
{
    std::mt19937_64 rng(11);
    for (const auto& pair : {std::make_pair(10, 2), std::make_pair(10, 16), std::make_pair(16, 10), std::make_pair(7, 11)}) {
        const std::string text = testdigits::RandomDigits(rng, 1000000, pair.first);
        SCOPED_TRACE(std::to_string(pair.first) + " to " + std::to_string(pair.second));
        ASSERT_EQ(Converter(text, pair.first).Convert(pair.second), ByGmp(text, pair.first, pair.second));
    }
}

}  // namespace
