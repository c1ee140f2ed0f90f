// The steps of worked solutions far down their tables, and the Roman and
// grouping steps in full, against the library's own conversions and native
// arithmetic; the notation's pieces.
#include <numeric>

#include "bignum.h"
#include "charset.h"
#include "converter.h"
#include "developed.h"
#include "exactness.h"
#include "fractiontable.h"
#include "fraction.h"
#include "fractionsteps.h"
#include "groupsteps.h"
#include "notation.h"
#include "roman.h"
#include "romansteps.h"
#include "steptext.h"
#include "systems.h"
#include "validate.h"
#include "wholesteps.h"

#include <gtest/gtest.h>

#include "test_digits.h"

#include <map>
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

// Zero digits add no term: the rows are the digits that are not 0, each
// digit times its power of the base.
TEST(Steps, ExpansionRowsLeaveOutZeroDigits)
{
    const std::string digits = "20" + std::string(70, '0') + "1" + std::string(8, '0') + "3";  // base 4
    const std::vector<TermRow> rows = ExpansionRows(digits, 4);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(NonZeroDigits(digits, 4), 3u);
    const uint64_t powers[] = {digits.size() - 1, 9, 0};
    const uint32_t values[] = {2, 1, 3};
    for (size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].power, powers[k]);
        EXPECT_EQ(rows[k].digit, values[k]);
        const std::string term = std::to_string(values[k]) + std::string(static_cast<size_t>(powers[k]), '0');
        EXPECT_EQ(rows[k].value, Shortened(Converter(term, 4).Convert(10)));
    }
}

// A fraction a/b times a base, against 64-bit arithmetic: the factor, the
// improper product in lowest terms, its whole part apart, and the digit.
TEST(Steps, MultiplicationRowsOfCommonFractions)
{
    for (uint64_t b : {3u, 7u, 9u, 49u, 63u})
        for (uint64_t a = 1; a < b; ++a) {
            if (std::gcd(a, b) != 1)
                continue;
            for (int base : {2, 3, 10, 11}) {
                SCOPED_TRACE(std::to_string(a) + "/" + std::to_string(b) + " in base " + std::to_string(base));
                Fraction fraction;
                fraction.num = limbs::FromDecimal(std::to_string(a));
                fraction.den = limbs::FromDecimal(std::to_string(b));
                fraction.powers = FactorsOf(b);
                const std::vector<MultiplicationRow> rows = MultiplicationRows(fraction, base, 3);
                uint64_t r = a;
                for (const MultiplicationRow& row : rows) {
                    if (r == 0)
                        break;  // the fraction ended
                    const uint64_t product = r * static_cast<uint64_t>(base);
                    const uint64_t g = std::gcd(product, b);
                    const uint64_t digit = product / b, rest = product % b, h = std::gcd(rest, b);
                    EXPECT_EQ(row.factor, std::to_string(r / std::gcd(r, b)) + "/" + std::to_string(b / std::gcd(r, b)));
                    EXPECT_EQ(row.digit, digit);
                    if (b / g == 1) {
                        EXPECT_EQ(row.product, std::to_string(product / g));
                    } else {
                        EXPECT_EQ(row.product, std::to_string(product / g) + "/" + std::to_string(b / g));
                        EXPECT_EQ(row.apart, digit == 0 ? "" : std::to_string(digit) + " + " + std::to_string(rest / h) + "/" + std::to_string(b / h));
                    }
                    r = rest;
                }
            }
        }
}

