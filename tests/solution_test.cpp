// The worked solution: the textbook cases, MR, the longest request, the
// state left alone, and a property test over random requests of every pair
// of systems against the conversion command and a brute-force long division.
#include "solution.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "test_digits.h"
#include "convert.h"
#include "exactness.h"
#include "fractionsteps.h"
#include "memory.h"
#include "notation.h"
#include "roman.h"
#include "state.h"
#include "steptext.h"
#include "utf8.h"
#include "validate.h"
#include "wholesteps.h"

namespace {

const int R = -1;
const char DIGIT_CHARS[] = "0123456789ABCDEF";

class SolutionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppState(); }
};

// The request as the window runs it, then the solution of what it handed out.
Solution Solve(const std::string& number, const std::string& precision, int source, int target)
{
    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, precision, source, target, parts);
    return SolveCommand(ConversionCommand(parts, outcome));
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

// The line that states the answer, "" when there is none.
std::string AnswerOf(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.rfind("Ответ: ", 0) == 0)
            return line;
    return std::string();
}

// Whether the solution has the line, given in UTF-8.
bool HasLine(const Solution& solution, const std::string& utf8)
{
    for (const std::string& own : LinesOf(Cp1251ToUtf8(solution.text)))
        if (own == utf8)
            return true;
    return false;
}

struct TextbookRow {
    const char* number;
    const char* precision;
    int source, target;
    const char* result;  // stated in the answer
    bool exact;
    const char* exactValue;
    std::vector<std::string> lines;  // each a whole line of the solution, in UTF-8
};

