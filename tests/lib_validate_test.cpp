#include "validate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace {

// Runs CheckValid on a heap copy of exactly the text's bytes, without a NUL,
// so that AddressSanitizer catches a read past len.
bool Check(const std::string& text, int system)
{
    std::unique_ptr<char[]> bytes(new char[text.size()]);
    std::memcpy(bytes.get(), text.data(), text.size());
    return CheckValid(bytes.get(), static_cast<int>(text.size()), system);
}

bool CheckT(const std::string& text)
{
    std::unique_ptr<char[]> bytes(new char[text.size() + 1]);  // never empty
    std::memcpy(bytes.get(), text.data(), text.size());
    return CheckValidT(bytes.get(), static_cast<int>(text.size()));
}

struct Row {
    const char* text;
    int system;
    bool ok;
    int code;
};

void ExpectRows(const Row* begin, const Row* end)
{
    for (const Row* row = begin; row != end; ++row) {
        SCOPED_TRACE(std::string(row->text) + " in " + std::to_string(row->system));
        EXPECT_EQ(Check(row->text, row->system), row->ok);
        EXPECT_EQ(LibGetLastError(), row->code);
    }
}

const int R = -1;  // the Roman system

TEST(CheckValid, PositionalTexts)
{
    const Row rows[] = {
        {"101", 2, true, 0}, {"102", 2, false, 1}, {"19", 9, false, 1}, {"18", 9, true, 0},
        {"A9", 11, true, 0}, {"B", 11, false, 1}, {"FF", 16, true, 0}, {"ff", 16, false, 1},
        {"1.5", 10, true, 0}, {"1,5", 10, true, 0}, {".5", 10, true, 0}, {",5", 10, true, 0},
        {"007", 10, true, 0}, {"0", 2, true, 0},
        {"5.", 10, false, 3}, {"5,", 10, false, 3}, {".", 10, false, 3}, {",", 10, false, 3},
        {"1.2.", 10, false, 3}, {"G.", 16, false, 3}, {"1.2.3.", 10, false, 3},
        {"1.2.3", 10, false, 2}, {"1,2,3", 10, false, 2}, {"1.2,3", 10, false, 2},
        {"..5", 10, false, 2},
        {"1.2.G", 16, false, 1}, {"G.1.2", 16, false, 1},
        {"+5", 10, false, 1}, {"-5", 10, false, 1}, {"5 ", 10, false, 1}, {" 5", 10, false, 1},
        {"1e5", 10, false, 1}, {"1\t", 10, false, 1}, {"X", 10, false, 1},
        // Bytes above 127, also Cyrillic look-alikes of Latin letters.
        {"1\x80", 10, false, 1}, {"\xFF", 16, false, 1}, {"А", 16, false, 1}, {"1В", 16, false, 1},
        // Systems the program never passes: decimal digits below the number, no letters.
        {"19", 20, true, 0}, {"A", 20, false, 1}, {"0", 1, true, 0}, {"1", 1, false, 1}, {"5", 0, false, 1},
        {"1.", 0, false, 3}, {"1", R - 1, false, 1},
    };
    ExpectRows(std::begin(rows), std::end(rows));
}

TEST(CheckValid, RomanTexts)
{
    const Row rows[] = {
        {"XIV", R, true, 0}, {"MCMXCIX", R, true, 0}, {"MMMDCCCLXXXVIII", R, true, 0},
        {"XXIX", R, true, 0}, {"XLIX", R, true, 0},
        // Four of a letter only in a standard numeral.
        {"XXXIX", R, true, 0}, {"LXXXIX", R, true, 0}, {"CCCXC", R, true, 0},
        {"MMMCMXCIX", R, true, 0},
        {"IIII", R, false, 1}, {"XXXX", R, false, 1}, {"MMMM", R, false, 1}, {"XXXXI", R, false, 1},
        {"XXXIXX", R, false, 1}, {"IXIXIXI", R, false, 1}, {"IXIXIX", R, true, 0},
        // Read to the end, or refused.
        {"IM", R, false, 1}, {"XM", R, false, 1}, {"MCMXCIXM", R, false, 1}, {"IIV", R, false, 1},
        {"VV", R, true, 0}, {"IXI", R, true, 0}, {"MMMDDD", R, true, 0},
        {"xiv", R, false, 1}, {"X.V", R, false, 1}, {"XV.", R, false, 3}, {"IIII.", R, false, 3},
        {"XV1", R, false, 1}, {"X V", R, false, 1}, {"-X", R, false, 1},
        {"ХIV", R, false, 1}, {"MСM", R, false, 1}, {"X\xFF", R, false, 1},  // Cyrillic Х and С
    };
    ExpectRows(std::begin(rows), std::end(rows));
}

