#include "convert.h"
#include "memory.h"
#include "state.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int R = -1;

class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppState(); }
};

// Makes the register value at precision prec through MC and M+, as a user would.
void SetRegister(const std::string& value, int prec)
{
    iFT = prec;
    MemoryClear();
    strM_BUF = value;
    MemoryAdd();
    strM_BUF = "0";
}

// MR with the precision field's text: the outcome, and strM_BUF afterwards.
std::string Recall(int target, const std::string& field = "4")
{
    const Outcome outcome = MemoryRecall(target, field);
    return (outcome.kind == Outcome::OUTPUT ? "out:" : "msg:") + outcome.text + " buf:" + strM_BUF;
}

// MR hands out the register as it read it and the result in parts: they
// compose to what it wrote, and the outcome is the plain MR's.
TEST_F(MemoryTest, RecallHandsOutItsParts)
{
    for (const char* value : {"0", "255.5", "-10", "-0.5", "12.75", "0.1", "3999.9", "-1"})
        for (int target : {2, 10, 16, R})
            for (const char* field : {"4", "", "2"}) {
                SCOPED_TRACE(std::string(value) + " to " + std::to_string(target) + " [" + field + "]");
                SetRegister(value, 4);
                const Outcome plain = MemoryRecall(target, field);
                const std::string plainBuf = strM_BUF;
                SetRegister(value, 4);
                ConversionParts parts;
                const Outcome outcome = MemoryRecall(target, field, parts);
                ASSERT_EQ(outcome.kind, plain.kind);
                ASSERT_EQ(outcome.text, plain.text);
                ASSERT_EQ(strM_BUF, plainBuf);
                if (outcome.kind != Outcome::OUTPUT)
                    continue;
                EXPECT_EQ(parts.read.decimal, strM_BUF);
                EXPECT_EQ(parts.read.system, 10);
                EXPECT_EQ(parts.target, target);
                EXPECT_EQ(parts.read.precision, RecallPrecision(field));
                EXPECT_EQ(target == R ? parts.written.whole : ComposeNumber(parts.read.negative, parts.written),
                          outcome.text);
            }
}

TEST_F(MemoryTest, Recall)
{
    struct Row {
        const char* value;
        int target;
        const char* field;
        std::string expected;
    } rows[] = {
        {"0", 2, "4", "out:0 buf:0.0000"},
        {"255.5", 16, "4", "out:FF.8 buf:255.5000"},
        {"255.5", 16, "", "out:FF buf:255.5000"},
        {"255.5", 16, "x1", "out:FF buf:255.5000"},
        {"255.5", 16, "99999999999", "out:FF.8 buf:255.5000"},
        {"0.1", 2, "3", "out:0 buf:0.1000"},
        {"0.1", 2, "5", "out:0.00011 buf:0.1000"},
        {"-10", 2, "4", "out:-1010 buf:-010.0000"},
        {"-0.5", 10, "4", "out:-0.5 buf:-00.5000"},
        {"12.75", R, "4", "out:XII buf:12.7500"},
        {"0.5", R, "4", "out: buf:0.5000"},
        {"3999.9", R, "4", "out:MMMCMXCIX buf:3999.9000"},
        {"4000", R, "4", "msg:" + ERR_OUTOFRANGE + " buf:0"},
        {"-1", R, "4", "msg:" + ERR_MINROMAN + " buf:-0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.value) + " to " + std::to_string(row.target) + " [" + row.field + "]");
        SetRegister(row.value, 4);
        EXPECT_EQ(Recall(row.target, row.field), row.expected);
    }
}

// The precision field is bounded to the largest precision: 0.1 has no end
// in base 2 (0.0 and then 0011 again and again), so the digits show the cap.
TEST_F(MemoryTest, RecallDigitsStopAtTheLargestPrecision)
{
    std::string expansion = "0";
    while (expansion.size() < 1000)
        expansion += "0011";
    SetRegister("0.1", 4);
    EXPECT_EQ(Recall(2, "1001"), "out:0." + expansion.substr(0, 1000) + " buf:0.1000");
}

TEST_F(MemoryTest, RightAfterStart)
{
    EXPECT_EQ(Recall(2), "out:0 buf:0.0000");
    EXPECT_EQ(MemoryAdd().kind, Outcome::NOTHING);
    EXPECT_FALSE(MemoryIndicatorShown());
}

TEST_F(MemoryTest, ConvertedValueAddedTwice)
{
    ASSERT_EQ(ConvertRequest("12", "4", 10, 2).text, "1100");
    MemoryAdd();
    MemoryAdd();
    EXPECT_TRUE(MemoryIndicatorShown());
    EXPECT_EQ(Recall(16), "out:18 buf:24.0000");
}

TEST_F(MemoryTest, OperandIsTheCurrentValue)
{
    struct Row {
        const char* reg;
        const char* current;
        Outcome (*command)();
        const char* expected;  // the register as MR to 10 shows it
        bool shown;
    } rows[] = {
        {"5", "8", MemorySubtract, "out:-3 buf:-03.0000", true},
        {"1.5", "-2", MemoryMultiply, "out:-3 buf:-03.0000", true},
        {"1", "3", MemoryDivide, "out:0.3333 buf:0.3333", true},
        {"-1", "3", MemoryDivide, "out:-0.3333 buf:-00.3333", true},
        {"7", "0", MemoryAdd, "out:7 buf:7.0000", true},
        {"7", "0", MemoryMultiply, "out:0 buf:0.0000", false},
        {"7", "-0", MemoryDivide, "out:7 buf:7.0000", true},
        {"7", "0", MemoryClear, "out:0 buf:0.0000", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.reg) + " with " + row.current);
        SetRegister(row.reg, 4);
        strM_BUF = row.current;
        row.command();
        EXPECT_EQ(MemoryIndicatorShown(), row.shown);
        EXPECT_EQ(Recall(10), row.expected);
    }
}

