// The worked solution of arithmetic: the textbook's cases read as a teacher
// reads them (their whole texts), a property test over random requests of
// every pair of systems against the command's own result, and the column
// and corner steps against machine words and long division done apart.
#include "arithsteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "arith.h"
#include "charset.h"
#include "columnsteps.h"
#include "converter.h"
#include "cornersteps.h"
#include "notation.h"
#include "steptext.h"
#include "test_digits.h"
#include "utf8.h"

namespace {

struct Solved {
    ArithmeticRequest request;
    ArithmeticOutcome outcome;
    Solution solution;
};

// An expression as kalvorix-cli reads it, computed and solved.
Solved Solve(const std::string& expression, int target, const std::string& precision = "4")
{
    Solved s;
    std::string fault;
    EXPECT_TRUE(ReadExpression(expression, 10, s.request, fault)) << fault;
    s.request.target = target;
    s.request.precision = precision;
    s.outcome = Calculate(s.request);
    s.solution = SolveArithmetic(s.request, s.outcome);
    return s;
}

// The paragraph of text that begins with "Ответ: ", its lines joined by
// spaces as they were before the page's width broke them; "" when there is none.
std::string AnswerOf(const std::string& text)
{
    const size_t at = text.find("Ответ: ");
    if (at == std::string::npos)
        return std::string();
    std::string answer;
    for (size_t k = at; k < text.size() && text.compare(k, 2, "\n\n") != 0; ++k) {
        if (text[k] != '\n')
            answer += text[k];
        else if (k + 1 < text.size())
            answer += ' ';
        while (text[k] == '\n' && k + 1 < text.size() && text[k + 1] == ' ')
            ++k;  // the carried-over line's indent
    }
    return answer;
}

// The lines of text longer than LINE_WIDTH columns (one byte each) that
// have a space to break at: a number too long for a line stays whole.
std::vector<std::string> WideLines(const std::string& text)
{
    std::vector<std::string> wide;
    for (size_t from = 0; from < text.size();) {
        const size_t end = std::min(text.find('\n', from), text.size());
        const size_t word = text.find_first_not_of(' ', from);
        if (end - from > LINE_WIDTH && text.find(' ', word) < end)
            wide.push_back(Cp1251ToUtf8(text.substr(from, end - from)));
        from = end + 1;
    }
    return wide;
}

struct Golden {
    const char* expression;
    const char* target;
    const char* result;
    const char* text;  // UTF-8
};

// The textbook's tasks. Each text was read as a teacher reads a pupil's
// work: the columns add up, the carries and borrowed units stand where they
// belong, the corner's remainders are right, and the answer says whether
// it is exact.
TEST(ArithmeticSolution, GoldenSolutions)
{
    const Golden goldens[] = {
        {"1011_2 + 111_2", "2", "10010",
         u8R"(Вычисляем 1011₂ + 111₂ в двоичной системе счисления.

Складываем столбиком справа налево: в каждом разряде — обе цифры и перенос.
Если сумма не меньше основания 2, пишем её младшую цифру, а старшую переносим
в следующий разряд.
     111
     1011
  +   111
    -----
    10010

  1) 1 + 1 = 2 = 10₂: пишем 0, 1 переносим.
  2) 1 + 1 + 1 = 3 = 11₂: пишем 1, 1 переносим.
  3) 0 + 1 + 1 = 2 = 10₂: пишем 0, 1 переносим.
  4) 1 + 0 + 1 = 2 = 10₂: пишем 0, 1 пишем впереди, в новый старший разряд.

Ответ: 1011₂ + 111₂ = 10010₂. Результат точный.

