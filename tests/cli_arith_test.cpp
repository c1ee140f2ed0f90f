// kalvorix-cli --arith: how an expression is read (signs, operators in ASCII
// and Unicode, the three ways to name a base, spaces), what is refused, and
// the options it goes with.
#include "arith.h"

#include <gtest/gtest.h>

#include <string>

#include "args.h"
#include "texts.h"

namespace {

struct ExpressionRow {
    std::string typed;
    int defaultSystem;
    std::string first;
    int firstSystem;
    Operation operation;
    std::string second;
    int secondSystem;
};

TEST(CliArith, ExpressionsAreReadIntoTheirParts)
{
    const Operation ADD = Operation::ADD, SUB = Operation::SUBTRACT, MUL = Operation::MULTIPLY,
                    DIV = Operation::DIVIDE;
    const ExpressionRow rows[] = {
        {"1011_2 + 111_2", 10, "1011", 2, ADD, "111", 2},
        {"1011(2)+111(2)", 10, "1011", 2, ADD, "111", 2},
        {u8"1011\u2082 + 111\u2082", 10, "1011", 2, ADD, "111", 2},
        {u8"a9\u2081\u2086 + 5f_16", 10, "A9", 16, ADD, "5F", 16},
        {"17 + 25", 8, "17", 8, ADD, "25", 8},
        {"5--3", 10, "5", 10, SUB, "-3", 10},
        {"-5-3", 10, "-5", 10, SUB, "3", 10},
        {" - 5 - - 3 ", 10, "-5", 10, SUB, "-3", 10},
        {u8"5 \u2212 3", 10, "5", 10, SUB, "3", 10},
        {"6*7", 10, "6", 10, MUL, "7", 10},
        {u8"6\u00D77", 10, "6", 10, MUL, "7", 10},
        {u8"6\u00B77", 10, "6", 10, MUL, "7", 10},
        {"1/3", 10, "1", 10, DIV, "3", 10},
        {"11110_2 : 110_2", 10, "11110", 2, DIV, "110", 2},
        {u8"1\u00F73", 10, "1", 10, DIV, "3", 10},
        {"0,5(10) + 0.1(3)", 2, "0,5", 10, ADD, "0.1", 3},
        {"1 0 1 1_2 + 1", 10, "1011", 2, ADD, "1", 10},
        // What follows the operator is the second number, whatever it holds.
        {"1+2+3", 10, "1", 10, ADD, "2+3", 10},
        {"+5", 10, "", 10, ADD, "5", 10},
        {"5+", 10, "5", 10, ADD, "", 10},
        {u8"\u0410+1", 16, "?", 16, ADD, "1", 16},
    };
    for (const ExpressionRow& row : rows) {
        SCOPED_TRACE(row.typed);
        ArithmeticRequest request;
        std::string fault;
        ASSERT_TRUE(ReadExpression(row.typed, row.defaultSystem, request, fault)) << fault;
        EXPECT_EQ(request.first, row.first);
        EXPECT_EQ(request.firstSystem, row.firstSystem);
        EXPECT_EQ(request.operation, row.operation);
        EXPECT_EQ(request.second, row.second);
        EXPECT_EQ(request.secondSystem, row.secondSystem);
        EXPECT_TRUE(fault.empty());
    }
}

TEST(CliArith, ExpressionsThatAreRefused)
{
    const std::string noOperation =
        "Операция невозможна:\n\nНет знака действия: выражение записывается как «A + B» (знаки +, -, *, /, :)";
    const struct {
        std::string typed;
        std::string fault;
    } rows[] = {
        {"12", noOperation},
        {"", noOperation},
        {"-", noOperation},
        {"1(17)+1", ERR_WRONGDATA + "\n\nПервое число: основание системы счисления «17» — не число от 2 до 16."},
        {"1+1_1", ERR_WRONGDATA + "\n\nВторое число: основание системы счисления «1» — не число от 2 до 16."},
        {"1_+1", ERR_WRONGDATA + "\n\nПервое число: основание системы счисления «» — не число от 2 до 16."},
        {"1(02)+1", ERR_WRONGDATA + "\n\nПервое число: основание системы счисления «02» — не число от 2 до 16."},
        {"1(roman)+1", ERR_WRONGDATA + "\n\nПервое число: основание системы счисления «roman» — не число от 2 до 16."},
        {u8"1+1(\u0434\u0432\u0430)", ERR_WRONGDATA + "\n\nВторое число: основание системы счисления «???» — не число от 2 до 16."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ArithmeticRequest request;
        std::string fault;
        EXPECT_FALSE(ReadExpression(row.typed, 10, request, fault));
        EXPECT_EQ(fault, row.fault);
    }
}

TEST(CliArith, Options)
{
    const struct {
        std::vector<std::string> args;
        bool ok;
        int source, target;
    } rows[] = {
        {{"--arith", "1+1"}, true, 10, 10},
        {{"--arith", "-f", "2", "1+1"}, true, 2, 2},
        {{"-t", "16", "--arith", "-f", "2", "1+1"}, true, 2, 16},
        {{"--arith", "-t", "roman", "1+1"}, true, 10, -1},
        {{"1"}, true, 10, 2},
        {{"--arith", "-f", "roman", "I+I"}, false, 0, 0},
        {{"--arith", "-t", "all", "1+1"}, false, 0, 0},
    };
    for (const auto& row : rows) {
        CliOptions options;
        std::string error;
        std::string line;
        for (const std::string& arg : row.args)
            line += arg + " ";
        SCOPED_TRACE(line);
        ASSERT_EQ(ParseArguments(row.args, options, error), row.ok) << error;
        if (row.ok) {
            EXPECT_EQ(options.source, row.source);
            EXPECT_EQ(options.target, row.target);
        } else {
            EXPECT_EQ(error, "--arith: числа записываются в системах с основаниями от 2 до 16, ответ — в одной "
                             "системе (-f roman и -t all не используются)");
        }
    }
}

// A report as kalvorix-cli prints it: the result, the whole division's
// parts, the decimal value only for --json, the solution only for --steps.
TEST(CliArith, Reports)
{
    CliOptions options;
    options.arithmetic = true;
    options.target = 10;
    const RequestReport plain = RunArithmetic("-17 : 5", options);
    EXPECT_TRUE(plain.converted);
    EXPECT_EQ(plain.result, "-3.4");
    EXPECT_TRUE(plain.wholeDivision);
    EXPECT_EQ(plain.quotient, "-3");
    EXPECT_EQ(plain.remainder, "-2");
    EXPECT_TRUE(plain.decimal.empty());
    EXPECT_TRUE(plain.steps.empty());
    options.json = true;
    options.steps = true;
    options.target = 16;
    const RequestReport json = RunArithmetic("255.5 / 2", options);
    EXPECT_EQ(json.result, "7F.C");
    EXPECT_EQ(json.decimal, "127.75");
    EXPECT_FALSE(json.wholeDivision);
    EXPECT_FALSE(json.steps.empty());
    EXPECT_EQ(json.input, "255.5 / 2");
    const RequestReport refused = RunArithmetic("1/0", options);
    EXPECT_FALSE(refused.converted);
    EXPECT_EQ(refused.message, ERR_DIVZERO);
}

}  // namespace