TEST_F(SolutionTest, TextbookCases)
{
    const TextbookRow rows[] = {
        {"255", "4", 10, 16, "FF", true, "FF",
         {u8"  255 : 16 = 15, остаток 15 (F)", u8"   15 : 16 = 0,  остаток 15 (F)",
          u8"Остатки, записанные снизу вверх, — цифры числа: 255\u2081\u2080 = FF\u2081\u2086."}},
        {"0.2", "4", 3, 10, "0.6666", false, "0.(6)",
         {u8"  0.2\u2083 = 2·3\u207B\u00B9 = 2/3", u8"  1) 2/3 · 10 = 20/3 = 6 + 2/3 — цифра 6",
          u8"Дробная часть снова равна 2/3, как в строке 1:", u8"дальше без конца повторяется цифра 6.",
          u8"Получилась чистая периодическая дробь (период — в скобках): 2/3 = 0.(6)\u2081\u2080."}},
        {"0.1", "4", 3, 9, "0.3", true, "0.3",
         {u8"  1) 1/3 · 9 = 3 — цифра 3", u8"  0.3\u2089 = 3·9\u207B\u00B9 = 3/9 = 1/3 — верно."}},
        {"0.1", "6", 7, 2, "0.001001", false, "0.(001)",
         {u8"  1) 1/7 · 2 = 2/7           — цифра 0", u8"  3) 4/7 · 2 = 8/7 = 1 + 1/7 — цифра 1",
          u8"Дробная часть снова равна 1/7, как в строке 1:",
          u8"дальше без конца повторяются цифры строк 1–3 — 001."}},
        {"3888", "4", 10, R, "MMMDCCCLXXXVIII", true, "MMMDCCCLXXXVIII",
         {u8"   800 = DCCC  (500 + 100 + 100 + 100)", u8"     8 = VIII  (5 + 1 + 1 + 1)"}},
        {"VV", "4", R, R, "VV", true, "VV",
         {u8"  VV = V + V = 5 + 5 = 10",
          u8"Запись VV нестандартная, но программа её принимает; стандартная запись числа 10 — X."}},
        {"IXI", "4", R, 2, "1010", true, "1010",
         {u8"  IXI = IX + I = (10 - 1) + 1 = 10", u8"Шаг 2. Из десятичной системы в двоичную."}},
        {"MCMXCIX", "4", R, 10, "1999", true, "1999",
         {u8"  MCMXCIX = M + CM + XC + IX = 1000 + (1000 - 100) + (100 - 10) + (10 - 1) =", u8"          = 1999",
          u8"  1999 = 1000 + 900 + 90 + 9 = MCMXCIX — верно."}},
        {"1011", "4", 2, R, "XI", true, "XI",
         {u8"  1011\u2082 = 1·2\u00B3 + 0·2\u00B2 + 1·2\u00B9 + 1·2\u2070 = 8 + 0 + 2 + 1 = 11\u2081\u2080",
          u8"  11 = 10 + 1", u8"  10 = X"}},
        {"0.A", "4", 16, 10, "0.625", true, "0.625",
         {u8"  0.A\u2081\u2086 = 10·16\u207B\u00B9 = 0.625\u2081\u2080",
          u8"  1) 0.625 · 16 = 10 — цифра 10 (A)", u8"Получили 0.A\u2081\u2086 — верно."}},
        {"B", "4", 12, 10, "11", true, "11",
         {u8"Число записано одной цифрой, её значение — 11 (B): B\u2081\u2082 = 11\u2081\u2080."}},
        {"12.31", "4", 6, 10, "8.5277", false, "8.52(7)",
         {u8"  12.31\u2086 = 1·6\u00B9 + 2·6\u2070 + 3·6\u207B\u00B9 + 1·6\u207B\u00B2 = 6 + 2 + 3/6 + 1/36 = 8 + 18/36 + 1/36 =",
          u8"         = 8 + 19/36",
          u8"Конечной десятичной дробью 19/36 не записать, поэтому дальше считаем с обыкновенной дробью."}},
        {"0.001", "2", 2, 10, "0.12", false, "0.125",
         {u8"Результат неточный: в дробной части оставлено 2 цифры, остальные отброшены, без округления.",
          u8"Точное значение: 0.125\u2081\u2080."}},
        {"-1011.101", "6", 2, 8, "-13.5", true, "-13.5",
         {u8"Число отрицательное: переводим его модуль, 1011.101\u2082, а знак «минус» переносим в ответ.",
          u8"  001 — 1", u8"  101 — 5", u8"  13.5\u2088 = 001 011.101\u2082 = 1011.101\u2082 — верно."}},
        {"7.4", "4", 8, 16, "7.8", true, "7.8", {u8"  4 — 100", u8"  0111 — 7", u8"  1000 — 8"}},
        {"0.12345", "4", 10, 10, "0.1234", false, "0.12345",
         {u8"Основание не меняется: число записывается теми же цифрами."}},
        {"0.1", "3", 10, 2, "0", false, "0.0(0011)",
         {u8"Результат неточный: в дробной части оставлено 3 цифры (000), остальные отброшены, без округления.",
          u8"Нули в конце дробной части не пишем."}},
        {"0", "4", 10, R, "", true, "", {u8"Ответ: нуля в римской системе нет, поле ответа остаётся пустым."}},
        {",5", "4", 10, 3, "0.1111", false, "0.(1)",
         {u8"Целая часть равна 0, переводим только дробную часть.", u8"  1) 0.5 · 3 = 1.5 — цифра 1"}},
        {"-", "4", 10, 2, "-0", true, "-0",
         {u8"Введён только знак «минус», без цифр: программа читает его как -0.",
          u8"Знак «минус» перед нулём программа сохраняет: ответ — -0."}},
        {"-0.1", "3", 10, 2, "-0", false, "-0.0(0011)",
         {u8"Все оставленные цифры — нули; знак «минус» программа сохраняет, поэтому ответ — -0."}},
        {"007.50", "4", 10, 2, "111.1", true, "111.1",
         {u8"Нули в начале целой части и в конце дробной части не пишем: 007.50\u2081\u2080 = 7.5\u2081\u2080."}},
        {"0.001", "4", 10, 2, "0", false, "0.000(0000001000001100010010011011101001011110001101010011111101111100111011011001000101101000011100101011)",
         {u8"Дальше таблицу не продолжаем: точность — 4 цифры в дробной части.",
          u8"Дробь бесконечная: знаменатель 1000 делится на 5, а основание 2 на 5 не делится.",
          u8"Это смешанная периодическая дробь: 3 цифры до периода, 100 цифр в периоде."}},
    };
    for (const TextbookRow& row : rows) {
        SCOPED_TRACE(std::string(row.number) + " [" + row.precision + "] " + std::to_string(row.source) + "->"
                     + std::to_string(row.target));
        ResetAppState();
        const Solution s = Solve(row.number, row.precision, row.source, row.target);
        EXPECT_TRUE(s.solved);
        if (*row.result != '\0') {
            EXPECT_NE(AnswerOf(LinesOf(s.text)).find(" = " + Based(row.result, row.target) + "."), std::string::npos);
        }
        EXPECT_EQ(s.exact, row.exact);
        EXPECT_TRUE(s.exactWritten);
        EXPECT_EQ(s.exactValue, row.exactValue);
        for (const std::string& line : row.lines)
            EXPECT_TRUE(HasLine(s, line)) << "missing: " << line << "\n" << Cp1251ToUtf8(s.text);
    }
}

