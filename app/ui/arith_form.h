// The "Арифметика" window's fields without a window: the items of its lists,
// where each starts, and the request that the fields' texts and chosen items
// make, read as the main window's input field reads a number.
#ifndef KALVORIX_UI_ARITH_FORM_H
#define KALVORIX_UI_ARITH_FORM_H

#include <string>
#include <vector>

#include "arithmetic.h"

std::vector<std::string> OperandSystemItems();  // "2-ная" ... "16-ная": the bases alone
std::vector<std::string> OperationItems();      // "+  сложение", "-  вычитание", "·  умножение", ":  деление"
constexpr int OPERAND_START_ITEM = 8;           // "10-ная"
constexpr int RESULT_START_ITEM = 8;            // "10-ную" of TargetSystemItems()

// What the window's fields hold: the texts as typed (letters already
// capitals, as the fields make them) and the chosen items, -1 for none.
struct ArithFields {
    std::string first, second, precision;
    int firstSystemItem = OPERAND_START_ITEM;
    int secondSystemItem = OPERAND_START_ITEM;
    int operationItem = 0;
    int resultItem = RESULT_START_ITEM;  // an item of TargetSystemItems()
};

// The request of the fields: spaces removed from both numbers, the systems
// and the operation of the items. An item out of range gives a system the
// command does not ask for (it answers nothing).
ArithmeticRequest RequestOfFields(const ArithFields& fields);

#endif