Проверка — из суммы вычитаем второе слагаемое, должно получиться первое:
  10010₂ - 111₂ = 1011₂ — верно.
)"},
        {"1101_2 - 111_2", "2", "110",
         u8R"(Вычисляем 1101₂ - 111₂ в двоичной системе счисления.

Вычитаем столбиком, разряд за разрядом справа налево.
Если цифры уменьшаемого не хватает, занимаем единицу старшего разряда: она
равна 2 единицам этого разряда.
Над разрядом, у которого заняли, ставим точку: там вычитаем ещё эту
единицу (- 1).
    ··
    1101
  -  111
    ----
     110

  1) 1 - 1 = 0: пишем 0.
  2) 0 - 1: не хватает, занимаем единицу старшего разряда: 2 + 0 - 1 = 1:
     пишем 1.
  3) 1 - 1 - 1: не хватает, занимаем единицу старшего разряда:
     2 + 1 - 1 - 1 = 1: пишем 1.
  4) 1 - 0 - 1 = 0: пишем 0.
Нули в начале целой части и в конце дробной части не пишем: 0110 = 110.

Ответ: 1101₂ - 111₂ = 110₂. Результат точный.

Проверка — к разности прибавляем вычитаемое, должно получиться уменьшаемое:
  110₂ + 111₂ = 1101₂ — верно.
)"},
        {"1101_2 * 101_2", "2", "1000001",
         u8R"(Вычисляем 1101₂ · 101₂ в двоичной системе счисления.

Умножаем столбиком: первое число — на каждую цифру второго, справа налево;
каждое следующее частичное произведение пишем со сдвигом на разряд влево, затем
частичные произведения складываем.
В двоичной системе частичное произведение — само первое число (цифра 1) или
нули (цифра 0).
       1101
  ·     101
       ----
       1101
  +   0000
     1101
    -------
    1000001

Частичные произведения:
  1) 1101 · 1 = 1101
  2) 1101 · 0 = 0000, сдвиг на 1 разряд
  3) 1101 · 1 = 1101, сдвиг на 2 разряда

Сумма частичных произведений: 1000001.

Ответ: 1101₂ · 101₂ = 1000001₂. Результат точный.

Проверка — произведение делим на второй множитель, должно получиться первое:
  1000001₂ : 101₂ = 1101₂ — верно.
)"},
        {"11110_2 : 110_2", "2", "101",
         u8R"(Вычисляем 11110₂ : 110₂ в двоичной системе счисления.
Точность: 4 цифры в дробной части.

Делим уголком в двоичной системе счисления.
Первое неполное делимое — наименьшее число из первых цифр делимого, не меньшее
делителя.
Сколько раз в неполном делимом укладывается делитель — очередная цифра частного;
вычитаем и сносим следующую цифру делимого, а когда цифры кончатся — нуль.
   11110 | 110
  -110   |----
   ---   | 101
     110
    -110
     ---
       0

  1) 111 : 110 = 1, остаток 111 - 110 = 1
  2) 11 : 110 = 0, остаток 11 (11 меньше 110)
  3) 110 : 110 = 1, остаток 110 - 110 = 0
Остаток 0, и цифры делимого кончились: деление закончено.

Оба числа целые и делятся нацело: 11110₂ = 110₂ · 101₂.

Ответ: 11110₂ : 110₂ = 101₂. Результат точный.

Проверка — частное умножаем на делитель, должно получиться делимое:
  101₂ · 110₂ = 11110₂ — верно.
)"},
        {"17_8 + 25_8", "8", "44",
         u8R"(Вычисляем 17₈ + 25₈ в восьмеричной системе счисления.

Складываем столбиком справа налево: в каждом разряде — обе цифры и перенос.
Если сумма не меньше основания 8, пишем её младшую цифру, а старшую переносим
в следующий разряд.
    1
    17
  + 25
    --
    44

  1) 7 + 5 = 12 = 14₈: пишем 4, 1 переносим.
  2) 1 + 2 + 1 = 4: пишем 4.

Ответ: 17₈ + 25₈ = 44₈. Результат точный.

