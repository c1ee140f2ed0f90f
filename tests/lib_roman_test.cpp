#include "roman.h"
#include "validate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Reference writer built from digit tables, independent of the greedy loop.
std::string ReferenceRoman(unsigned n)
{
    static const char* const thousands[] = {"", "M", "MM", "MMM"};
    static const char* const hundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    static const char* const tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char* const units[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return std::string(thousands[n / 1000]) + hundreds[n / 100 % 10] + tens[n / 10 % 10] + units[n % 10];
}

TEST(ArabToRoman, EdgeValues)
{
    const struct {
        unsigned short n;
        const char* expected;
    } rows[] = {
        {0, ""}, {1, "I"}, {4, "IV"}, {5, "V"}, {9, "IX"}, {10, "X"}, {14, "XIV"}, {40, "XL"},
        {1000, "M"}, {1001, "MI"}, {1999, "MCMXCIX"}, {2024, "MMXXIV"},
        {3888, "MMMDCCCLXXXVIII"}, {3999, "MMMCMXCIX"}, {4000, "MMMM"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_STREQ(ArabToRoman(row.n), row.expected);
    }
}

TEST(ArabToRoman, ReusesOneBuffer)
{
    const char* first = ArabToRoman(3888);
    const char* second = ArabToRoman(5);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "V");  // the shorter result is terminated, not overlaid
    EXPECT_STREQ(ArabToRoman(0), "");
}

// Every numeral of the Roman range: standard form, read back, accepted.
TEST(Roman, WholeRangeRoundTrips)
{
    for (unsigned n = 1; n <= 3999; ++n) {
        SCOPED_TRACE(n);
        const std::string expected = ReferenceRoman(n);
        ASSERT_EQ(ArabToRoman(static_cast<unsigned short>(n)), expected);
        EXPECT_EQ(RomanToArab(expected.c_str()), static_cast<int>(n));
        EXPECT_EQ(RomanScanLength(expected.data(), expected.size()), expected.size());
        EXPECT_TRUE(CheckValid(expected.data(), static_cast<int>(expected.size()), -1));
        EXPECT_EQ(LibGetLastError(), LIB_OK);
    }
}

// Above the range one "M" per thousand; the buffer must hold every value.
TEST(Roman, EveryUnsignedShortFits)
{
    for (unsigned n = 0; n <= 65535; ++n) {
        const std::string expected = std::string(n / 1000, 'M') + ReferenceRoman(n % 1000);
        const char* text = ArabToRoman(static_cast<unsigned short>(n));
        if (text != expected || RomanToArab(text) != static_cast<int>(n))
            FAIL() << n << " gives " << text;
    }
}

TEST(RomanToArab, GreedyReading)
{
    const struct {
        const char* text;
        int value;
        size_t read;  // characters the scan reads
    } rows[] = {
        {"", 0, 0}, {"xiv", 0, 0}, {"1X", 0, 0},
        {"MCMXCIX", 1999, 7}, {"MMMCMXCIX", 3999, 9}, {"XLIX", 49, 4},
        {"MMMM", 4000, 4}, {"IIII", 4, 4}, {"VV", 10, 2}, {"IXI", 10, 3},
        {"IIV", 2, 2}, {"IM", 1, 1}, {"IC", 1, 1}, {"XM", 10, 1}, {"MCMXCIXM", 1999, 7},
        {"XIVx", 14, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(RomanToArab(row.text), row.value);
        EXPECT_EQ(RomanScanLength(row.text, std::strlen(row.text)), row.read);
    }
}

TEST(RomanToArab, SumWrapsAt65536)
{
    EXPECT_EQ(RomanToArab(std::string(66, 'M').c_str()), 66000 - 65536);
}

// The length bounds the scan: a pair is not matched across it.
TEST(RomanScanLength, StopsAtLength)
{
    EXPECT_EQ(RomanScanLength("IV", 1), 1u);
    EXPECT_EQ(RomanScanLength("MCM", 2), 2u);
    EXPECT_EQ(RomanScanLength("IM", 1), 1u);
    EXPECT_EQ(RomanScanLength(nullptr, 0), 0u);
}

}  // namespace