// MR of a register made as a user makes it, then the solution of that MR.
TEST_F(SolutionTest, Recall)
{
    const struct {
        const char* value;
        int target;
        const char* field;
        const char* result;
        bool exact;
        const char* exactValue;  // "" when not written
        std::string line;        // UTF-8
    } rows[] = {
        {"255.5", 16, "4", "FF.8", true, "FF.8",
         u8"MR, вызов регистра памяти: число 255.5\u2081\u2080 переводим из десятичной системы счисления в шестнадцатеричную."},
        {"12.75", R, "4", "XII", false, "", u8"Результат неточный: в римской системе дробей нет, дробная часть отброшена."},
        {"12.75", R, "4", "XII", false, "", u8"В римской системе дробей нет: дробную часть отбрасываем, остаётся 12."},
        {"-10", 2, "4", "-1010", true, "-1010", u8"Ответ: -10\u2081\u2080 = -1010\u2082. Результат точный."},
        {"0.1", 2, "5", "0.00011", false, "0.0(0011)", u8"  4) 0.8 · 2 = 1.6 — цифра 1"},
        {"255.5", 16, "", "FF", false, "FF.8",
         u8"Результат неточный: в дробной части оставлено 0 цифр, остальные отброшены, без округления."},
        {"0.5", R, "4", "", false, "", u8"Ответ: нуля в римской системе нет, поле ответа остаётся пустым."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        iFT = 4;
        MemoryClear();
        strM_BUF = row.value;
        MemoryAdd();
        ConversionParts parts;
        const Outcome outcome = MemoryRecall(row.target, row.field, parts);
        ASSERT_EQ(outcome.text, row.result);
        const Solution s = SolveCommand(RecallCommand(parts, outcome));
        EXPECT_EQ(s.exact, row.exact);
        EXPECT_EQ(s.exactWritten, *row.exactValue != '\0');
        EXPECT_EQ(s.exactValue, row.exactValue);
        EXPECT_TRUE(HasLine(s, row.line)) << Cp1251ToUtf8(s.text);
    }
}

// Before any command, and after one that wrote nothing, there is nothing to solve.
TEST_F(SolutionTest, NothingToSolve)
{
    const std::string none = "Решение появится, когда число будет переведено.\n";
    EXPECT_EQ(SolveCommand(SolvedCommand()).text, none);
    EXPECT_FALSE(SolveCommand(SolvedCommand()).solved);
    ConversionParts parts;
    EXPECT_EQ(SolveCommand(ConversionCommand(parts, ConvertRequest("4000", "4", 10, R, parts))).text, none);
    EXPECT_EQ(SolveCommand(ConversionCommand(parts, ConvertRequest("1", "4", 10, 99, parts))).text, none);
    EXPECT_EQ(SolveCommand(RecallCommand(parts, MemoryDivide())).text, none);
}

// Solving changes nothing of the program's state, and gives the same text twice.
TEST_F(SolutionTest, LeavesTheStateAlone)
{
    ConversionParts parts;
    const Outcome outcome = ConvertRequest("0.1", "8", 10, 2, parts);
    const SolvedCommand command = ConversionCommand(parts, outcome);
    const std::string buf = strM_BUF;
    iFT = 3;
    const Solution first = SolveCommand(command);
    EXPECT_EQ(SolveCommand(command).text, first.text);
    EXPECT_EQ(strM_BUF, buf);
    EXPECT_EQ(iFT, 3);
}

// No line holds a run of more than LONG_NUMBER digits: every long number was shortened.
size_t LongestDigitRun(const std::string& text)
{
    size_t longest = 0, run = 0;
    for (char ch : text) {
        run = (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST_F(SolutionTest, TheLongestRequestIsShortened)
{
    std::mt19937_64 rng(7);
    std::string number = testdigits::RandomDigits(rng, 32767, 15);
    number[16383] = '.';
    number.back() = '1';  // 16,383 fraction digits whose value shares no prime with 15
    const std::string result = ConvertRequest(number, "1000", 15, 11).text;
    const Solution s = Solve(number, "1000", 15, 11);
    ASSERT_TRUE(s.solved);
    EXPECT_LE(LongestDigitRun(s.text), LONG_NUMBER);
    const std::vector<std::string> lines = LinesOf(s.text);
    int cut = 0;
    for (const std::string& line : lines)
        cut += line.rfind("  … пропущено строк: ", 0) == 0;
    EXPECT_EQ(cut, 3) << "the terms of the whole part, the division and the multiplication table";
    EXPECT_LT(lines.size(), 80u);
    EXPECT_EQ(lines[0], "Перевод числа " + Stated(number, 15)
                            + " из пятнадцатеричной системы счисления в одиннадцатеричную.");
    EXPECT_EQ(AnswerOf(lines), "Ответ: " + Stated(number, 15) + " = " + Stated(result, 11) + ".");
    EXPECT_NE(lines.back().find("чистая периодическая дробь, 2·" + PowerText(3, 16382) + "·" + PowerText(5, 16382)
                                + " цифр в периоде"),
              std::string::npos)
        << lines.back();
    EXPECT_FALSE(s.exactWritten);
}

// ---- the property test ------------------------------------------------------

// value in base, in the test's own long division.
std::string Written(uint64_t value, int base)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), DIGIT_CHARS[value % static_cast<uint64_t>(base)]);
        value /= static_cast<uint64_t>(base);
    } while (value != 0);
    return digits;
}