Проверка — из суммы вычитаем второе слагаемое, должно получиться первое:
  44₈ - 25₈ = 17₈ — верно.
)"},
        {"A9_16 + 5F_16", "8", "410",
         u8R"(Вычисляем A9₁₆ + 5F₁₆ в восьмеричной системе счисления.

Переводим A9₁₆ в восьмеричную систему счисления.
Основания 16 = 2⁴ и 8 = 2³ — степени двойки.
Поэтому переводим через двоичную систему: сначала в двоичную (шаг 1),
затем из двоичной в восьмеричную (шаг 2).

Шаг 1. Каждую шестнадцатеричную цифру заменяем тетрадой — четырьмя двоичными
цифрами:
  10 (A) — 1010
       9 — 1001
A9₁₆ = 1010 1001₂.

Шаг 2. Двоичные цифры разбиваем на триады — группы по три цифры — от точки:
целую часть справа налево, дробную слева направо; недостающие цифры дополняем
нулями.
Каждую триаду заменяем восьмеричной цифрой:
  010 — 2
  101 — 5
  001 — 1
10101001₂ = 010 101 001₂ = 251₈.

Переводим 5F₁₆ в восьмеричную систему счисления.
Основания 16 = 2⁴ и 8 = 2³ — степени двойки.
Поэтому переводим через двоичную систему: сначала в двоичную (шаг 1),
затем из двоичной в восьмеричную (шаг 2).

Шаг 1. Каждую шестнадцатеричную цифру заменяем тетрадой — четырьмя двоичными
цифрами:
       5 — 0101
  15 (F) — 1111
5F₁₆ = 0101 1111₂ = 1011111₂. Нули в начале целой части и в конце дробной части
не пишем.

Шаг 2. Двоичные цифры разбиваем на триады — группы по три цифры — от точки:
целую часть справа налево, дробную слева направо; недостающие цифры дополняем
нулями.
Каждую триаду заменяем восьмеричной цифрой:
  001 — 1
  011 — 3
  111 — 7
1011111₂ = 001 011 111₂ = 137₈.

Складываем столбиком справа налево: в каждом разряде — обе цифры и перенос.
Если сумма не меньше основания 8, пишем её младшую цифру, а старшую переносим
в следующий разряд.
    11
    251
  + 137
    ---
    410

  1) 1 + 7 = 8 = 10₈: пишем 0, 1 переносим.
  2) 5 + 3 + 1 = 9 = 11₈: пишем 1, 1 переносим.
  3) 2 + 1 + 1 = 4: пишем 4.

Ответ: A9₁₆ + 5F₁₆ = 410₈. Результат точный.

Проверка — из суммы вычитаем второе слагаемое, должно получиться первое:
  410₈ - 137₈ = 251₈ — верно.
)"},
        {"101_2 + 7_8", "10", "12",
         u8R"(Вычисляем 101₂ + 7₈ в десятичной системе счисления.

Переводим 101₂ в десятичную систему счисления.
Складываем цифры числа, умноженные на степени основания 2:
  101₂ = 1·2² + 0·2¹ + 1·2⁰ = 4 + 0 + 1 = 5₁₀

Переводим 7₈ в десятичную систему счисления.
Число записано одной цифрой, её значение — 7: 7₈ = 7₁₀.

Складываем столбиком справа налево: в каждом разряде — обе цифры и перенос.
Если сумма не меньше основания 10, пишем её младшую цифру, а старшую переносим
в следующий разряд.
     5
  +  7
    --
    12

  1) 5 + 7 = 12: пишем 2, 1 пишем впереди, в новый старший разряд.

Ответ: 101₂ + 7₈ = 12₁₀. Результат точный.

