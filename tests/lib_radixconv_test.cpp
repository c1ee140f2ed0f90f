#include <gtest/gtest.h>

#include <random>
#include <string>

#include "converter.h"
#include "digitwords.h"
#include "radixconv.h"
#include "test_converter.h"
#include "test_digits.h"

namespace {

using testconverter::SlowConvert;
using testdigits::RandomDigits;

std::string Convert(const std::string& text, int from, int to)
{
    return Converter(text, from).Convert(to);
}

// The value of a digit text modulo q, by Horner's rule.
uint64_t Mod(const std::string& text, int base, uint64_t q)
{
    uint64_t r = 0;
    for (char ch : text)
        r = (r * static_cast<uint64_t>(base) + static_cast<uint64_t>(ch <= '9' ? ch - '0' : ch - 'A' + 10)) % q;
    return r;
}

// Digits of base for a number of about `words` words of base^k.
size_t DigitsFor(size_t words, int base)
{
    return words * static_cast<size_t>(words::LargestPower(base).exponent);
}

const int OTHER_BASES[] = {3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15};

// Texts just below and above the length where reading leaves Horner's rule,
// and a few times longer, where the products of the division grow from the
// schoolbook's lengths to Karatsuba's, in every base that goes through words
// of several digits, against short division. The extremes: the largest digit
// everywhere, and a one followed by zeros.
TEST(RadixConversion, AroundTheSwitchesAgainstShortDivision)
{
    std::mt19937_64 rng(7);
    for (const int base : OTHER_BASES) {
        const size_t read = DigitsFor(radixconv::READ_HORNER_MAX, base);
        for (const size_t length : {read - 1, read, read + 1, 2 * read + 1, 4 * read + 1}) {
            const int to = OTHER_BASES[rng() % 11];
            for (const std::string& text :
                 {RandomDigits(rng, length, base), std::string(length, testdigits::ALPHABET[base - 1]),
                  "1" + std::string(length - 1, '0')}) {
                SCOPED_TRACE(std::to_string(length) + " digits from " + std::to_string(base) + " to " + std::to_string(to));
                ASSERT_EQ(Convert(text, base, to), SlowConvert(text, base, to));
                ASSERT_EQ(Convert(text, base, 16), SlowConvert(text, base, 16));
            }
        }
    }
}

// Digits read straight into limbs, in every base, at lengths around the
// switch from Horner's rule to the division and beyond, against the slow
// converter's decimal text; leading zeros and zero itself included.
TEST(RadixConversion, DigitsIntoLimbsAgainstDecimalText)
{
    std::mt19937_64 rng(10);
    for (int base = 2; base <= 16; ++base) {
        const size_t read = static_cast<size_t>(words::LargestPower(base, limbs::BASE).exponent)
            * radixconv::READ_HORNER_MAX;
        for (const size_t length : {size_t(1), size_t(12), read - 1, read + 1, 3 * read + 2}) {
            for (const std::string& text : {RandomDigits(rng, length, base), "00" + RandomDigits(rng, length, base),
                                            std::string(length, testdigits::ALPHABET[base - 1])}) {
                SCOPED_TRACE(std::to_string(length) + " digits of base " + std::to_string(base));
                ASSERT_EQ(limbs::ToDecimal(radixconv::ReadLimbs(text, base)), SlowConvert(text, base, 10));
            }
        }
        EXPECT_TRUE(radixconv::ReadLimbs("000", base).empty());
    }
}

// Writing reads the binary number in pieces of the most bits below base^k
// and leaves Horner's rule at a count of pieces: binary numbers of lengths
// around it, written in every base.
TEST(RadixConversion, WritingAroundItsSwitchAgainstShortDivision)
{
    std::mt19937_64 rng(8);
    for (const int base : OTHER_BASES) {
        size_t piece = 0;
        while ((uint64_t(2) << piece) < words::LargestPower(base).power)
            ++piece;
        const size_t bits = piece * radixconv::WRITE_HORNER_MAX;
        for (const size_t length : {bits - 1, bits, bits + 1, bits + piece + 1, 2 * bits + 1, 4 * bits + 3}) {
            const std::string text = RandomDigits(rng, length, 2);
            SCOPED_TRACE(std::to_string(length) + " bits to base " + std::to_string(base));
            ASSERT_EQ(Convert(text, 2, base), SlowConvert(text, 2, base));
        }
    }
}

// Long enough for the transforms in both directions: every pair of bases,
// there and back, and residues modulo a prime kept on the way.
TEST(RadixConversion, RoundTripsBetweenAllBasesAtLength)
{
    std::mt19937_64 rng(9);
    const uint64_t q = 4294967291ull;
    for (int from = 2; from <= 16; ++from) {
        for (int to = 2; to <= 16; ++to) {
            if (to == from)
                continue;
            const size_t length = 20000 + rng() % 20000;
            const std::string text = RandomDigits(rng, length, from);
            SCOPED_TRACE(std::to_string(length) + " digits from " + std::to_string(from) + " to " + std::to_string(to));
            const std::string converted = Convert(text, from, to);
            ASSERT_EQ(Mod(converted, to, q), Mod(text, from, q));
            ASSERT_EQ(Convert(converted, to, from), text);
        }
    }
}

// Some hundreds of thousands of digits, the largest digit everywhere: the
// longest carries through the longest products.
TEST(RadixConversion, LargestDigitsAtLength)
{
    const uint64_t q = 2147483647ull;
    for (const int base : {10, 7, 16}) {
        const std::string text(200000, testdigits::ALPHABET[base - 1]);
        for (const int to : {10, 11, 2}) {
            if (to == base)
                continue;
            SCOPED_TRACE("from " + std::to_string(base) + " to " + std::to_string(to));
            const std::string converted = Convert(text, base, to);
            ASSERT_EQ(Mod(converted, to, q), Mod(text, base, q));
            ASSERT_EQ(Convert(converted, to, base), text);
        }
    }
}

TEST(RadixConversion, DigitsOutsideTheBaseCountAsZero)
{
    std::vector<int> digits{1, -1, 2, -1};  // as CharToInt leaves "1?2?" in base 10
    EXPECT_EQ(radixconv::WriteDigits(radixconv::ReadDigits(digits, 0, 10), 10), "1020");
    EXPECT_EQ(radixconv::WriteDigits(radixconv::ReadDigits(digits, 2, 10), 10), "20");
}

}  // namespace
