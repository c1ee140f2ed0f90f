// The arithmetic command: the textbook's sums, differences, products and
// quotients in their systems, whole division, signs, Roman results, every
// refusal with its message, and the program's state left alone.
#include "arithmetic.h"

#include <gtest/gtest.h>

#include <string>

#include "state.h"
#include "texts.h"

namespace {

const int R = -1;
const Operation ADD = Operation::ADD, SUB = Operation::SUBTRACT, MUL = Operation::MULTIPLY,
                DIV = Operation::DIVIDE;

ArithmeticOutcome Compute(const std::string& a, int baseA, Operation op, const std::string& b, int baseB, int target,
                      const std::string& precision = "4")
{
    ArithmeticRequest request;
    request.first = a;
    request.firstSystem = baseA;
    request.operation = op;
    request.second = b;
    request.secondSystem = baseB;
    request.target = target;
    request.precision = precision;
    return Calculate(request);
}

// A request of the tables: the two numbers and their systems, the
// operation, the target and the precision.
struct Task {
    const char* a;
    int baseA;
    Operation op;
    const char* b;
    int baseB;
    int target;
    const char* precision;
};

ArithmeticOutcome Compute(const Task& task)
{
    return Compute(task.a, task.baseA, task.op, task.b, task.baseB, task.target, task.precision);
}

std::string Named(const Task& task)
{
    return std::string(task.a) + " " + OperationSign(task.op) + " " + task.b + " -> " + std::to_string(task.target);
}

struct Row {
    Task task;
    const char* result;
    const char* decimal;
    bool exact;
    const char* exactValue;
    const char* quotient;  // "" when the division is not of two whole numbers
    const char* remainder;
};

TEST(Arithmetic, TextbookCases)
{
    const Row rows[] = {
        {{"1011", 2, ADD, "111", 2, 2, "4"}, "10010", "18", true, "10010", "", ""},
        {{"1101", 2, SUB, "111", 2, 2, "4"}, "110", "6", true, "110", "", ""},
        {{"1101", 2, MUL, "101", 2, 2, "4"}, "1000001", "65", true, "1000001", "", ""},
        {{"11110", 2, DIV, "110", 2, 2, "4"}, "101", "5", true, "101", "101", "0"},
        {{"17", 8, ADD, "25", 8, 8, "4"}, "44", "36", true, "44", "", ""},
        {{"A9", 16, ADD, "5F", 16, 8, "4"}, "410", "264", true, "410", "", ""},
        {{"101", 2, ADD, "7", 8, 10, "4"}, "12", "12", true, "12", "", ""},
        {{"1", 3, DIV, "10", 3, 10, "4"}, "0.3333", "0.3333", false, "0.(3)", "0", "1"},
        // Whole division with a remainder, in decimal and in binary.
        {{"17", 10, DIV, "5", 10, 10, "4"}, "3.4", "3.4", true, "3.4", "3", "2"},
        {{"10001", 2, DIV, "101", 2, 2, "4"}, "11.011", "3.4", false, "11.(0110)", "11", "10"},
        // Signs: the quotient cut toward zero, the remainder with the dividend's sign.
        {{"-17", 10, DIV, "5", 10, 10, "4"}, "-3.4", "-3.4", true, "-3.4", "-3", "-2"},
        {{"17", 10, DIV, "-5", 10, 10, "4"}, "-3.4", "-3.4", true, "-3.4", "-3", "2"},
        {{"-17", 10, DIV, "-5", 16, 16, "4"}, "3.6666", "3.4", false, "3.(6)", "3", "-2"},
        {{"101", 2, SUB, "1000", 2, 2, "4"}, "-11", "-3", true, "-11", "", ""},
        {{"-5", 10, SUB, "-3", 10, 10, "4"}, "-2", "-2", true, "-2", "", ""},
        {{"5", 10, SUB, "-3", 10, 10, "4"}, "8", "8", true, "8", "", ""},
        {{"-2.5", 10, MUL, "4", 10, 10, "4"}, "-10", "-10", true, "-10", "", ""},
        // Fractions: finite, cut, and of a system whose fraction has no end in the target.
        {{"0.1", 3, ADD, "0.1", 3, 10, "4"}, "0.6666", "0.6666", false, "0.(6)", "", ""},
        {{"0.11", 2, MUL, "0.11", 2, 2, "2"}, "0.1", "0.56", false, "0.1001", "", ""},
        {{"0,5", 10, ADD, "0.25", 10, 2, "4"}, "0.11", "0.75", true, "0.11", "", ""},
        {{"0.001", 10, SUB, "0.002", 10, 10, "2"}, "-0", "-0", false, "-0.001", "", ""},
        {{"1", 10, DIV, "7", 10, 10, "8"}, "0.14285714", "0.14285714", false, "0.(142857)", "0", "1"},
        {{"FF.8", 16, DIV, "2", 10, 16, "4"}, "7F.C", "127.75", true, "7F.C", "", ""},
        {{"0", 10, MUL, "-5", 10, 2, "4"}, "0", "0", true, "0", "", ""},
        {{"5.0", 10, DIV, "2", 10, 10, "4"}, "2.5", "2.5", true, "2.5", "2", "1"},
        // The Roman system as the target: whole results from 1 to 3999, and zero.
        {{"1994", 10, ADD, "6", 10, R, "4"}, "MM", "2000", true, "MM", "", ""},
        {{"11110", 2, DIV, "110", 2, R, "4"}, "V", "5", true, "V", "V", ""},
        {{"2", 10, SUB, "2", 10, R, "4"}, "", "0", true, "", "", ""},
        {{"0.5", 10, ADD, "0.5", 10, R, "4"}, "I", "1", true, "I", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Named(row.task));
        const ArithmeticOutcome o = Compute(row.task);
        ASSERT_EQ(o.kind, ArithmeticOutcome::RESULT) << o.message;
        EXPECT_EQ(o.result, row.result);
        EXPECT_EQ(DecimalText(o), row.decimal);
        EXPECT_EQ(o.exact, row.exact);
        EXPECT_TRUE(o.exactWritten);
        EXPECT_EQ(o.exactValue, row.exactValue);
        EXPECT_EQ(o.wholeDivision, std::string(row.quotient).size() > 0 || (row.task.op == DIV && row.task.target == R));
        if (o.wholeDivision) {
            EXPECT_EQ(WholeText(o, o.quotient), row.quotient);
            EXPECT_EQ(WholeText(o, o.remainder), row.remainder);
        }
    }
}

struct RefusalRow {
    Task task;
    std::string message;
};

TEST(Arithmetic, Refusals)
{
    const std::string firstTwo = ERR_WRONGDATA + "\n\nПервое число: знак «2» не является цифрой 2-ной системы "
                                                 "счисления.\n\nДиапазон 2-ной системы счисления: {0..1}.";
    const RefusalRow rows[] = {
        {{"", 10, ADD, "1", 10, 10, "4"}, "Операция невозможна:\n\nПервое число не задано"},
        {{"1", 10, ADD, "", 10, 10, ""}, "Операция невозможна:\n\nВторое число не задано"},
        {{"1", 10, ADD, "1", 10, 10, ""}, ERR_NOGT},
        {{"1021", 2, ADD, "1", 2, 2, "4"}, firstTwo},
        {"1", 2, ADD, "G", 16, 2, "4",
         ERR_WRONGDATA + "\n\nВторое число: знак «G» не является цифрой 16-ной системы счисления.\n\nДиапазон "
                         "16-ной системы счисления: {0..F}."},
        {{"1", 10, ADD, "1.2.3", 10, 10, "4"}, ERR_WRONGDATA + "\n\nВторое число: несколько разделителей частей числа"},
        {{"1.", 10, ADD, "1", 10, 10, "4"}, ERR_WRONGDATA + "\n\nПервое число: ожидается дробная часть числа"},
        {"5-3", 10, ADD, "1", 10, 10, "4",
         ERR_WRONGDATA + "\n\nПервое число: знак «-» не является цифрой 10-ной системы счисления.\n\nДиапазон "
                         "10-ной системы счисления: {0..9}."},
        {{"1", 10, ADD, "1", 10, 10, "0"}, ERR_WRONGT},
        {{"1", 10, ADD, "1", 10, 10, "1001"}, ERR_WRONGT},
        {{"1021", 2, ADD, "1", 2, 2, "x"}, ERR_WRONGT + ",\n\n" + firstTwo},
        {{"5", 10, DIV, "0.000", 10, 10, "4"}, ERR_DIVZERO},
        {{"-0", 10, DIV, "-0", 10, 10, "4"}, ERR_DIVZERO},
        {{"3", 10, SUB, "5", 10, R, "4"}, ERR_MINROMAN},
        {{"7", 10, DIV, "2", 10, R, "4"}, ERR_MINROMAN},
        {{"1", 10, DIV, "3", 10, R, "1"}, ERR_MINROMAN},
        {{"3000", 10, ADD, "1000", 10, R, "4"}, ERR_OUTOFRANGE},
        {{"FFFFFF", 16, MUL, "FFFFFF", 16, R, "4"}, ERR_OUTOFRANGE},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(Named(row.task));
        const ArithmeticOutcome o = Compute(row.task);
        EXPECT_EQ(o.kind, ArithmeticOutcome::MESSAGE);
        EXPECT_EQ(o.message, row.message);
        EXPECT_TRUE(o.result.empty());
    }
}

// Only the bases are operands' systems; anything else asks for nothing.
TEST(Arithmetic, SystemsThatAreNotAsked)
{
    EXPECT_EQ(Compute("X", R, ADD, "1", 10, 10).kind, ArithmeticOutcome::NOTHING);
    EXPECT_EQ(Compute("1", 10, ADD, "1", 17, 10).kind, ArithmeticOutcome::NOTHING);
    EXPECT_EQ(Compute("1", 10, ADD, "1", 10, 1).kind, ArithmeticOutcome::NOTHING);
    EXPECT_EQ(Compute("1", 10, ADD, "1", 10, 0).kind, ArithmeticOutcome::NOTHING);
}

// The command keeps nothing: the precision and the current value stay as
// the conversions left them.
TEST(Arithmetic, LeavesTheProgramsStateAlone)
{
    ResetAppState();
    iFT = 7;
    strM_BUF = "12.5";
    Compute("1", 10, DIV, "3", 10, 2, "20");
    Compute("1", 10, DIV, "0", 10, 2, "20");
    Compute("1", 10, DIV, "3", 10, 2, "");
    EXPECT_EQ(iFT, 7);
    EXPECT_EQ(strM_BUF, "12.5");
    ResetAppState();
}

// A fraction whose exact digits are too many to write: a period of 10,006
// digits (1/10007 in decimal), and 10,001 digits before a period.
TEST(Arithmetic, ExactValuesTooLongToWrite)
{
    const ArithmeticOutcome prime = Compute("1", 10, DIV, "10007", 10, 10, "4");
    EXPECT_EQ(prime.result, "0");
    EXPECT_FALSE(prime.exact);
    EXPECT_FALSE(prime.exactWritten);
    EXPECT_TRUE(prime.exactValue.empty());
    const ArithmeticOutcome power = Compute("1", 2, DIV, "1" + std::string(10001, '0'), 2, 10, "4");
    EXPECT_FALSE(power.exact);
    EXPECT_FALSE(power.exactWritten);
    const ArithmeticOutcome shorter = Compute("1", 2, DIV, "1" + std::string(10000, '0'), 2, 10, "4");
    EXPECT_TRUE(shorter.exactWritten);
    EXPECT_EQ(shorter.exactValue.size(), 10002u);
}

}  // namespace