Проверка — из суммы вычитаем второе слагаемое, должно получиться первое:
  12₁₀ - 7₁₀ = 5₁₀ — верно.
)"},
        {"1_3 : 10_3", "10", "0.3333",
         u8R"(Вычисляем 1₃ : 10₃ в десятичной системе счисления.
Точность: 4 цифры в дробной части.

Переводим 1₃ в десятичную систему счисления.
Число записано одной цифрой, её значение — 1: 1₃ = 1₁₀.

Переводим 10₃ в десятичную систему счисления.
Складываем цифры числа, умноженные на степени основания 3:
  10₃ = 1·3¹ + 0·3⁰ = 3 + 0 = 3₁₀

Делим уголком в десятичной системе счисления.
Первое неполное делимое — наименьшее число из первых цифр делимого, не меньшее
делителя.
Сколько раз в неполном делимом укладывается делитель — очередная цифра частного;
вычитаем и сносим следующую цифру делимого, а когда цифры кончатся — нуль.
   1.0 | 3
    -9 |----
   --- | 0.3
     1

  1) 1 : 3 = 0, остаток 1 (1 меньше 3); цифры целой части кончились: в частном
     ставим точку
  2) 10 : 3 = 3, остаток 10 - 9 = 1
Остаток 1 после шага 2 уже был после шага 1: дальше цифры частного повторяются,
период — 1 цифра.

Оба числа целые: неполное частное — 0₁₀ (дробная часть отброшена),
остаток — 1₁₀:
  1₁₀ = 3₁₀ · 0₁₀ + 1₁₀

Ответ: 1₃ : 10₃ = 0.3333₁₀.
Результат неточный: в дробной части оставлено 4 цифры, остальные отброшены, без
округления.
Точное значение: 0.(3)₁₀.
)"},
        {"17 : 5", "10", "3.4",
         u8R"(Вычисляем 17₁₀ : 5₁₀ в десятичной системе счисления.
Точность: 4 цифры в дробной части.

Делим уголком в десятичной системе счисления.
Первое неполное делимое — наименьшее число из первых цифр делимого, не меньшее
делителя.
Сколько раз в неполном делимом укладывается делитель — очередная цифра частного;
вычитаем и сносим следующую цифру делимого, а когда цифры кончатся — нуль.
   17.0 | 5
  -15   |----
   --   | 3.4
    2 0
   -2 0
    ---
      0

  1) 17 : 5 = 3, остаток 17 - 15 = 2; цифры целой части кончились: в частном
     ставим точку
  2) 20 : 5 = 4, остаток 20 - 20 = 0
Остаток 0, и цифры делимого кончились: деление закончено.

Оба числа целые: неполное частное — 3₁₀ (дробная часть отброшена),
остаток — 2₁₀:
  17₁₀ = 5₁₀ · 3₁₀ + 2₁₀

Ответ: 17₁₀ : 5₁₀ = 3.4₁₀. Результат точный.

Проверка — частное умножаем на делитель, должно получиться делимое:
  3.4₁₀ · 5₁₀ = 17₁₀ — верно.
)"},
        {"101_2 - 1000_2", "2", "-11",
         u8R"(Вычисляем 101₂ - 1000₂ в двоичной системе счисления.

Вычитаемое больше уменьшаемого: из большего числа вычитаем меньшее, а разность
отрицательная.
  101₂ - 1000₂ = -(1000₂ - 101₂)

Вычитаем столбиком, разряд за разрядом справа налево.
Если цифры уменьшаемого не хватает, занимаем единицу старшего разряда: она
равна 2 единицам этого разряда.
Над разрядом, у которого заняли, ставим точку: там вычитаем ещё эту
единицу (- 1).
    ···
    1000
  -  101
    ----
      11

  1) 0 - 1: не хватает, занимаем единицу старшего разряда: 2 + 0 - 1 = 1:
     пишем 1.
  2) 0 - 0 - 1: не хватает, занимаем единицу старшего разряда:
     2 + 0 - 0 - 1 = 1: пишем 1.
  3) 0 - 1 - 1: не хватает, занимаем единицу старшего разряда:
     2 + 0 - 1 - 1 = 0: пишем 0.
  4) 1 - 0 - 1 = 0: пишем 0.
Нули в начале целой части и в конце дробной части не пишем: 0011 = 11.

Ответ: 101₂ - 1000₂ = -11₂. Результат точный.