TEST(CheckValid, EveryBaseBoundary)
{
    const std::string digits = "0123456789ABCDEFG";
    for (int base = 2; base <= 16; ++base) {
        SCOPED_TRACE(base);
        const std::string own = digits.substr(0, base);
        EXPECT_TRUE(Check(own + "." + own, base));
        EXPECT_EQ(LibGetLastError(), LIB_OK);
        EXPECT_TRUE(Check(digits.substr(base - 1, 1), base));
        EXPECT_FALSE(Check(digits.substr(base, 1), base));
        EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
        if (base > 10) {
            const char lower = static_cast<char>(std::tolower(digits[base - 1]));
            EXPECT_FALSE(Check(std::string(1, lower), base));
            EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
        }
    }
}

// Only len bytes count, whatever follows them; no length means no reading.
TEST(CheckValid, LengthBoundsTheText)
{
    EXPECT_TRUE(CheckValid("12x", 2, 10));
    EXPECT_TRUE(CheckValid("IVX", 1, R));
    EXPECT_FALSE(Check(std::string("1\0", 2), 10));
    EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
    EXPECT_FALSE(Check(std::string("I\0", 2), R));

    ASSERT_TRUE(CheckValid("1", 1, 10));
    EXPECT_FALSE(CheckValid(nullptr, 0, 10));
    EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
    ASSERT_TRUE(CheckValid("1", 1, 10));
    EXPECT_FALSE(CheckValid("1", 0, 10));
    EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
    ASSERT_TRUE(CheckValid("1", 1, 10));
    EXPECT_FALSE(CheckValid("X", -3, R));
    EXPECT_EQ(LibGetLastError(), LIB_BADCHAR);
}

// Oracle for a Roman text: split it into table entries of never rising value.
bool Splits(const std::string& text, size_t pos, int bound)
{
    static const char* const entries[] = {"M", "CM", "D", "CD", "C", "XC", "L", "XL", "X", "IX", "V", "IV", "I"};
    if (pos == text.size())
        return true;
    for (int i = bound; i < 13; ++i) {
        const size_t n = std::strlen(entries[i]);
        if (text.compare(pos, n, entries[i]) == 0 && Splits(text, pos + n, i))
            return true;
    }
    return false;
}

// All Roman texts of up to five letters against the rule: each letter at most
// three times and read to the end, or a standard numeral (these are unique).
TEST(CheckValid, AllShortRomanTexts)
{
    std::set<std::string> standard;
    for (unsigned n = 1; n <= 3999; ++n) {
        static const char* const t[] = {"", "M", "MM", "MMM"};
        static const char* const h[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
        static const char* const x[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
        static const char* const u[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
        standard.insert(std::string(t[n / 1000]) + h[n / 100 % 10] + x[n / 10 % 10] + u[n % 10]);
    }
    const std::string letters = "IVXLCDM";
    int accepted = 0;
    for (int length = 1; length <= 5; ++length) {
        int combos = 1;
        for (int k = 0; k < length; ++k)
            combos *= 7;
        for (int code = 0; code < combos; ++code) {
            std::string text;
            for (int c = code, k = 0; k < length; ++k, c /= 7)
                text += letters[c % 7];
            bool fewRepeats = true;
            for (char letter : letters)
                fewRepeats = fewRepeats && std::count(text.begin(), text.end(), letter) <= 3;
            const bool expected = standard.count(text) != 0 || (fewRepeats && Splits(text, 0, 0));
            if (Check(text, R) != expected || LibGetLastError() != (expected ? 0 : 1))
                ADD_FAILURE() << text << " expected " << expected;
            accepted += expected;
        }
    }
    EXPECT_GT(accepted, 1000);  // the oracle does not refuse everything
}

TEST(CheckValidT, Precisions)
{
    const struct {
        const char* text;
        bool ok;
    } rows[] = {
        {"4", true}, {"10", true}, {"007", true}, {"1", true}, {"1000", true}, {"0001000", true},
        {"0", false}, {"00", false}, {"1001", false}, {"2147483647", false}, {"99999999999", false},
        {"", false}, {"-4", false}, {"+4", false}, {"4.5", false}, {"4,5", false},
        {" 4", false}, {"4 ", false}, {"4a", false}, {"\xB9", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(CheckT(row.text), row.ok);
    }
    EXPECT_TRUE(CheckValidT("45", 1));
    EXPECT_FALSE(CheckValidT("10010", 4));
    EXPECT_FALSE(CheckValidT(nullptr, 0));
    EXPECT_FALSE(CheckValidT("4", -1));
    EXPECT_FALSE(CheckValidT("4", 0));
}

TEST(CheckValidT, LeavesTheCodeAlone)
{
    const Row rows[] = {
        {"1.2.3", 10, false, 2}, {"5.", 10, false, 3}, {"102", 2, false, 1}, {"1", 10, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        ASSERT_EQ(Check(row.text, row.system), row.ok);
        EXPECT_TRUE(CheckT("4"));
        EXPECT_FALSE(CheckT("x"));
        EXPECT_EQ(LibGetLastError(), row.code);
    }
}

}  // namespace
