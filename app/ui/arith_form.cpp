// The items of the arithmetic window's lists and the request of its fields.
#include "arith_form.h"

#include "convert.h"
#include "system_lists.h"
#include "systems.h"
#include "text.h"

namespace {

const Operation OPERATIONS[] = {Operation::ADD, Operation::SUBTRACT, Operation::MULTIPLY, Operation::DIVIDE};
const char* const OPERATION_WORDS[] = {"сложение", "вычитание", "умножение", "деление"};

// The system an item of a list stands for, 0 for none.
int SystemOf(const std::vector<std::string>& items, int index)
{
    return index >= 0 && static_cast<size_t>(index) < items.size() ? SystemOfItem(items[static_cast<size_t>(index)]) : 0;
}

}  // namespace

std::vector<std::string> OperandSystemItems()
{
    std::vector<std::string> items;
    for (int n = NSmin; n <= NSmax; ++n)
        items.push_back(NumToStr(n) + "-ная");
    return items;
}

std::vector<std::string> OperationItems()
{
    std::vector<std::string> items;
    for (int k = 0; k < 4; ++k)
        items.push_back(std::string(OperationSign(OPERATIONS[k])) + "  " + OPERATION_WORDS[k]);
    return items;
}

ArithmeticRequest RequestOfFields(const ArithFields& fields)
{
    ArithmeticRequest request;
    request.first = RemoveSpaces(fields.first);
    request.second = RemoveSpaces(fields.second);
    request.precision = fields.precision;
    request.firstSystem = SystemOf(OperandSystemItems(), fields.firstSystemItem);
    request.secondSystem = SystemOf(OperandSystemItems(), fields.secondSystemItem);
    request.target = SystemOf(TargetSystemItems(), fields.resultItem);
    request.operation = fields.operationItem >= 0 && fields.operationItem < 4 ? OPERATIONS[fields.operationItem]
                                                                              : Operation::ADD;
    return request;
}
