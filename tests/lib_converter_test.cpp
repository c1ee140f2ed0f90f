#include <gtest/gtest.h>

#include <random>

#include "converter.h"
#include "test_converter.h"
#include "test_digits.h"

namespace {

using testconverter::SlowConvert;
using testdigits::RandomDigits;

std::string Convert(const std::string& text, int from, int to)
{
    return Converter(text, from).Convert(to);
}

// The number written in base with the machine's own arithmetic.
std::string NativeText(unsigned long long value, int base)
{
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value % base]);
        value /= base;
    } while (value != 0);
    return text;
}

TEST(Converter, EdgeCases)
{
    const struct {
        const char* text;
        int from, to;
        std::string expected;
    } cases[] = {
        {"255", 10, 16, "FF"}, {"FF", 16, 2, "11111111"}, {"11111111", 2, 10, "255"},
        {"0010", 2, 10, "2"}, {"000", 8, 16, "0"}, {"", 7, 3, "0"}, {"10", 10, 10, "10"},
        {"1A", 16, 16, "1A"}, {"0001A", 16, 16, "1A"}, {"0", 10, 2, "0"},
        {"1267650600228229401496703205376", 10, 2, "1" + std::string(100, '0')},
        {"1267650600228229401496703205376", 10, 16, "1" + std::string(25, '0')},
        {"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 16, 10, "340282366920938463463374607431768211455"},
        {"4294967296", 10, 16, "100000000"}, {"4294967295", 10, 16, "FFFFFFFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.from) + " to " + std::to_string(c.to));
        EXPECT_EQ(Convert(c.text, c.from, c.to), c.expected);
    }
}

TEST(Converter, LeavesZeroBehind)
{
    Converter number("1234", 10);
    EXPECT_FALSE(number.IsZero());
    EXPECT_EQ(number.Convert(7), "3412");
    EXPECT_TRUE(number.IsZero());
    EXPECT_EQ(number.Convert(7), "0");
    Converter same("0042", 10);
    EXPECT_EQ(same.Convert(10), "42");
    EXPECT_EQ(same.Convert(10), "0");
}

TEST(Converter, DigitCharacters)
{
    const struct {
        int base;
        char ch;
        int value;
    } cases[] = {
        {8, '7', 7}, {8, '8', -1}, {8, 'A', -1}, {16, 'F', 15}, {16, 'a', -1}, {16, 'G', -1},
        {11, 'A', 10}, {11, 'B', -1}, {2, '1', 1}, {2, '2', -1}, {10, '.', -1}, {10, '\xD0', -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.ch) + " in base " + std::to_string(c.base));
        EXPECT_EQ(Converter("", c.base).CharToInt(c.ch), c.value);
    }
    Converter any("", 10);
    EXPECT_EQ(any.IntToChar(0), '0');
    EXPECT_EQ(any.IntToChar(9), '9');
    EXPECT_EQ(any.IntToChar(10), 'A');
    EXPECT_EQ(any.IntToChar(15), 'F');
}

TEST(Converter, NextNumberDividesInPlace)
{
    Converter number("255", 10);
    EXPECT_EQ(number.NextNumber(16), 15);
    EXPECT_EQ(number.NextNumber(16), 15);
    EXPECT_TRUE(number.IsZero());
    EXPECT_TRUE(Converter("", 2).IsZero());
    EXPECT_TRUE(Converter("000", 2).IsZero());
}

TEST(Converter, RandomValuesInEveryPairOfBases)
{
    std::mt19937_64 rng(1);
    for (int round = 0; round < 400; ++round) {
        const unsigned long long value = rng() >> (rng() % 64);
        for (int from = 2; from <= 16; ++from) {
            const std::string text = NativeText(value, from);
            for (int to = 2; to <= 16; ++to) {
                SCOPED_TRACE(text + " from " + std::to_string(from) + " to " + std::to_string(to));
                ASSERT_EQ(Convert(text, from, to), NativeText(value, to));
            }
        }
    }
}

// Hundreds of digits: the fast conversion against digit-by-digit division,
// and a round trip through a second base back to the text.
TEST(Converter, LongTextsAgreeWithShortDivisionAndRoundTrip)
{
    std::mt19937_64 rng(2);
    for (int round = 0; round < 60; ++round) {
        const int from = 2 + static_cast<int>(rng() % 15), to = 2 + static_cast<int>(rng() % 15);
        const std::string text = RandomDigits(rng, 1 + rng() % 600, from);
        SCOPED_TRACE(text + " from " + std::to_string(from) + " to " + std::to_string(to));
        const std::string converted = Convert("000" + text, from, to);
        EXPECT_EQ(converted, SlowConvert(text, from, to));
        EXPECT_EQ(Convert(converted, to, from), text);
    }
}

// The one-conversion shortcut gives the converter's own text: around the
// length where a number stops fitting one machine word, in every pair of
// bases (the same base too), with leading zeros and for zero.
TEST(ConvertText, AsTheConverterAroundTheWordLength)
{
    std::mt19937_64 rng(9);
    for (int from = 2; from <= 16; ++from) {
        int fits = 0;  // digits of from that any 64-bit value holds
        for (unsigned long long power = 1; power <= ~0ULL / static_cast<unsigned long long>(from); power *= from)
            ++fits;
        for (int to = 2; to <= 16; ++to) {
            for (int length : {1, fits - 1, fits, fits + 1, 2 * fits}) {
                const std::string text = RandomDigits(rng, static_cast<size_t>(length), from);
                const std::string largest(static_cast<size_t>(length), testdigits::ALPHABET[from - 1]);
                for (const std::string& number : {text, largest, "00" + text, std::string(length, '0')}) {
                    SCOPED_TRACE(number + " from " + std::to_string(from) + " to " + std::to_string(to));
                    EXPECT_EQ(ConvertText(number, from, to), Convert(number, from, to));
                }
            }
        }
    }
    EXPECT_EQ(ConvertText("", 10, 16), "0");
    EXPECT_EQ(ConvertText("", 7, 7), "0");
}

TEST(Converter, InvalidDigitsGiveATextNotACrash)
{
    EXPECT_FALSE(Convert("12G4-.", 10, 2).empty());
    EXPECT_FALSE(Convert("\xFF\x80", 16, 10).empty());
}

}  // namespace
