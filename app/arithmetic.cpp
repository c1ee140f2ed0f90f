// The arithmetic command: the operands read as conversions read a number,
// the value computed as an exact rational number, and written in the target.
#include "arithmetic.h"

#include <climits>

#include "converter.h"
#include "roman.h"
#include "systems.h"
#include "text.h"
#include "texts.h"
#include "validate.h"

namespace {

const char NO_FIRST[] = "Операция невозможна:\n\nПервое число не задано";
const char NO_SECOND[] = "Операция невозможна:\n\nВторое число не задано";

int LengthOf(const std::string& text)
{
    return text.size() <= static_cast<size_t>(INT_MAX) ? static_cast<int>(text.size()) : 0;
}

// The first character of number (its sign aside) that is no digit of base
// and no separator: what a refusal of a bad character names.
char BadCharacter(const std::string& number, int base)
{
    for (size_t at = 0; at < number.size(); ++at) {
        const char ch = number[at];
        if (at == 0 && ch == '-')
            continue;
        if (!IsSeparator(ch) && DigitValue(ch, base) < 0)
            return ch;
    }
    return '?';
}

// Windows-1251 capital letter made small, for a message continued after a colon.
std::string WithSmallFirst(std::string text)
{
    if (!text.empty()) {
        const unsigned char first = static_cast<unsigned char>(text[0]);
        if (first >= 0xC0 && first <= 0xDF)
            text[0] = static_cast<char>(first + 0x20);
    }
    return text;
}

// The conversion's message for a refused number, told of one operand: which
// one, and for a bad character which character.
std::string OperandFault(const char* name, const std::string& number, int base, const std::string& fault)
{
    const std::string head = ERR_WRONGDATA + "\n\n";
    if (fault.compare(0, head.size(), head) != 0)
        return fault;
    const std::string detail = fault.substr(head.size());
    if (detail.compare(0, 9, "Диапазон ") == 0)
        return head + name + ": знак «" + std::string(1, BadCharacter(number, base)) + "» не является цифрой "
            + NumToStr(base) + "-ной системы счисления.\n\n" + detail;
    return head + name + ": " + WithSmallFirst(detail);
}

ArithmeticOutcome Refused(const std::string& message)
{
    ArithmeticOutcome outcome;
    outcome.kind = ArithmeticOutcome::MESSAGE;
    outcome.message = message;
    return outcome;
}

Rational ValueOfRead(const ReadNumber& read)
{
    return RationalOf(read.negative, read.whole, read.fraction, read.system);
}

Rational Apply(Operation operation, const Rational& a, const Rational& b)
{
    switch (operation) {
    case Operation::ADD: return Sum(a, b);
    case Operation::SUBTRACT: return Difference(a, b);
    case Operation::MULTIPLY: return Product(a, b);
    default: return Quotient(a, b);
    }
}

// The signed text of an expansion's cut digits, as a conversion composes it.
std::string CutText(bool negative, const BaseExpansion& e)
{
    return ComposeNumber(negative, e.whole, e.fraction.empty() ? std::string() : "0." + e.fraction);
}

// The quotient cut toward zero and the remainder with the dividend's sign,
// for two whole operands (denominators 1).
void WholeDivision(ArithmeticOutcome& outcome)
{
    const Rational& a = outcome.firstValue;
    const Rational& b = outcome.secondValue;
    outcome.wholeDivision = true;
    naturals::DivMod(a.numerator, b.numerator, outcome.quotient.numerator, outcome.remainder.numerator);
    outcome.quotient.negative = !outcome.quotient.numerator.empty() && a.negative != b.negative;
    outcome.remainder.negative = !outcome.remainder.numerator.empty() && a.negative;
}

// A Roman numeral for a whole value from 0 to ROMAN_MAX, the conversion's
// messages otherwise.
bool WriteRoman(ArithmeticOutcome& outcome)
{
    if (outcome.value.negative || !outcome.expansion.fraction.empty() || !outcome.expansion.exact) {
        outcome = Refused(ERR_MINROMAN);
        return false;
    }
    const std::string& whole = outcome.expansion.whole;
    if (whole.size() > 4 || StrToNum(whole) > ROMAN_MAX) {
        outcome = Refused(ERR_OUTOFRANGE);
        return false;
    }
    outcome.result = ArabToRoman(static_cast<unsigned short>(StrToNum(whole)));
    outcome.exactValue = outcome.result;
    return true;
}

}  // namespace