uint64_t ValueOf(const std::string& digits, int base)
{
    uint64_t value = 0;
    for (char ch : digits)
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(ch <= '9' ? ch - '0' : ch - 'A' + 10);
    return value;
}

// The fraction num/den in base, by long division: the digits before the
// period and, in parentheses, the period; and whether count digits end it.
struct BruteFraction {
    std::string digits;
    bool endsWithin;
};

BruteFraction Expand(uint64_t num, uint64_t den, int base, uint64_t count)
{
    std::map<uint64_t, size_t> seen;
    std::string digits;
    uint64_t r = num;
    while (r != 0 && seen.find(r) == seen.end()) {
        seen[r] = digits.size();
        r *= static_cast<uint64_t>(base);
        digits += DIGIT_CHARS[r / den];
        r %= den;
    }
    const bool ends = r == 0;
    if (!ends)
        digits = digits.substr(0, seen[r]) + "(" + digits.substr(seen[r]) + ")";
    return {digits, ends && digits.size() <= count};
}

// Whether base is a power of two, between which the solution groups bits.
bool BitsOf(int base)
{
    return base == 2 || base == 4 || base == 8 || base == 16;
}

struct Request {
    std::string number;
    std::string precision;
    int source, target;
};

// A valid request of source to target: a Roman numeral (standard or not) or
// a positional number, signed and fractional where the target allows.
Request RandomRequest(std::mt19937_64& rng, int source, int target)
{
    static const char* const unusual[] = {"VV", "IXI", "LL", "DD", "XCX", "CMC", "IVI", "VIV"};
    Request request{"", std::to_string(1 + rng() % 12), source, target};
    if (source == R) {
        request.number = rng() % 4 == 0 ? unusual[rng() % 8] : ArabToRoman(static_cast<unsigned short>(1 + rng() % 3999));
        return request;
    }
    if (target == R) {
        request.number = (rng() % 5 == 0 ? "0" : "") + Written(rng() % 4000, source);
        return request;
    }
    // Leading zeros in front of the whole part, trailing ones behind the fraction.
    std::string whole = std::string(rng() % 2, '0') + testdigits::RandomDigits(rng, rng() % 8, source);
    const std::string fraction = rng() % 2 ? "" : testdigits::RandomDigits(rng, 1 + rng() % 3, source) + std::string(rng() % 2, '0');
    if (whole.empty() && fraction.empty())
        whole = "0";
    request.number = (rng() % 4 == 0 ? "-" : "") + whole + (fraction.empty() ? "" : (rng() % 3 ? "." : ",") + fraction);
    return request;
}

