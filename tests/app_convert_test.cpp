#include "convert.h"
#include "state.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace {

const int R = -1;  // the Roman system
const Outcome::Kind OUT = Outcome::OUTPUT;
const Outcome::Kind MSG = Outcome::MESSAGE;

class ConvertTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppState(); }
};

struct Row {
    const char* number;
    const char* precision;
    int source, target;
    Outcome::Kind kind;
    std::string text;  // output or message
    const char* buf;   // strM_BUF afterwards
};

void ExpectRows(std::initializer_list<Row> rows)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.number) + " [" + row.precision + "] " + std::to_string(row.source) + "->"
                     + std::to_string(row.target));
        strM_BUF = "77";
        const Outcome outcome = ConvertRequest(row.number, row.precision, row.source, row.target);
        EXPECT_EQ(outcome.kind, row.kind);
        EXPECT_EQ(outcome.text, row.text);
        EXPECT_EQ(strM_BUF, row.buf);
    }
}

TEST_F(ConvertTest, EveryMessage)
{
    const std::string data = "Введено неверное значение:\n\n";
    const std::string base10 = data + "Диапазон 10-ной системы счисления: {0..9}.";
    const std::string roman = data + "Диапазон римской системы счисления:\n{M, D, C, L, X, V, I}.";
    const std::string signed_ = data + "Отрицательные и дробные числа не поддерживаются\nв римской системе счисления";
    const std::string wrongT = "Неверно указана точность вычислений";
    ExpectRows({
        {"", "4", 10, 2, MSG, "Операция невозможна:\n\nИсходное число не задано", "0"},
        {"12", "", 10, 2, MSG, "Не указана точность вычислений", "0"},
        {"102", "4", 2, 10, MSG, data + "Диапазон 2-ной системы счисления: {0..1}.", "0"},
        {"ff", "4", 16, 10, MSG, data + "Диапазон 16-ной системы счисления: {0..F}.", "0"},
        {"1 0", "4", 10, 2, MSG, base10, "0"}, {"1-2", "4", 10, 2, MSG, base10, "0"},
        {"IIII", "4", R, 10, MSG, roman, "0"}, {"XA", "4", R, 10, MSG, roman, "0"},
        {"-X", "4", R, 10, MSG, signed_, "0"}, {"X,V", "4", R, 10, MSG, signed_, "0"},
        {"1.2.3", "4", 10, 2, MSG, data + "Несколько разделителей частей числа", "0"},
        {"5.", "4", 8, 2, MSG, data + "Ожидается дробная часть числа", "0"},
        {"12", "0", 10, 2, MSG, wrongT, "0"}, {"12", "1001", 10, 2, MSG, wrongT, "0"},
        {"12", "99999999999", 10, 2, MSG, wrongT, "0"}, {"12", "-4", 10, 2, MSG, wrongT, "0"},
        {"1A", "x", 10, 2, MSG, wrongT + ",\n\n" + base10, "0"},
        {"1,2.3", "0", 10, 2, MSG, wrongT + ",\n\n" + data + "Несколько разделителей частей числа", "0"},
        {"4000", "4", 10, R, MSG,
         "Исходное число больше самого большего числа\nв римской системе счисления.\n\n"
         "Самое большое римское число - MMMCMXCIX (3999)", "0"},
        {"-5", "4", 10, R, MSG,
         "Операция невозможна:\n\nОтрицательное или дробное число невозможно\n"
         "перевести в римскую систему счисления", "0"},
    });
}