// A long number's cell is read from its ends, as its whole text would show.
TEST(Steps, ShortDecimalAgainstTheWholeText)
{
    std::mt19937_64 rng(13);
    for (size_t length : {1u, 9u, 40u, 41u, 44u, 45u, 46u, 54u, 55u, 1000u}) {
        const std::string digits = std::to_string(1 + rng() % 9) + testdigits::RandomDigits(rng, length - 1);
        EXPECT_EQ(ShortDecimal(limbs::FromDecimal(digits)), Shortened(digits)) << length;
    }
    EXPECT_EQ(ShortDecimal(limbs::FromDecimal("1" + std::string(60, '0'))), Shortened("1" + std::string(60, '0')));
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
        const std::string reading = RomanReadingLines(numeral).back();
        ASSERT_EQ(reading.substr(reading.rfind(" = ") + 3), std::to_string(n)) << numeral;
    }
    for (const char* numeral : {"VV", "IXI", "LL", "DD", "XCX", "CMC", "IVI", "VIV", "MDD", "XLX"}) {
        ASSERT_TRUE(CheckValid(numeral, static_cast<int>(std::string(numeral).size()), -1)) << numeral;
        int sum = 0;
        for (const std::string& part : RomanParts(numeral))
            sum += RomanToArab(part.c_str());
        EXPECT_EQ(sum, RomanToArab(numeral)) << numeral;
    }
}

// The developed form computes a number's value itself, whatever its
// length up to a whole table: against the library's conversion.
TEST(Steps, DevelopedFormAgainstTheLibrary)
{
    std::mt19937_64 rng(17);
    for (int trial = 0; trial < 300; ++trial) {
        const int base = 2 + static_cast<int>(rng() % 15);
        if (base == 10)
            continue;
        std::string whole = WithoutLeadingZeros(testdigits::RandomDigits(rng, 1 + rng() % 64, base));
        const std::string fraction = WithoutTrailingZeros(testdigits::RandomDigits(rng, rng() % 9, base));
        SCOPED_TRACE(whole + "." + fraction + " in base " + std::to_string(base));
        const Fraction value = FractionOf(fraction, base);
        DevelopedValue developed;
        const std::vector<std::string> lines = DevelopedLines({whole, fraction, base}, value, "", developed);
        EXPECT_EQ(developed.whole, Converter(whole, base).Convert(10));
        EXPECT_EQ(developed.text, ValueText(developed.whole, value));
        ASSERT_FALSE(lines.empty());
        const std::string& last = lines.back();
        const std::string stated = StatedValue(developed.text);
        if (whole.size() + fraction.size() > 1) {
            EXPECT_EQ(last.compare(last.size() - stated.size() - (last.back() == '.' ? 1 : 0), stated.size(), stated), 0)
                << last;
        }
    }
}

// A short number's fraction over one denominator sums as 64-bit arithmetic does.
TEST(Steps, DevelopedFormSumsOverOneDenominator)
{
    for (const auto& row : std::vector<std::pair<std::string, int>>{{"0456", 7}, {"2241", 12}, {"102", 3}, {"31", 6}}) {
        const std::string& digits = row.first;
        const int base = row.second;
        uint64_t sum = 0, denominator = 1;
        for (char ch : digits) {
            sum = sum * static_cast<uint64_t>(base) + static_cast<uint64_t>(ch - '0');
            denominator *= static_cast<uint64_t>(base);
        }
        const std::string fraction = WithoutTrailingZeros(digits.substr(1));
        DevelopedValue developed;
        const std::vector<std::string> lines =
            DevelopedLines({digits.substr(0, 1) == "0" ? "0" : digits.substr(0, 1), fraction, base},
                           FractionOf(fraction, base), "", developed);
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        const uint64_t over = denominator / static_cast<uint64_t>(base);
        EXPECT_NE(text.find(std::to_string(sum % over) + "/" + std::to_string(over)), std::string::npos) << text;
    }
}