void CheckRequest(const Request& q)
{
    ResetAppState();
    ConversionParts handed;
    const Outcome outcome = ConvertRequest(q.number, q.precision, q.source, q.target, handed);
    ASSERT_EQ(outcome.kind, Outcome::OUTPUT) << outcome.text;
    const Solution s = SolveCommand(ConversionCommand(handed, outcome));
    ASSERT_TRUE(s.solved);
    const std::vector<std::string> lines = LinesOf(s.text);
    ASSERT_FALSE(lines.empty());
    const std::string stated = outcome.text.empty() ? "Ответ: нуля в римской системе нет, поле ответа остаётся пустым."
                                                    : " = " + Based(outcome.text, q.target) + ".";
    EXPECT_NE(AnswerOf(lines).find(stated), std::string::npos) << s.text;
    // A check that is written is one that came out right.
    EXPECT_EQ(s.text.find("не сходится"), std::string::npos) << s.text;

    if (q.source == R || q.target == R) {
        EXPECT_TRUE(s.exact);
        EXPECT_EQ(s.exactValue, outcome.text);
        return;
    }
    std::string digits = q.number;
    const NumberParts parts = SplitNumber(digits);
    const std::string fraction = parts.hasSeparator ? digits.substr(parts.separator + 1) : "";
    const std::string whole = parts.hasSeparator ? digits.substr(0, parts.separator) : digits;
    const int p = std::stoi(q.precision);
    uint64_t den = 1;
    for (size_t k = 0; k < fraction.size(); ++k)
        den *= static_cast<uint64_t>(q.source);
    const BruteFraction brute = Expand(ValueOf(fraction, q.source), den, q.target, static_cast<uint64_t>(p));
    const std::string resultWhole = outcome.text.substr(0, outcome.text.find('.'));
    EXPECT_EQ(s.exact, brute.digits.empty() || brute.endsWithin);
    const size_t written = brute.digits.size() - (brute.digits.find('(') == std::string::npos ? 0 : 2);
    EXPECT_EQ(s.exactWritten, written <= LONGEST_EXACT);
    if (written <= LONGEST_EXACT) {
        EXPECT_EQ(s.exactValue, brute.digits.empty() ? resultWhole : resultWhole + "." + brute.digits);
    }
    const bool zero = ValueOf(whole, q.source) == 0 && brute.digits.empty();
    if (s.exact && !zero && q.source != q.target) {
        EXPECT_NE(lines.back().find("— верно."), std::string::npos) << "a short exact answer is checked\n" << s.text;
    }

    // A period no longer than a whole table is found in the multiplication
    // table: the row it repeats from, and the exact value after it.
    const size_t open = brute.digits.find('(');
    const bool tabled = q.source != q.target && !(BitsOf(q.source) && BitsOf(q.target));
    if (tabled && open != std::string::npos && written <= LONG_TABLE) {
        EXPECT_NE(s.text.find("как в строке " + std::to_string(open + 1) + ":"), std::string::npos) << s.text;
        EXPECT_NE(s.text.find(" = " + Based("0." + brute.digits, q.target) + ".\n"), std::string::npos) << s.text;
    }
    if (tabled && open != std::string::npos && written > std::max<size_t>(LONG_TABLE, static_cast<size_t>(p))) {
        EXPECT_NE(s.text.find("Дальше таблицу не продолжаем"), std::string::npos) << s.text;
    }

    // The rows of the tables lead to the result's digits, cut ones padded with zeros.
    const std::string wholeDigits = resultWhole.substr(parts.negative ? 1 : 0);
    const std::vector<uint64_t> shownWhole = ShownRows(wholeDigits.size());
    const std::vector<DivisionRow> division =
        DivisionRows(std::to_string(ValueOf(whole, q.source)), q.target, wholeDigits.size());
    for (size_t k = 0; k < division.size(); ++k)
        EXPECT_EQ(DIGIT_CHARS[division[k].remainder], wholeDigits[wholeDigits.size() - 1 - shownWhole[k]]);
    std::string cut = outcome.text.find('.') == std::string::npos ? "" : outcome.text.substr(outcome.text.find('.') + 1);
    cut.resize(static_cast<size_t>(p), '0');
    const std::vector<uint64_t> shown = ShownRows(static_cast<uint64_t>(p));
    const std::vector<MultiplicationRow> rows =
        MultiplicationRows(FractionOf(fraction, q.source), q.target, static_cast<uint64_t>(p));
    for (size_t k = 0; k < rows.size(); ++k)
        EXPECT_EQ(DIGIT_CHARS[rows[k].digit], cut[shown[k]]);
}

TEST(SolutionProperty, RandomRequestsOfEverySystemPair)
{
    std::mt19937_64 rng(20240612);
    std::vector<int> systems = {R};
    for (int base = 2; base <= 16; ++base)
        systems.push_back(base);
    for (int source : systems)
        for (int target : systems)
            for (int trial = 0; trial < 20; ++trial) {
                const Request q = RandomRequest(rng, source, target);
                SCOPED_TRACE(q.number + " [" + q.precision + "] " + std::to_string(source) + "->" + std::to_string(target));
                CheckRequest(q);
            }
}

}  // namespace
