// The memory register's commands: the register combined with the current
// value, and recalled in any system.
#include "memory.h"

#include <algorithm>

#include "bdouble.h"
#include "convert.h"
#include "converter.h"
#include "digits.h"
#include "fraction.h"
#include "roman.h"
#include "state.h"
#include "systems.h"
#include "text.h"
#include "texts.h"
#include "validate.h"

namespace {

// Applies the working precision and rescales the register to it, since a
// bdouble's digits mean nothing at another precision: exact when the
// precision rises, cut toward zero when it falls, the sign kept.
void BeginCommand()
{
    SetPrec(iFT);
    if (iFT == iM_REGISTER_PREC)
        return;
    const int shift = iFT - iM_REGISTER_PREC;
    bM_REGISTER.digits = shift > 0 ? shift_left(bM_REGISTER.digits, shift) : shift_right(bM_REGISTER.digits, -shift);
    bM_REGISTER.normal();
    iM_REGISTER_PREC = iFT;
}

// The current value as an operand; strM_BUF is always a decimal text.
bdouble CurrentValue()
{
    return bdouble(strM_BUF);
}

// The register's value in target, from its printed text t whose sign has
// become a leading "0"; p fractional digits for a positional target.
Outcome Recall(const std::string& t, const NumberParts& parts, int target, int p)
{
    if (target == ROMAN) {
        if (parts.negative) {
            strM_BUF = "0";
            return {Outcome::MESSAGE, ERR_MINROMAN};
        }
        const int n = StrToNum(t);  // reads the whole part only: the fraction is dropped
        if (n > ROMAN_MAX) {
            strM_BUF = "0";
            return {Outcome::MESSAGE, ERR_OUTOFRANGE};
        }
        strM_BUF = t;
        return {Outcome::OUTPUT, ArabToRoman(static_cast<unsigned short>(n))};
    }
    strM_BUF = t;
    if (!parts.hasSeparator)
        return {Outcome::OUTPUT, ComposeNumber(parts.negative, ConvertText(t, 10, target), std::string())};
    const std::string whole = t.substr(0, parts.separator);
    const std::string fraction = "0." + t.substr(parts.separator + 1);
    return {Outcome::OUTPUT, ComposeNumber(parts.negative, ConvertText(whole, 10, target),
                                           bfConvertFromDec(bfConvertToDec(fraction, 10), target, p))};
}

}  // namespace

Outcome MemoryClear()
{
    BeginCommand();
    bM_REGISTER = bdouble("0.0");
    return Outcome();
}

Outcome MemoryAdd()
{
    BeginCommand();
    bM_REGISTER = bM_REGISTER + CurrentValue();
    return Outcome();
}

Outcome MemorySubtract()
{
    BeginCommand();
    bM_REGISTER = bM_REGISTER - CurrentValue();
    return Outcome();
}

Outcome MemoryMultiply()
{
    BeginCommand();
    bM_REGISTER = bM_REGISTER * CurrentValue();
    return Outcome();
}

// A zero divisor leaves the register as it was.
Outcome MemoryDivide()
{
    BeginCommand();
    const bdouble quotient = bM_REGISTER / CurrentValue();
    if (bdGetLastError())
        return {Outcome::MESSAGE, ERR_DIVZERO};
    bM_REGISTER = quotient;
    return Outcome();
}

// A refused recall leaves the current value zero, with the register's sign.
Outcome MemoryRecall(int target, const std::string& precisionField)
{
    if (!IsSystem(target))
        return Outcome();
    BeginCommand();
    std::string t = bM_REGISTER.print();
    const NumberParts parts = SplitNumber(t);
    Outcome outcome = Recall(t, parts, target, RecallPrecision(precisionField));
    if (parts.negative)
        strM_BUF = "-" + strM_BUF;
    return outcome;
}

int RecallPrecision(const std::string& precisionField)
{
    return std::min(std::max(StrToNum(precisionField), 0), PREC_MAX);
}

bool MemoryIndicatorShown()
{
    return !zcmp(bM_REGISTER);
}