Проверка — к разности прибавляем вычитаемое, должно получиться уменьшаемое:
  -11₂ + 1000₂ = 101₂ — верно.
)"},
    };
    for (const Golden& golden : goldens) {
        SCOPED_TRACE(golden.expression);
        const Solved s = Solve(golden.expression, std::stoi(golden.target));
        ASSERT_EQ(s.outcome.kind, ArithmeticOutcome::RESULT);
        EXPECT_EQ(s.outcome.result, golden.result);
        EXPECT_TRUE(s.solution.solved);
        EXPECT_EQ(Cp1251ToUtf8(s.solution.text), golden.text);
    }
}

// A refused request, and one that asks for nothing, have no solution.
TEST(ArithmeticSolution, NoSolutionWithoutAResult)
{
    const Solved zero = Solve("5 / 0", 10);
    EXPECT_FALSE(zero.solution.solved);
    EXPECT_EQ(Cp1251ToUtf8(zero.solution.text), u8"Решения нет: действие не выполнено.\n");
    ArithmeticRequest nothing;
    nothing.firstSystem = -1;
    const Solution none = SolveArithmetic(nothing, Calculate(nothing));
    EXPECT_FALSE(none.solved);
}

// Random requests of every pair of systems, signs, fractions and targets:
// the solution answers with the command's result and says what the
// command says of its exactness.
TEST(ArithmeticSolution, AnswersWithTheCommandsResult)
{
    std::mt19937_64 rng(61);
    const char SIGNS[] = "+-*/";
    for (int round = 0; round < 1500; ++round) {
        const int baseA = 2 + static_cast<int>(rng() % 15), baseB = 2 + static_cast<int>(rng() % 15);
        const int target = rng() % 10 == 0 ? -1 : 2 + static_cast<int>(rng() % 15);
        auto number = [&rng](int base) {
            std::string text = (rng() % 4 == 0 ? "-" : "") + testdigits::RandomDigits(rng, 1 + rng() % 5, base);
            if (rng() % 2)
                text += "." + testdigits::RandomDigits(rng, 1 + rng() % 4, base);
            return text + "_" + std::to_string(base);
        };
        const std::string expression = number(baseA) + " " + SIGNS[rng() % 4] + " " + number(baseB);
        const std::string precision = std::to_string(1 + rng() % 9);
        SCOPED_TRACE(expression + " -> " + std::to_string(target) + ", precision " + precision);
        const Solved s = Solve(expression, target, precision);
        if (s.outcome.kind != ArithmeticOutcome::RESULT) {
            EXPECT_FALSE(s.solution.solved);
            continue;
        }
        ASSERT_TRUE(s.solution.solved);
        EXPECT_EQ(s.solution.exact, s.outcome.exact);
        EXPECT_EQ(s.solution.exactWritten, s.outcome.exactWritten);
        EXPECT_EQ(s.solution.exactValue, s.outcome.exactValue);
        const std::string answer = AnswerOf(s.solution.text);
        const std::string stated = target == -1 ? s.outcome.result : Based(s.outcome.result, target);
        if (!s.outcome.result.empty()) {
            EXPECT_NE(answer.find(" = " + stated + "."), std::string::npos) << Cp1251ToUtf8(s.solution.text);
        }
        EXPECT_EQ(answer.find("Результат точный.") != std::string::npos, s.outcome.exact || target == -1)
            << Cp1251ToUtf8(s.solution.text);
        EXPECT_EQ(WideLines(s.solution.text), std::vector<std::string>()) << Cp1251ToUtf8(s.solution.text);
    }
}

