// The conversion command and then a few memory commands, as one user session
// from start: two systems, the precision field and the number field come from
// the input. Whatever is typed, a request ends in one result or one of the
// program's messages, and the state stays readable for the next command.
#include <cstddef>
#include <cstdint>
#include <string>

#include "bdouble.h"
#include "convert.h"
#include "converter.h"
#include "input.h"
#include "memory.h"
#include "roman.h"
#include "state.h"
#include "systems.h"
#include "texts.h"
#include "validate.h"

namespace {

bool IsProgramMessage(const std::string& text)
{
    for (const std::string* known : {&ERR_WRONGDATA, &ERR_OUTOFRANGE, &ERR_MINROMAN, &ERR_NOINPUT, &ERR_WRONGT,
                                     &ERR_DIVZERO, &ERR_FLOATPOS, &ERR_FLOATMISS, &ERR_NOGT})
        if (text.compare(0, known->size(), *known) == 0)
            return true;
    return false;
}

std::string WithoutSign(const std::string& text)
{
    return !text.empty() && text[0] == '-' ? text.substr(1) : text;
}

// The current value is always a decimal text that bdouble reads: an optional
// "-", digits, at most one ".".
bool IsDecimalText(const std::string& text)
{
    const std::string digits = WithoutSign(text);
    if (digits.empty())
        return false;
    int points = 0;
    for (char ch : digits)
        if (ch == '.')
            ++points;
        else if (ch < '0' || ch > '9')
            return false;
    return points <= 1;
}

// What the output field may show in target: a Roman numeral of 0 to ROMAN_MAX, or
// a signed number of the target's digits.
bool IsResultOf(const std::string& text, int target)
{
    if (target == ROMAN)
        return text.empty() || (CheckValid(text.data(), static_cast<int>(text.size()), ROMAN)
                                && RomanToArab(text.c_str()) <= ROMAN_MAX);
    const std::string digits = WithoutSign(text);
    return CheckValid(digits.data(), static_cast<int>(digits.size()), target);
}

void CheckOutcome(const Outcome& outcome, int target)
{
    FUZZ_CHECK(outcome.kind != Outcome::NOTHING || outcome.text.empty());
    if (outcome.kind == Outcome::MESSAGE)
        FUZZ_CHECK(IsProgramMessage(outcome.text));
    if (outcome.kind == Outcome::OUTPUT)
        FUZZ_CHECK(IsResultOf(outcome.text, target));
    FUZZ_CHECK(IsDecimalText(strM_BUF));
    FUZZ_CHECK(iFT >= 1 && iFT <= PREC_MAX);
}

// A whole result must have the value of the current value (its decimal text).
void CheckWholeValue(const Outcome& outcome, int target)
{
    if (outcome.kind != Outcome::OUTPUT || target == ROMAN || strM_BUF.find('.') != std::string::npos
        || outcome.text.find('.') != std::string::npos)
        return;
    FUZZ_CHECK(Converter(WithoutSign(outcome.text), target).Convert(10)
               == Converter(WithoutSign(strM_BUF), 10).Convert(10));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    ResetAppState();  // inputs do not depend on one another, and the register cannot grow over millions of runs
    FuzzInput input(data, size);
    const int source = SystemOfByte(input.Byte());
    const int target = SystemOfByte(input.Byte());
    const uint8_t memoryCommands = input.Byte();
    const std::string precision = input.Text('\n');
    const std::string number = RemoveSpaces(input.Rest());

    const std::string decimalBefore = strM_BUF;
    const Outcome outcome = ConvertRequest(number, precision, source, target);
    if (!IsSystem(source) || !IsSystem(target)) {
        FUZZ_CHECK(outcome.kind == Outcome::NOTHING && strM_BUF == decimalBefore && iFT == PREC_DEFAULT);
        return 0;
    }
    FUZZ_CHECK(outcome.kind != Outcome::NOTHING);
    CheckOutcome(outcome, target);
    if (outcome.kind == Outcome::MESSAGE)
        FUZZ_CHECK(strM_BUF == "0");  // a refused request leaves no current value
    CheckWholeValue(outcome, target);

    // Two bits per memory command: which of four, in the order the byte gives.
    for (int k = 0; k < 4; ++k) {
        const int command = (memoryCommands >> (2 * k)) & 3;
        const Outcome memory = command == 0   ? MemoryAdd()
                               : command == 1 ? MemoryMultiply()
                               : command == 2 ? MemoryDivide()
                                              : MemoryRecall(target, precision);
        if (command == 3)
            FUZZ_CHECK(memory.kind != Outcome::NOTHING);
        else
            FUZZ_CHECK(memory.kind == Outcome::NOTHING || memory.text == ERR_DIVZERO);
        CheckOutcome(memory, target);
    }
    MemorySubtract();
    MemoryClear();
    FUZZ_CHECK(!MemoryIndicatorShown());
    return 0;
}
