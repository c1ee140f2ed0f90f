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
#include "roman.h"
#include "state.h"
#include "steptext.h"
#include "validate.h"
#include "wholesteps.h"

namespace {

const int R = -1;
const char DIGIT_CHARS[] = "0123456789ABCDEF";

class SolutionTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppState(); }
};

// The request as the window runs it, then the solution of what it left.
Solution Solve(const std::string& number, const std::string& precision, int source, int target)
{
    const Outcome outcome = ConvertRequest(number, precision, source, target);
    return SolveCommand(ConversionCommand(number, source, target, outcome));
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

bool HasLine(const Solution& solution, const std::string& line)
{
    for (const std::string& own : LinesOf(solution.text))
        if (own == line)
            return true;
    return false;
}

TEST_F(SolutionTest, TheWorkedExample)
{
    const Solution s = Solve("11.625", "4", 10, 2);
    EXPECT_EQ(s.text,
              "Перевод числа 11.625 из 10-ной системы в 2-ную систему, точность 4.\n"
              "\n"
              "Целая часть 11: делим на 2, пока частное не станет нулём.\n"
              "  11 : 2 = 5, остаток 1\n"
              "   5 : 2 = 2, остаток 1\n"
              "   2 : 2 = 1, остаток 0\n"
              "   1 : 2 = 0, остаток 1\n"
              "Остатки от последнего к первому: 1011\n"
              "\n"
              "Дробная часть 0.625: умножаем на 2, целая часть произведения — очередная цифра.\n"
              "  0.625 · 2 = 1.25 — цифра 1\n"
              "  0.25  · 2 = 0.5  — цифра 0\n"
              "  0.5   · 2 = 1    — цифра 1\n"
              "Дробь кончилась: 0.101\n"
              "\n"
              "Ответ: 11.625 (10) = 1011.101 (2). Результат точный.\n");
    EXPECT_TRUE(s.solved);
    EXPECT_TRUE(s.exact);
    EXPECT_EQ(s.exactValue, "1011.101");
}

struct TextbookRow {
    const char* number;
    const char* precision;
    int source, target;
    const char* result;  // stated in the answer
    bool exact;
    const char* exactValue;
    std::vector<std::string> lines;  // each a whole line of the solution
};

TEST_F(SolutionTest, TextbookCases)
{
    const TextbookRow rows[] = {
        {"255", "4", 10, 16, "FF", true, "FF",
         {"  255 : 16 = 15, остаток 15 (F)", "   15 : 16 = 0,  остаток 15 (F)", "Остатки от последнего к первому: FF"}},
        {"0.1", "8", 10, 2, "0.00011001", false, "0.0(0011)",
         {"Получено 8 цифр — столько задаёт точность: 0.00011001",
          "Ответ: 0.1 (10) = 0.00011001 (2).", "Результат обрезан до 8 цифр после точки, не округлён.",
          "Точное значение: 0.0(0011) (2)."}},
        {"0.2", "4", 3, 10, "0.6666", false, "0.(6)",
         {"  0.2 (3) = 2·3^(-1) = 2/3", "  2/3 · 10 = 6 2/3 — цифра 6"}},
        {"0.1", "4", 3, 9, "0.3", true, "0.3", {"  1/3 · 9 = 3 — цифра 3", "Дробь кончилась: 0.3"}},
        {"0.1", "6", 7, 2, "0.001001", false, "0.(001)", {"  4/7 · 2 = 1 1/7 — цифра 1"}},
        {"1994", "4", 10, R, "MCMXCIV", true, "MCMXCIV",
         {"  1994 = 1000 + 900 + 90 + 4 = M + CM + XC + IV", "Ответ: 1994 (10) = MCMXCIV. Результат точный."}},
        {"VV", "4", R, R, "VV", true, "VV",
         {"  VV = V + V = 5 + 5 = 10",
          "Запись VV нестандартная, но программа её принимает; стандартная запись числа 10 — X."}},
        {"IXI", "4", R, 2, "1010", true, "1010",
         {"  IXI = IX + I = 9 + 1 = 10",
          "Запись IXI нестандартная, но программа её принимает; стандартная запись числа 10 — X."}},
        {"1011", "4", 2, R, "XI", true, "XI",
         {"  1011 (2) = 1·2^3 + 0·2^2 + 1·2^1 + 1·2^0 = 8 + 0 + 2 + 1 = 11", "  11 = 10 + 1 = X + I"}},
        {"0.A", "4", 16, 10, "0.625", true, "0.625", {"  0.A (16) = 10·16^(-1) = 5/8 = 0.625"}},
        {"0.001", "2", 2, 10, "0.12", false, "0.125",
         {"Точность 2: цифры после 2-й отбрасываются, без округления: 0.12"}},
        {"-1011.101", "6", 2, 8, "-13.5", true, "-13.5",
         {"Число отрицательное: знак «минус» переходит в ответ, переводится число без знака.", "  001 — 1",
          "  101 — 5"}},
        {"7.4", "4", 8, 16, "7.8", true, "7.8", {"  4 — 100", "  0111 — 7", "  1000 — 8"}},
        {"0.12345", "4", 10, 10, "0.1234", false, "0.12345",
         {"Точность 4: цифры после 4-й отбрасываются, без округления: 0.1234"}},
        {"0.1", "3", 10, 2, "0", false, "0.0(0011)", {"Нули в конце дроби не пишутся."}},
        {"0", "4", 10, R, "", true, "",
         {"Нуля в римской системе нет: ответ — пустая строка.",
          "Ответ: 0 (10) = пустая строка (поле ответа пусто). Результат точный."}},
        {",5", "4", 10, 3, "0.1111", false, "0.(1)", {"Целая часть равна 0.", "  0.5 · 3 = 1.5 — цифра 1"}},
    };
    for (const TextbookRow& row : rows) {
        SCOPED_TRACE(std::string(row.number) + " [" + row.precision + "] " + std::to_string(row.source) + "->"
                     + std::to_string(row.target));
        const Solution s = Solve(row.number, row.precision, row.source, row.target);
        EXPECT_TRUE(s.solved);
        EXPECT_NE(AnswerOf(LinesOf(s.text)).find(" = " + std::string(*row.result ? row.result : "пустая строка")),
                  std::string::npos);
        EXPECT_EQ(s.exact, row.exact);
        EXPECT_TRUE(s.exactWritten);
        EXPECT_EQ(s.exactValue, row.exactValue);
        for (const std::string& line : row.lines)
            EXPECT_TRUE(HasLine(s, line)) << "missing: " << line << "\n" << s.text;
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
        std::string line;
    } rows[] = {
        {"255.5", 16, "4", "FF.8", true, "FF.8",
         "MR, вызов регистра памяти: число 255.5 записывается из 10-ной системы в 16-ную систему, точность 4."},
        {"12.75", R, "4", "XII", false, "", "Ответ: 12.75 (10) = XII. Результат неточный: дробная часть отброшена."},
        {"-10", 2, "4", "-1010", true, "-1010", "Ответ: -10 (10) = -1010 (2). Результат точный."},
        {"0.1", 2, "5", "0.00011", false, "0.0(0011)", "  0.8 · 2 = 1.6 — цифра 1"},
        {"255.5", 16, "", "FF", false, "FF.8", "Точность 0: дробная часть отбрасывается."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        iFT = 4;
        MemoryClear();
        strM_BUF = row.value;
        MemoryAdd();
        const Outcome outcome = MemoryRecall(row.target, row.field);
        ASSERT_EQ(outcome.text, row.result);
        const Solution s = SolveCommand(RecallCommand(row.target, row.field, outcome));
        EXPECT_EQ(s.exact, row.exact);
        EXPECT_EQ(s.exactWritten, *row.exactValue != '\0');
        EXPECT_EQ(s.exactValue, row.exactValue);
        EXPECT_TRUE(HasLine(s, row.line)) << s.text;
    }
}

TEST_F(SolutionTest, NothingToSolve)
{
    const std::string none = "Решение появится, когда число будет переведено.\n";
    EXPECT_EQ(SolveCommand(SolvedCommand()).text, none);
    EXPECT_EQ(SolveCommand(ConversionCommand("4000", 10, R, ConvertRequest("4000", "4", 10, R))).text, none);
    EXPECT_EQ(SolveCommand(RecallCommand(2, "4", MemoryDivide())).text, none);

    // What no successful conversion or MR leaves is turned away whole.
    const SolvedCommand good = ConversionCommand("12.5", 10, 2, ConvertRequest("12.5", "4", 10, 2));
    SolvedCommand recall = good;
    recall.kind = SolvedCommand::RECALL;
    std::vector<SolvedCommand> bad(13, good);
    bad[0].source = 99, bad[1].target = -7, bad[2].number = "12.5.1", bad[3].number = std::string(100000, '\xFF');
    bad[4].precision = PREC_MAX + 1, bad[5].precision = -1, bad[6].result = "", bad[7].result = "12";
    bad[8].decimal = "1e5", bad[9].target = R, bad[10] = recall, bad[10].number = "0." + std::string(PREC_MAX + 1, '1');
    bad[11] = recall, bad[11].number = "-5", bad[11].target = R, bad[11].result = "V";
    bad[12].source = R, bad[12].number = "MMMM";
    ASSERT_TRUE(SolveCommand(good).solved);
    for (const SolvedCommand& command : bad) {
        const Solution s = SolveCommand(command);
        EXPECT_FALSE(s.solved) << &command - bad.data();
        EXPECT_EQ(s.text, "Решения нет: команда не вывела число.\n");
    }
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
    EXPECT_EQ(cut, 3) << "the expansion, the division and the multiplication table";
    EXPECT_LT(lines.size(), 60u);
    EXPECT_TRUE(HasLine(s, "Перевод числа " + Shortened(number) + " из 15-ной системы в 11-ную систему, точность 1000."));
    EXPECT_EQ(AnswerOf(lines), "Ответ: " + Shortened(number) + " (15) = " + Shortened(result) + " (11).");
    EXPECT_NE(lines.back().find("периодическая дробь, до периода 0 цифр, в периоде 2·3^16382·5^16382 цифр"),
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
    const Outcome outcome = ConvertRequest(q.number, q.precision, q.source, q.target);
    ASSERT_EQ(outcome.kind, Outcome::OUTPUT) << outcome.text;
    const Solution s = SolveCommand(ConversionCommand(q.number, q.source, q.target, outcome));
    ASSERT_TRUE(s.solved);
    const std::vector<std::string> lines = LinesOf(s.text);
    ASSERT_FALSE(lines.empty());
    const std::string stated = outcome.text.empty() ? " = пустая строка" : " = " + Shortened(outcome.text) + Mark(q.target) + ".";
    EXPECT_NE(AnswerOf(lines).find(stated), std::string::npos) << s.text;

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