// Every meeting of signs: which rule is named, and how the task is rewritten
// into the work on the magnitudes; a sum of positive numbers needs neither.
TEST(ArithmeticSolution, SignsOfEveryPairAndOperation)
{
    const char* const SUBTRACT_NEGATIVE = u8"Вычесть отрицательное число — то же, что прибавить его модуль.";
    const char* const SIGNS_DIFFER = u8"Знаки разные: из большего модуля вычитаем меньший";
    const char* const BOTH_NEGATIVE = u8"Оба слагаемых отрицательные: складываем модули";
    const char* const NEGATIVE_MINUS_POSITIVE = u8"Из отрицательного числа вычитаем положительное: складываем модули";
    const char* const SUBTRAHEND_LARGER = u8"Вычитаемое больше уменьшаемого";
    const struct {
        const char* expression;
        std::vector<const char*> rules;
        const char* formula;  // "" when the task is worked as it stands
    } rows[] = {
        {"3 + 5", {}, ""},
        {"3 + -5", {SIGNS_DIFFER}, u8"3₁₀ + (-5₁₀) = -(5₁₀ - 3₁₀)"},
        {"5 + -3", {SIGNS_DIFFER}, u8"5₁₀ + (-3₁₀) = 5₁₀ - 3₁₀"},
        {"-3 + 5", {SIGNS_DIFFER}, u8"-3₁₀ + 5₁₀ = 5₁₀ - 3₁₀"},
        {"-5 + 3", {SIGNS_DIFFER}, u8"-5₁₀ + 3₁₀ = -(5₁₀ - 3₁₀)"},
        {"-3 + -5", {BOTH_NEGATIVE}, u8"-3₁₀ + (-5₁₀) = -(3₁₀ + 5₁₀)"},
        {"5 - 3", {}, ""},
        {"3 - 5", {SUBTRAHEND_LARGER}, u8"3₁₀ - 5₁₀ = -(5₁₀ - 3₁₀)"},
        {"3 - -5", {SUBTRACT_NEGATIVE}, u8"3₁₀ - (-5₁₀) = 3₁₀ + 5₁₀"},
        {"-3 - 5", {NEGATIVE_MINUS_POSITIVE}, u8"-3₁₀ - 5₁₀ = -(3₁₀ + 5₁₀)"},
        {"-3 - -5", {SUBTRACT_NEGATIVE, SIGNS_DIFFER}, u8"-3₁₀ - (-5₁₀) = -3₁₀ + 5₁₀ = 5₁₀ - 3₁₀"},
        {"-5 - -3", {SUBTRACT_NEGATIVE, SIGNS_DIFFER}, u8"-5₁₀ - (-3₁₀) = -5₁₀ + 3₁₀ = -(5₁₀ - 3₁₀)"},
        {"-3 * 5", {u8"Знаки разные: произведение отрицательное, умножаем модули"}, ""},
        {"-3 * -5", {u8"Оба числа отрицательные: произведение положительное, умножаем модули."}, ""},
        {"3 / -5", {u8"Знаки разные: частное отрицательное, делим модули"}, ""},
        {"-3 / -5", {u8"Оба числа отрицательные: частное положительное, делим модули."}, ""},
    };
    const char* const ALL_RULES[] = {SUBTRACT_NEGATIVE, SIGNS_DIFFER, BOTH_NEGATIVE, NEGATIVE_MINUS_POSITIVE,
                                     SUBTRAHEND_LARGER, u8"Знаки разные:", u8"Оба числа отрицательные:"};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expression);
        // Each rule's words searched for fit the first line of its sentence.
        const std::string text = Cp1251ToUtf8(Solve(row.expression, 10).solution.text);
        for (const char* rule : ALL_RULES) {
            const bool named = std::any_of(row.rules.begin(), row.rules.end(), [rule](const char* r) {
                return std::string(r).compare(0, std::string(rule).size(), rule) == 0;
            });
            EXPECT_EQ(text.find(rule) != std::string::npos, named) << rule << u8"\n" << text;
        }
        if (*row.formula != '\0')
            EXPECT_NE(text.find(std::string(u8"\n  ") + row.formula + u8"\n"), std::string::npos) << text;
        else
            EXPECT_EQ(text.find(" = -("), std::string::npos) << text;
    }
}