// The table runs to where the fraction ends or repeats, as long division finds it.
TEST(Steps, TableRowsReachTheRepeat)
{
    for (uint64_t den : {3u, 6u, 7u, 12u, 49u, 96u, 343u, 1000u})
        for (int base : {2, 3, 10, 11, 16}) {
            SCOPED_TRACE("1/" + std::to_string(den) + " in base " + std::to_string(base));
            std::map<uint64_t, uint64_t> seen;  // remainder -> row
            uint64_t r = 1, row = 0;
            while (r != 0 && seen.find(r) == seen.end()) {
                seen[r] = row++;
                r = r * static_cast<uint64_t>(base) % den;
            }
            const uint64_t length = row;  // rows until the end, or until a remainder repeats
            const Expansion e = ExpansionOf(FactorsOf(den), base);
            EXPECT_EQ(TableRows(e, 4), length <= LONG_TABLE ? length : 4u);
            EXPECT_EQ(TableRows(e, 1000), length);
        }
}

TEST(Steps, GroupingTakenBack)
{
    std::mt19937_64 rng(19);
    for (int from : {2, 4, 8, 16})
        for (int to : {2, 4, 8, 16}) {
            if (from == to)
                continue;
            const std::string whole = WithoutLeadingZeros(testdigits::RandomDigits(rng, 1 + rng() % 10, from));
            const std::string fraction = WithoutTrailingZeros(testdigits::RandomDigits(rng, rng() % 6, from));
            const Grouped there = GroupDigits(whole, fraction, from, to);
            const std::string back = GroupingBack(there.whole, there.fraction, to, from);
            const std::string number = Based(whole + (fraction.empty() ? "" : "." + fraction), from);
            EXPECT_EQ(back.substr(back.size() - number.size()), number) << back;
        }
}

TEST(Steps, ACheckThatFailsSaysSo)
{
    EXPECT_EQ(CheckLines("читаем ответ", {"  V = 5"}, true),
              (std::vector<std::string>{"Проверка — читаем ответ:", "  V = 5 — верно."}));
    EXPECT_EQ(CheckLines("x", {"Сумма: 1."}, false), (std::vector<std::string>{"Проверка — x:", "Сумма: 1 — не сходится."}));
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

TEST(Notation, PowersDigitsAndLengths)
{
    EXPECT_EQ(PowerText(2, 3), "2" + Superscript(3));
    EXPECT_EQ(PowerText(7, -12), "7" + Superscript(-12));
    EXPECT_EQ(DigitWithValue(9), "9");
    EXPECT_EQ(DigitWithValue(10), "10 (A)");
    EXPECT_EQ(DigitWithValue(15), "15 (F)");
    EXPECT_EQ(DigitsOf("-167.(450A)"), 7u);
    PrimePowers powers;
    powers.exponent[1] = 16382;
    powers.exponent[2] = 16382;
    powers.exponent[0] = 1;
    EXPECT_EQ(PowersText(powers), "2·3" + Superscript(16382) + "·5" + Superscript(16382));
    EXPECT_EQ(PowersText(FactorsOf(343)), "343");
    // Up to LONG_ANSWER characters a stated number is whole; longer, its ends
    // and its length in digits, the base after its last digits.
    const std::string answer(LONG_ANSWER, '1');
    EXPECT_EQ(Stated(answer, 2), answer + Subscript(2));
    EXPECT_EQ(Stated("-" + answer + ".(1)", 3),
              "-" + std::string(14, '1') + "…" + std::string(11, '1') + ".(1)" + Subscript(3) + " (" + DigitCount(LONG_ANSWER + 1) + ")");
}

// A chain of equalities wraps before LINE_WIDTH, the next line's "=" under
// the first one's.
TEST(StepText, ChainsWrapUnderTheirFirstEquals)
{
    EXPECT_EQ(Chain("x", {"1 + 1", "2"}), (std::vector<std::string>{"  x = 1 + 1 = 2"}));
    const std::string part(40, 'a');
    const std::vector<std::string> lines = Chain("x", {part, part, "b"});
    EXPECT_EQ(lines, (std::vector<std::string>{"  x = " + part + " =", "    = " + part + " = b"}));
    for (const std::string& line : Chain("y", {part, part, part, part}))
        EXPECT_LE(line.size(), LINE_WIDTH);
}