// When several faults are present, the first in the command's order is named.
TEST_F(ConvertTest, OrderOfFaults)
{
    ExpectRows({
        {"", "", 10, 2, MSG, ERR_NOINPUT, "0"},
        {"G.1.2", "", 10, 2, MSG, ERR_NOGT, "0"},
        {"G.", "4", 16, 2, MSG, ERR_WRONGDATA + "\n\n" + ERR_FLOATMISS, "0"},
        {"1.2.G", "4", 16, 2, MSG, ERR_WRONGDATA + "\n\nДиапазон 16-ной системы счисления: {0..F}.", "0"},
        {"MMMDDD", "4", R, 10, MSG, ERR_OUTOFRANGE, "0"}, {"MMMDDD", "4", R, R, MSG, ERR_OUTOFRANGE, "0"},
        {"MMMDD", "4", R, 10, MSG, ERR_OUTOFRANGE, "0"},
        {"5000.5", "4", 10, R, MSG, ERR_MINROMAN, "0"}, {"-5000", "4", 10, R, MSG, ERR_MINROMAN, "0"},
        {"-", "4", 10, R, MSG, ERR_MINROMAN, "0"},
    });
}

TEST_F(ConvertTest, Results)
{
    ExpectRows({
        {"255", "4", 10, 16, OUT, "FF", "255"}, {"-255", "4", 10, 16, OUT, "-FF", "-255"},
        {"FF", "4", 16, 2, OUT, "11111111", "255"}, {"007", "4", 10, 10, OUT, "7", "7"},
        {"0", "4", 10, 2, OUT, "0", "0"}, {"-0", "4", 10, 2, OUT, "-0", "-0"}, {"-", "4", 10, 2, OUT, "-0", "-0"},
        {"-.0", "4", 10, 10, OUT, "-0", "-0"},
        {"0.5", "4", 10, 2, OUT, "0.1", "0.5"}, {"-10.25", "4", 10, 2, OUT, "-1010.01", "-10.25"},
        {"10.0", "4", 10, 16, OUT, "A", "10"}, {"A.8", "4", 16, 10, OUT, "10.5", "10.5"},
        {"0.1", "4", 10, 2, OUT, "0.0001", "0.1"}, {",5", "4", 10, 10, OUT, "0.5", "0.5"},
        {"-,5", "4", 10, 2, OUT, "-0.1", "-0.5"}, {"1,25", "4", 10, 2, OUT, "1.01", "1.25"},
        {"0.1", "4", 3, 3, OUT, "0.1", "0.3333"}, {"0.2", "4", 3, 9, OUT, "0.6", "0.6666"},
        {"0.1", "4", 3, 10, OUT, "0.3333", "0.3333"}, {"0.1", "2", 10, 2, OUT, "0", "0.1"},
        {"0.00001", "4", 10, 10, OUT, "0", "0"},
        {"MCMXCIX", "4", R, 10, OUT, "1999", "1999"}, {"MCMXCIX", "4", R, 16, OUT, "7CF", "1999"},
        {"XXXIX", "4", R, 10, OUT, "39", "39"}, {"VV", "4", R, R, OUT, "VV", "10"}, {"VV", "4", R, 10, OUT, "10", "10"},
        {"MMMCMXCIX", "4", R, R, OUT, "MMMCMXCIX", "3999"},
        {"1999", "4", 10, R, OUT, "MCMXCIX", "1999"}, {"3999", "4", 10, R, OUT, "MMMCMXCIX", "3999"},
        {"F9F", "4", 16, R, OUT, "MMMCMXCIX", "3999"}, {"0", "4", 10, R, OUT, "", "0"},
        {"12", "1000", 10, 2, OUT, "1100", "12"},
    });
}

// Which of iFT, strM_BUF and the output each kind of outcome changes.
TEST_F(ConvertTest, OutcomeState)
{
    struct StateRow {
        const char *number, *precision;
        int target;
        bool output;
        int ft;
        const char* buf;
    } rows[] = {
        {"12", "5", 2, true, 5, "12"},       {"", "5", 2, false, 7, "0"},    {"12", "", 2, false, 4, "0"},
        {"1G", "5", 2, false, 7, "0"},       {"12", "0", 2, false, 7, "0"},  {"4000", "5", R, false, 5, "0"},
        {"5.5", "5", R, false, 5, "0"},
    };
    for (const StateRow& row : rows) {
        SCOPED_TRACE(std::string(row.number) + " [" + row.precision + "]");
        iFT = 7;
        SetPrec(7);
        strM_BUF = "77";
        EXPECT_EQ(ConvertRequest(row.number, row.precision, 10, row.target).kind == OUT, row.output);
        EXPECT_EQ(iFT, row.ft);
        EXPECT_EQ(strM_BUF, row.buf);
        EXPECT_EQ(DoubleSize, row.ft == 5 ? 5 : 7);
    }
}

