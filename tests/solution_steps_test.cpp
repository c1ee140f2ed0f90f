// The steps of worked solutions far down their tables, and the Roman and
// grouping steps in full, against the library's own conversions.
#include "converter.h"
#include "fraction.h"
#include "fractionsteps.h"
#include "groupsteps.h"
#include "notation.h"
#include "roman.h"
#include "romansteps.h"
#include "steptext.h"
#include "validate.h"
#include "wholesteps.h"

#include <gtest/gtest.h>

#include "test_digits.h"

#include <random>
#include <string>
#include <vector>

namespace {

const char DIGIT_CHARS[] = "0123456789ABCDEF";

TEST(Steps, DivisionRowsFarDownLeadToTheDigits)
{
    std::mt19937_64 rng(3);
    const std::string decimal = testdigits::RandomDigits(rng, 32767);
    for (int base : {2, 3, 11, 16}) {
        SCOPED_TRACE(base);
        const std::string digits = Converter(decimal, 10).Convert(base);
        const std::vector<uint64_t> shown = ShownRows(digits.size());
        const std::vector<DivisionRow> rows = DivisionRows(decimal, base, digits.size());
        ASSERT_EQ(rows.size(), shown.size());
        for (size_t k = 0; k < rows.size(); ++k)
            EXPECT_EQ(DIGIT_CHARS[rows[k].remainder], digits[digits.size() - 1 - shown[k]]) << shown[k];
        EXPECT_EQ(rows[0].dividend, Shortened(decimal));
        EXPECT_EQ(rows[1].dividend, rows[0].quotient);
        EXPECT_EQ(rows.back().quotient, "0");
        EXPECT_EQ(rows.back().dividend, std::to_string(digits[0] <= '9' ? digits[0] - '0' : digits[0] - 'A' + 10));
    }
}

TEST(Steps, ExpansionTermsAgainstTheLibrary)
{
    const std::string digits = "2" + std::string(44, '1') + "2";  // 46 digits of base 3
    const std::vector<TermRow> rows = ExpansionRows(digits, 3);
    const std::vector<uint64_t> shown = ShownRows(digits.size());
    ASSERT_EQ(rows.size(), shown.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const uint64_t power = digits.size() - 1 - shown[k];
        EXPECT_EQ(rows[k].power, power);
        const std::string term = digits.substr(shown[k], 1) + std::string(static_cast<size_t>(power), '0');
        EXPECT_EQ(rows[k].value, Shortened(Converter(term, 3).Convert(10))) << power;
    }
}

TEST(Steps, MultiplicationRowsFarDownLeadToTheDigits)
{
    std::mt19937_64 rng(5);
    for (int base : {3, 10, 15}) {
        const std::string digits = testdigits::RandomDigits(rng, 3000, base) + "1";
        const Fraction fraction = FractionOf(digits, base);
        for (int target : {2, 7, 10, 16}) {
            SCOPED_TRACE(std::to_string(base) + "->" + std::to_string(target));
            const std::string expected = ConvertFraction(digits, base, target, 1000).substr(2);
            const std::vector<uint64_t> shown = ShownRows(1000);
            const std::vector<MultiplicationRow> rows = MultiplicationRows(fraction, target, 1000);
            ASSERT_EQ(rows.size(), shown.size());
            for (size_t k = 0; k < rows.size(); ++k)
                EXPECT_EQ(DIGIT_CHARS[rows[k].digit], expected[shown[k]]) << shown[k];
        }
    }
}

TEST(Steps, RomanPartsAndPlaces)
{
    for (int n = 1; n <= 3999; ++n) {
        const std::string numeral = ArabToRoman(static_cast<unsigned short>(n));
        std::string joined, places;
        int sum = 0;
        for (const std::string& part : RomanParts(numeral)) {
            joined += part;
            sum += RomanToArab(part.c_str());
        }
        for (int place : PlaceValues(n))
            places += ArabToRoman(static_cast<unsigned short>(place));
        ASSERT_EQ(joined, numeral);
        ASSERT_EQ(sum, n) << numeral;
        ASSERT_EQ(places, numeral) << n;
    }
    for (const char* numeral : {"VV", "IXI", "LL", "DD", "XCX", "CMC", "IVI", "VIV", "MDD", "XLX"}) {
        ASSERT_TRUE(CheckValid(numeral, static_cast<int>(std::string(numeral).size()), -1)) << numeral;
        int sum = 0;
        for (const std::string& part : RomanParts(numeral))
            sum += RomanToArab(part.c_str());
        EXPECT_EQ(sum, RomanToArab(numeral)) << numeral;
    }
}

TEST(Steps, GroupingAgainstTheConversions)
{
    std::mt19937_64 rng(9);
    for (int from : {2, 4, 8, 16})
        for (int to : {2, 4, 8, 16}) {
            if (from == to)
                continue;
            for (int trial = 0; trial < 20; ++trial) {
                const std::string whole = testdigits::RandomDigits(rng, rng() % 12, from);
                const std::string fraction = "0" + testdigits::RandomDigits(rng, rng() % 8, from);
                SCOPED_TRACE(whole + "." + fraction + " " + std::to_string(from) + "->" + std::to_string(to));
                const Grouped grouped = GroupDigits(whole, fraction, from, to);
                EXPECT_EQ(grouped.whole, Converter(whole, from).Convert(to));
                EXPECT_EQ(grouped.fraction, WithoutTrailingZeros(ConvertFraction(fraction, from, to, 40).substr(2)));
            }
        }
}

}  // namespace

TEST(Notation, SystemsNamedAndDeclinedAsTextbooksDo)
{
    struct Row {
        int system;
        Case c;
        const char* expected;
    };
    const Row rows[] = {
        {2, Case::GENITIVE, "двоичной системы счисления"},
        {2, Case::ACCUSATIVE, "двоичную систему счисления"},
        {3, Case::NOMINATIVE, "троичная система счисления"},
        {4, Case::PREPOSITIONAL, "четверичной системе счисления"},
        {8, Case::INSTRUMENTAL, "восьмеричной системой счисления"},
        {10, Case::DATIVE, "десятичной системе счисления"},
        {11, Case::ACCUSATIVE, "одиннадцатеричную систему счисления"},
        {16, Case::GENITIVE, "шестнадцатеричной системы счисления"},
        {ROMAN, Case::ACCUSATIVE, "римскую систему счисления"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(SystemName(row.system, row.c), row.expected);
    }
    EXPECT_EQ(SystemAdjective(7, Case::NOMINATIVE), "семеричная");
    EXPECT_EQ(Based("1011.101", 2), "1011.101\x12");
    EXPECT_EQ(Based("FF", 16), "FF\x11\x16");
    EXPECT_EQ(Based("MCMXCIV", ROMAN), "MCMXCIV");
}
