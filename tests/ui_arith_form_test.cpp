// The arithmetic window's fields without a window: its lists' items and
// where they start, the request the fields make, and its key.
#include "arith_form.h"

#include <gtest/gtest.h>

#include "keys.h"
#include "system_lists.h"

namespace {

TEST(ArithForm, ListsAndTheirStartItems)
{
    const std::vector<std::string> systems = OperandSystemItems();
    ASSERT_EQ(systems.size(), 15u);
    EXPECT_EQ(systems.front(), "2-ная");
    EXPECT_EQ(systems[OPERAND_START_ITEM], "10-ная");
    EXPECT_EQ(systems.back(), "16-ная");
    EXPECT_EQ(TargetSystemItems()[RESULT_START_ITEM], "10-ную");
    const std::vector<std::string> operations = OperationItems();
    ASSERT_EQ(operations.size(), 4u);
    EXPECT_EQ(operations[0], "+  сложение");
    EXPECT_EQ(operations[3], ":  деление");
}

TEST(ArithForm, RequestOfTheFields)
{
    ArithFields fields;
    fields.first = " A9 ";
    fields.second = "5 F";
    fields.precision = "12";
    fields.firstSystemItem = 14;
    fields.secondSystemItem = 14;
    fields.operationItem = 2;
    fields.resultItem = 15;  // the Roman item
    const ArithmeticRequest request = RequestOfFields(fields);
    EXPECT_EQ(request.first, "A9");
    EXPECT_EQ(request.second, "5F");
    EXPECT_EQ(request.precision, "12");
    EXPECT_EQ(request.firstSystem, 16);
    EXPECT_EQ(request.secondSystem, 16);
    EXPECT_EQ(request.operation, Operation::MULTIPLY);
    EXPECT_EQ(request.target, -1);
    // Items out of range ask for nothing; the command answers nothing.
    fields.firstSystemItem = -1;
    fields.resultItem = 99;
    EXPECT_EQ(Calculate(RequestOfFields(fields)).kind, ArithmeticOutcome::NOTHING);
    // A computed request through the fields, as the window sends it.
    ArithFields sum;
    sum.first = "1011";
    sum.second = "111";
    sum.precision = "4";
    sum.firstSystemItem = sum.secondSystemItem = 0;
    sum.resultItem = 0;
    EXPECT_EQ(Calculate(RequestOfFields(sum)).result, "10010");
}

TEST(ArithForm, F3OpensTheWindow)
{
    EXPECT_EQ(ActionOfKey(KEY_F3).kind, KeyAction::ARITHMETIC);
    EXPECT_EQ(ActionOfKey(KEY_F2).kind, KeyAction::SOLUTION);
}

}  // namespace