// A long line breaks where a reader expects it: not after "Ответ:" alone,
// which left the answer's words and its number apart, but where a sentence
// or the formula allows, the first line at least half full.
TEST(ArithmeticSolution, LongLinesBreakAtTheBestSpace)
{
    const Solved s = Solve("FF76100_16 - 0.DDDDDDD2_16", 14, "1000");
    const std::string text = Cp1251ToUtf8(s.solution.text);
    const std::string answer = u8"\n\nОтвет: FF76100₁₆ - 0.DDDDDDD2₁₆ = 2780C607.1C1C1C222D4712659819C8A99730C37₁₄.\n"
                               u8"Результат точный.\n";
    EXPECT_NE(text.find(answer), std::string::npos) << text;
    EXPECT_EQ(WideLines(s.solution.text), std::vector<std::string>());
}

// A column too long to draw, over a subtrahend with fewer digits: the top
// rows borrow nothing from above the shorter number, and the lengths count
// digits.
TEST(ArithmeticSolution, LongColumnOverAShorterNumber)
{
    const Solved s = Solve("FF00761_16 - 0.00000000000000DDDDD2_16", 14, "1000");
    ASSERT_EQ(s.outcome.kind, ArithmeticOutcome::RESULT);
    const std::string text = Cp1251ToUtf8(s.solution.text);
    EXPECT_NE(text.find(u8"  87) 2 - 0 = 2: пишем 2.\n"), std::string::npos) << text;
    EXPECT_NE(text.find(u8"27724C5B.000000…000000000000000 (87 цифр)"), std::string::npos) << text;
}

// ---- the column and the corner, against arithmetic done apart ----------------

std::string Digits(unsigned long long value, int base)
{
    std::string text;
    do {
        text.insert(text.begin(), "0123456789ABCDEF"[value % static_cast<unsigned long long>(base)]);
        value /= static_cast<unsigned long long>(base);
    } while (value != 0);
    return text;
}

// A quotient whose expansion the caller does not know: the corner divides to the precision.
QuotientFacts Unknown()
{
    QuotientFacts facts;
    facts.written = false;
    return facts;
}

Positional Of(unsigned long long digits, uint64_t fraction)
{
    return {naturals::FromWord(digits), fraction};
}

// The digits the rows of a column table write, from the first row to the
// last: "пишем 4" gives 4, "пишем 0, 1 пишем впереди" gives 0 then 1. A cut
// table writes only some: "?" then.
std::string Written(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        if (line.find("пропущено строк") != std::string::npos)
            return "?";
    std::string digits;
    for (const std::string& line : lines) {
        const size_t at = line.find("пишем ");
        if (line.find(") ") == std::string::npos || at == std::string::npos)
            continue;
        digits.insert(digits.begin(), line[at + 6]);
        const size_t front = line.find(" пишем впереди");
        if (front != std::string::npos)
            digits.insert(0, line.substr(line.find(", ", at) + 2, front - line.find(", ", at) - 2));
    }
    return digits;
}

