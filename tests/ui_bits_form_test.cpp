// The window of numbers in memory without its window: the items of its
// lists, each choice and direction run to its fields and solution, the width
// read only for the codes, refusals with their messages, and F4.
#include "bits_form.h"

#include <gtest/gtest.h>

#include <string>

#include "codes.h"
#include "codesteps.h"
#include "floats.h"
#include "floatsteps.h"
#include "keys.h"

namespace {

TEST(BitsForm, ListItems)
{
    EXPECT_EQ(BitsChoiceItems(), (std::vector<std::string>{"Коды целого числа", "binary16 (половинная точность)",
                                                           "binary32 (одинарная точность)", "binary64 (двойная точность)"}));
    const std::vector<std::string> systems = BitsSystemItems();
    ASSERT_EQ(systems.size(), 15u);
    EXPECT_EQ(systems.front(), "2");
    EXPECT_EQ(systems[BITS_SYSTEM_START_ITEM], "10");
    EXPECT_EQ(systems.back(), "16");
}

// Each choice and direction gives the fields and the solution of the
// module it stands for, as the command line gives them.
TEST(BitsForm, EveryChoiceAndDirection)
{
    BitsRequest request;
    request.number = "- 4 5";
    BitsAnswer answer = AnswerBits(request);
    ASSERT_TRUE(answer.done) << answer.message;
    IntegerCodes codes;
    std::string fault;
    ASSERT_TRUE(EncodeInteger("-45", 10, 8, codes, fault));
    EXPECT_EQ(answer.fields, CodeFields(codes));
    EXPECT_EQ(answer.solution, CodesSolution(codes));

    request = BitsRequest();
    request.number = "D3";
    request.system = 16;
    request.reading = true;
    request.width = "12";
    answer = AnswerBits(request);
    ASSERT_TRUE(answer.done) << answer.message;
    EXPECT_EQ(answer.fields.front(), (BitField{"Код", "0000 1101 0011 (12 бит)"}));
    EXPECT_EQ(answer.fields.back(), (BitField{"Дополнительный код", "211"}));

    const int widths[] = {16, 32, 64};
    for (int choice = 1; choice <= 3; ++choice) {
        SCOPED_TRACE(choice);
        FloatFormat format;
        ASSERT_TRUE(FloatFormatOf(widths[choice - 1], format));
        request = BitsRequest();
        request.number = "0.1";
        request.choice = choice;
        request.width = "not read for a format";
        answer = AnswerBits(request);
        ASSERT_TRUE(answer.done) << answer.message;
        FloatEncoding encoding;
        ASSERT_TRUE(EncodeFloat("0.1", 10, format, encoding, fault));
        EXPECT_EQ(answer.fields, FloatEncodingFields(encoding));
        EXPECT_EQ(answer.solution, FloatSolution(encoding));
        EXPECT_LE(answer.fields.size(), static_cast<size_t>(MOST_BIT_FIELDS));

        request.number = encoding.value.hex;
        request.system = 16;
        request.reading = true;
        answer = AnswerBits(request);
        ASSERT_TRUE(answer.done) << answer.message;
        EXPECT_EQ(answer.fields, FloatFields(encoding.value));
        EXPECT_EQ(answer.solution, FloatReadingSolution(encoding.value, encoding.value.hex, 16));
    }
}

TEST(BitsForm, RefusalsGiveTheMessage)
{
    const struct {
        std::string number;
        int system, choice;
        bool reading;
        std::string width, message;
    } rows[] = {
        {"5", 10, 0, false, "1", "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов."},
        {"5", 10, 0, true, "", "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов."},
        {"300", 10, 0, false, "8", "Число не помещается в 8-разрядную сетку:\n\nв дополнительном коде 8 разрядов "
                                   "записываются числа от -128 до 127."},
        {"", 10, 2, false, "8", "Операция невозможна:\n\nИсходное число не задано"},
        {"1G", 16, 3, true, "8", "Введено неверное значение:\n\nДиапазон 16-ной системы счисления: {0..F}."},
        {"12345", 16, 1, true, "8", "Код не помещается в 16-разрядную сетку:\n\nв нём больше 16 двоичных разрядов."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.number + " / " + row.width);
        BitsRequest request;
        request.number = row.number;
        request.system = row.system;
        request.choice = row.choice;
        request.reading = row.reading;
        request.width = row.width;
        const BitsAnswer answer = AnswerBits(request);
        EXPECT_FALSE(answer.done);
        EXPECT_EQ(answer.message, row.message);
        EXPECT_TRUE(answer.fields.empty());
        EXPECT_TRUE(answer.solution.empty());
    }
    // A choice or system no list offers asks for nothing.
    for (const auto& pair : {std::make_pair(4, 10), std::make_pair(-1, 10), std::make_pair(0, 17), std::make_pair(1, 1)}) {
        BitsRequest request;
        request.number = "1";
        request.choice = pair.first;
        request.system = pair.second;
        const BitsAnswer answer = AnswerBits(request);
        EXPECT_FALSE(answer.done);
        EXPECT_EQ(answer.message, "");
    }
}

TEST(BitsForm, F4OpensTheWindow)
{
    EXPECT_EQ(ActionOfKey(KEY_F4).kind, KeyAction::BITS);
    EXPECT_EQ(KEY_F4, 0x73);
}

}  // namespace
