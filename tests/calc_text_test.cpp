#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <utility>

#include "text.h"

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(TextHelpers, TrimLeftDropsLeadingZerosAndRestoresUnitsBeforePoint)
{
    const TextCase cases[] = {
        {"007", "7"}, {"00.25", "0.25"}, {".5", "0.5"}, {"000", ""}, {"0", ""},
        {"", ""}, {"100", "100"}, {"0.0", "0.0"}, {"-05", "-05"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(trimleft(c.input), c.expected);
    }
}

TEST(TextHelpers, TrimRightDropsTrailingZerosEvenOfWholeNumbers)
{
    const TextCase cases[] = {
        {"1.2500", "1.25"}, {"3.000", "3"}, {"100", "1"}, {"000", "0"}, {"0", "0"},
        {".0", ""}, {"", ""}, {"10.", "10"}, {"0.", "0"}, {"A.C0", "A.C"},
        {"12.5000", "12.5"}, {"0.0000", "0"}, {"0.10", "0.1"}, {"-1010.0100", "-1010.01"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(trimright(c.input), c.expected);
    }
}

TEST(TextHelpers, StrToNumReadsLeadingDigitsAndSaturates)
{
    const struct {
        const char* input;
        int expected;
    } cases[] = {
        {"123", 123}, {"0042", 42}, {"12.75", 12}, {"7A", 7}, {"99999999999", INT_MAX},
        {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"2147483646", 2147483646},
        {"000000000000000000000000000000000000000005", 5}, {"", 0}, {"-5", 0}, {" 5", 0}, {"A", 0},
        {"16-ную", 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(StrToNum(c.input), c.expected);
    }
}

TEST(TextHelpers, NumToStrWritesPlainDecimal)
{
    EXPECT_EQ(NumToStr(0), "0");
    EXPECT_EQ(NumToStr(-15), "-15");
    EXPECT_EQ(NumToStr(INT_MIN), "-2147483648");
    EXPECT_EQ(NumToStr(INT_MAX), "2147483647");
    for (int value : {1, 9, 10, 1000, 123456789})
        EXPECT_EQ(StrToNum(NumToStr(value)), value);
}

TEST(TextHelpers, NumToStrWritesEveryWidthAndGroupsLongNumbers)
{
    EXPECT_EQ(NumToStr(UINT64_MAX), "18446744073709551615");
    EXPECT_EQ(NumToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(NumToStr(static_cast<unsigned char>(200)), "200");
    const std::pair<unsigned long long, const char*> rows[] = {
        {0, "0"}, {9999, "9999"}, {10000, "10 000"}, {100000, "100 000"}, {1234567, "1 234 567"},
        {UINT64_MAX, "18 446 744 073 709 551 615"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.second);
        EXPECT_EQ(GroupedNumber(row.first), row.second);
    }
}

TEST(TextHelpers, ReverseAndRepeat)
{
    EXPECT_EQ(reverse("abc"), "cba");
    EXPECT_EQ(reverse("ab"), "ba");
    EXPECT_EQ(reverse("a"), "a");
    EXPECT_EQ(reverse(""), "");
    EXPECT_EQ(strofchar("ab", 3), "ababab");
    EXPECT_EQ(strofchar("ab", 0), "");
    EXPECT_EQ(strofchar("ab", -2), "");
    EXPECT_EQ(strofchar("", 5), "");
}

TEST(TextHelpers, RussianLiteralIsWindows1251)
{
    // Every target is built so that this literal is the same bytes: "Р" is 0xD0.
    const std::string text = "Римской";
    ASSERT_EQ(text.size(), 7u);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xD0);
    EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xE8);
}

}  // namespace