const char* OperandName(int which)
{
    return which == 1 ? "Первое число" : "Второе число";
}

const char* OperationSign(Operation operation)
{
    switch (operation) {
    case Operation::ADD: return "+";
    case Operation::SUBTRACT: return "-";
    case Operation::MULTIPLY: return "·";
    default: return ":";
    }
}

ArithmeticOutcome Calculate(const ArithmeticRequest& request)
{
    if (!IsBase(request.firstSystem) || !IsBase(request.secondSystem) || !IsSystem(request.target))
        return ArithmeticOutcome();
    if (request.first.empty())
        return Refused(NO_FIRST);
    if (request.second.empty())
        return Refused(NO_SECOND);
    if (request.precision.empty())
        return Refused(ERR_NOGT);

    ArithmeticOutcome outcome;
    std::string firstFault, secondFault;
    const bool firstOk = ReadNumberText(request.first, request.firstSystem, outcome.firstRead, firstFault);
    const bool secondOk = ReadNumberText(request.second, request.secondSystem, outcome.secondRead, secondFault);
    const bool precisionOk = CheckValidT(request.precision.data(), LengthOf(request.precision));
    if (!firstOk || !secondOk || !precisionOk) {
        std::string fault = !firstOk ? OperandFault(OperandName(1), request.first, request.firstSystem, firstFault)
                            : !secondOk ? OperandFault(OperandName(2), request.second, request.secondSystem, secondFault)
                                        : std::string();
        if (!precisionOk)
            fault = fault.empty() ? ERR_WRONGT : ERR_WRONGT + ",\n\n" + fault;
        return Refused(fault);
    }
    outcome.precision = StrToNum(request.precision);
    outcome.firstValue = ValueOfRead(outcome.firstRead);
    outcome.secondValue = ValueOfRead(outcome.secondRead);
    if (request.operation == Operation::DIVIDE && IsZero(outcome.secondValue))
        return Refused(ERR_DIVZERO);

    outcome.kind = ArithmeticOutcome::RESULT;
    outcome.target = request.target;
    outcome.value = Apply(request.operation, outcome.firstValue, outcome.secondValue);
    const bool negative = outcome.value.negative;
    if (request.target == ROMAN) {
        outcome.expansion = CutIn(outcome.value, 10, outcome.precision);
        if (!WriteRoman(outcome))
            return outcome;
    } else {
        outcome.expansion = ExpandIn(outcome.value, request.target, outcome.precision);
        const BaseExpansion& e = outcome.expansion;
        outcome.result = CutText(negative, e);
        outcome.exact = e.exact;
        outcome.exactWritten = e.written;
        if (e.written)
            outcome.exactValue = (negative ? "-" : "") + e.whole + (e.exactFraction.empty() ? "" : "." + e.exactFraction);
    }
    if (request.operation == Operation::DIVIDE && IsWhole(outcome.firstValue) && IsWhole(outcome.secondValue))
        WholeDivision(outcome);
    return outcome;
}

std::string DecimalText(const ArithmeticOutcome& outcome)
{
    if (outcome.kind != ArithmeticOutcome::RESULT)
        return std::string();
    if (outcome.target == 10)
        return outcome.result;
    const BaseExpansion decimal =
        outcome.target == ROMAN ? outcome.expansion : CutIn(outcome.value, 10, outcome.precision);
    return CutText(outcome.value.negative, decimal);
}

std::string WholeText(const ArithmeticOutcome& outcome, const Rational& whole)
{
    if (outcome.target != ROMAN)
        return (whole.negative ? "-" : "") + BinaryToDigits(whole.numerator, outcome.target);
    // A whole division into the Roman system has a whole result from 0 to
    // ROMAN_MAX: the quotient is that result, the remainder zero.
    const std::string decimal = BinaryToDigits(whole.numerator, 10);
    return whole.negative || decimal.size() > 4 || StrToNum(decimal) > ROMAN_MAX
        ? std::string() : ArabToRoman(static_cast<unsigned short>(StrToNum(decimal)));
}