TEST_F(ConvertTest, SystemOutsideTheListsAsksNothing)
{
    for (int system : {0, 1, 17, -2}) {
        SCOPED_TRACE(system);
        strM_BUF = "77";
        EXPECT_EQ(ConvertRequest("1", "4", system, 10).kind, Outcome::NOTHING);
        EXPECT_EQ(ConvertRequest("1", "4", 10, system).kind, Outcome::NOTHING);
        EXPECT_EQ(strM_BUF, "77");
    }
}

// The longest text the input field holds, at the largest precision, stays fast.
TEST_F(ConvertTest, LongNumberAtLargestPrecision)
{
    const std::string number = std::string(16000, '7') + "." + std::string(16766, '7');
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = ConvertRequest(number, "1000", 8, 3);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(outcome.kind, OUT);
    // 8^16000 - 1 has floor(48000 * log3(2)) + 1 = 30285 ternary digits; the
    // fraction 1 - 8^-16766 is 0.999... in decimal.
    EXPECT_EQ(outcome.text.find('.'), 30285u);
    EXPECT_EQ(outcome.text.size(), 30285u + 1 + 1000);
    EXPECT_EQ(strM_BUF.substr(strM_BUF.size() - 4), "9999");
    EXPECT_LT(seconds, 1.0);
}

// What a request hands out for its worked solution is what it wrote: the
// parts compose to the output and to the current value, the fraction keeps
// as many digits as the precision, and the outcome is the plain request's.
TEST_F(ConvertTest, PartsAreWhatTheRequestWrote)
{
    const char DIGIT[] = "0123456789ABCDEF";
    std::mt19937 rng(11);
    for (int trial = 0; trial < 3000; ++trial) {
        const int source = 2 + static_cast<int>(rng() % 15);
        const int target = rng() % 8 == 0 ? R : 2 + static_cast<int>(rng() % 15);
        std::string number = rng() % 4 == 0 ? "-" : "";
        for (unsigned k = rng() % 6; k > 0; --k)
            number += DIGIT[rng() % static_cast<unsigned>(source)];
        if (rng() % 2 != 0) {
            number += rng() % 2 != 0 ? "." : ",";
            for (unsigned k = 1 + rng() % 5; k > 0; --k)
                number += DIGIT[rng() % static_cast<unsigned>(source)];
        }
        const std::string precision = std::to_string(1 + rng() % 9);
        SCOPED_TRACE(number + " [" + precision + "] " + std::to_string(source) + "->" + std::to_string(target));
        ResetAppState();
        const Outcome plain = ConvertRequest(number, precision, source, target);
        const std::string plainBuf = strM_BUF;
        ResetAppState();
        ConversionParts parts;
        const Outcome outcome = ConvertRequest(number, precision, source, target, parts);
        ASSERT_EQ(outcome.kind, plain.kind);
        ASSERT_EQ(outcome.text, plain.text);
        ASSERT_EQ(strM_BUF, plainBuf);
        if (outcome.kind != OUT)
            continue;
        EXPECT_EQ(parts.target, target);
        EXPECT_EQ(parts.read.system, source);
        EXPECT_EQ(parts.read.decimal, strM_BUF);
        EXPECT_EQ(ComposeNumber(parts.read.negative, parts.read.decimalDigits), strM_BUF);
        if (target == R) {
            EXPECT_EQ(parts.written.whole, outcome.text);
            continue;
        }
        EXPECT_EQ(ComposeNumber(parts.read.negative, parts.written), outcome.text);
        EXPECT_EQ(parts.written.fraction.size(), parts.read.hasSeparator ? std::stoul(precision) : 0u);
        EXPECT_NE(parts.written.whole, "");
        EXPECT_TRUE(parts.written.whole == "0" || parts.written.whole[0] != '0');
    }
}

}  // namespace