// MR to Roman drops the fraction from the output only: the current value
// keeps it, so M- clears the register exactly.
TEST_F(MemoryTest, RomanRecallThenSubtract)
{
    SetRegister("12.75", 4);
    EXPECT_EQ(Recall(R), "out:XII buf:12.7500");
    MemorySubtract();
    EXPECT_FALSE(MemoryIndicatorShown());
}

TEST_F(MemoryTest, DivisionByZeroThenByTwo)
{
    SetRegister("9", 4);
    const Outcome refused = MemoryDivide();
    EXPECT_EQ(refused.kind, Outcome::MESSAGE);
    EXPECT_EQ(refused.text, "Операция невозможна:\n\nДеление на нуль!");
    ASSERT_EQ(ConvertRequest("2", "4", 10, 10).kind, Outcome::OUTPUT);
    EXPECT_EQ(MemoryDivide().kind, Outcome::NOTHING);
    EXPECT_EQ(Recall(10), "out:4.5 buf:4.5000");
}

TEST_F(MemoryTest, FailedConversionLeavesZeroOperand)
{
    SetRegister("6", 4);
    ASSERT_EQ(ConvertRequest("1G", "4", 10, 2).kind, Outcome::MESSAGE);
    MemoryAdd();
    MemorySubtract();
    EXPECT_EQ(Recall(10), "out:6 buf:6.0000");
    strM_BUF = "0";  // MR made it the register's value
    EXPECT_EQ(MemoryDivide().kind, Outcome::MESSAGE);
    MemoryMultiply();
    EXPECT_FALSE(MemoryIndicatorShown());
}

// The register keeps its value when the precision changes between commands.
TEST_F(MemoryTest, RescaledToANewPrecision)
{
    struct Row {
        const char* value;
        int madeAt, usedAt;
        Outcome (*command)();  // none: MR alone rescales
        std::string expected;  // MR to 10 at usedAt
        bool shown;
    } rows[] = {
        {"1.5", 4, 2, MemoryAdd, "out:1.5 buf:1.50", true},
        {"1.2345", 4, 2, MemoryAdd, "out:1.23 buf:1.23", true},
        {"1.2345", 4, 8, nullptr, "out:1.2345 buf:1.23450000", true},
        {"-0.001", 3, 1, nullptr, "out:-0 buf:-00.0", false},
        {"-1.99", 2, 1, MemoryAdd, "out:-1.9 buf:-01.9", true},
        {"0.05", 2, 1, MemorySubtract, "out:0 buf:0.0", false},
        {"250", 4, 1000, MemoryAdd, "out:250 buf:250." + std::string(1000, '0'), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.value) + " made at " + std::to_string(row.madeAt));
        SetRegister(row.value, row.madeAt);
        iFT = row.usedAt;
        if (row.command)
            row.command();
        EXPECT_EQ(Recall(10, std::to_string(row.usedAt)), row.expected);
        EXPECT_EQ(MemoryIndicatorShown(), row.shown);
        EXPECT_EQ(iM_REGISTER_PREC, row.usedAt);
    }
}

}  // namespace