TEST(ArithmeticColumns, SumsDifferencesAndProductsAgainstMachineWords)
{
    std::mt19937_64 rng(62);
    for (int round = 0; round < 3000; ++round) {
        const int base = 2 + static_cast<int>(rng() % 15);
        const uint64_t fa = rng() % 3, fb = rng() % 3;
        // Up to 100,000, or up to 60 in small bases: most tables whole, some cut.
        const unsigned long long bound = round % 2 ? 100000 : 60;
        const unsigned long long x = rng() % bound, y = rng() % bound;
        SCOPED_TRACE(Digits(x, base) + "/" + std::to_string(fa) + " and " + Digits(y, base) + "/" + std::to_string(fb)
                     + " in " + std::to_string(base));
        EndsReader reader(base);
        unsigned long long scale = 1;
        for (uint64_t k = 0; k < (fa > fb ? fa - fb : fb - fa); ++k)
            scale *= static_cast<unsigned long long>(base);
        const unsigned long long ax = fa >= fb ? x : x * scale, ay = fb >= fa ? y : y * scale;
        Positional result;
        const std::vector<std::string> sum = ColumnAdditionLines(Of(x, fa), Of(y, fb), reader, result);
        ASSERT_EQ(result.digits, naturals::FromWord(ax + ay));
        if (Written(sum) != "?") {
            EXPECT_EQ(Written(sum), Digits(ax + ay, base));
        }
        const unsigned long long big = std::max(ax, ay), small = std::min(ax, ay);
        const std::vector<std::string> difference = ColumnSubtractionLines(
            Of(ax == big ? x : y, ax == big ? fa : fb), Of(ax == big ? y : x, ax == big ? fb : fa), reader, result);
        ASSERT_EQ(result.digits, naturals::FromWord(big - small));
        std::string written = Written(difference);
        written.erase(0, std::min(written.find_first_not_of('0'), written.size() - 1));
        if (written != "?") {
            EXPECT_EQ(written, Digits(big - small, base));
        }
        const std::vector<std::string> product = ColumnMultiplicationLines(Of(x, fa), Of(y, fb), reader, result);
        ASSERT_EQ(result.digits, naturals::FromWord(x * y));
        ASSERT_EQ(result.fraction, fa + fb);
        // Each partial product is the first number times one digit of the second.
        for (const std::string& line : product) {
            const size_t times = line.find(" · "), item = line.find_first_not_of(' ');
            const size_t number = line.find_first_not_of("0123456789", item);
            if (number == item || number == std::string::npos || line.compare(number, 2, ") ") != 0
                || times == std::string::npos)
                continue;
            const unsigned long long digit = std::stoull(line.substr(times + 3, 1), nullptr, base);
            const size_t equals = line.find(" = ", times);
            const std::string partial = line.substr(equals + 3, line.find(',', equals) - equals - 3);
            EXPECT_EQ(std::stoull(partial, nullptr, base), x * digit) << line;
        }
    }
}

// The quotient's digits as the steps find them, against long division by
// GMP, digit by digit; the drawing's quotient is the same.
TEST(ArithmeticColumns, CornerStepsAgainstLongDivision)
{
    std::mt19937_64 rng(63);
    for (int round = 0; round < 1500; ++round) {
        const int base = 2 + static_cast<int>(rng() % 15);
        const unsigned long long x = rng() % (base < 4 ? 60 : 5000), y = 1 + rng() % (base < 4 ? 12 : 300);
        const int precision = 1 + static_cast<int>(rng() % 6);
        SCOPED_TRACE(Digits(x, base) + " : " + Digits(y, base) + " in " + std::to_string(base));
        EndsReader reader(base);
        const std::vector<std::string> lines =
            CornerDivisionLines(Of(x, 0), Of(y, 0), reader, precision, Unknown());
        // Long division: whole digits first, then precision digits after the point.
        std::string expected;
        const std::string dividend = Digits(x, base);
        unsigned long long rest = 0;
        for (size_t k = 0; k < dividend.size() + static_cast<size_t>(precision); ++k) {
            rest = rest * static_cast<unsigned long long>(base)
                + (k < dividend.size() ? static_cast<unsigned long long>(std::stoi(dividend.substr(k, 1), nullptr, base)) : 0);
            expected += Digits(rest / y, base);
            rest %= y;
            if (k + 1 == dividend.size())
                expected += ".";
        }
        expected.erase(0, std::min(expected.find_first_not_of('0'), expected.find('.') - 1));
        if (Written(lines) == "?")
            continue;  // a cut table: its ends are checked below
        std::string found;
        for (const std::string& line : lines) {
            const size_t equals = line.find(" = ");
            if (line.find(") ") == std::string::npos || line.find(" : ") == std::string::npos || equals == std::string::npos)
                continue;
            found += line.substr(equals + 3, 1);
            if (line.find("ставим точку") != std::string::npos)
                found += ".";
        }
        EXPECT_EQ(found, expected);
    }
}

}  // namespace
