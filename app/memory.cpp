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
// become a leading "0"; p fractional digits for a positional target. written
// receives the result in parts.
Outcome Recall(const std::string& t, const NumberParts& parts, int target, int p, NumberDigits& written)
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
        written = {ArabToRoman(static_cast<unsigned short>(n)), std::string()};
        return {Outcome::OUTPUT, written.whole};
    }
    strM_BUF = t;
    if (!parts.hasSeparator) {
        written = {ConvertText(t, 10, target), std::string()};
    } else {
        const std::string fraction = "0." + t.substr(parts.separator + 1);
        written = {ConvertText(t.substr(0, parts.separator), 10, target),
                   bfConvertFromDec(bfConvertToDec(fraction, 10), target, p).substr(2)};
    }
    return {Outcome::OUTPUT, ComposeNumber(parts.negative, written)};
}

// What MR read: the register's text taken apart as a conversion reads a number.
ReadNumber RegisterAsRead(const std::string& t, const NumberParts& parts, int p)
{
    ReadNumber read;
    read.negative = parts.negative;
    read.hasSeparator = parts.hasSeparator;
    read.whole = parts.hasSeparator ? t.substr(0, parts.separator) : t;
    if (parts.hasSeparator)
        read.fraction = t.substr(parts.separator + 1);
    read.precision = p;
    read.decimal = strM_BUF;
    read.decimalDigits = {trimleft(read.whole), read.fraction};
    if (read.decimalDigits.whole.empty())
        read.decimalDigits.whole = "0";
    return read;
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
Outcome MemoryRecall(int target, const std::string& precisionField, ConversionParts& recalled)
{
    if (!IsSystem(target))
        return Outcome();
    BeginCommand();
    std::string t = bM_REGISTER.print();
    const NumberParts parts = SplitNumber(t);
    const int p = RecallPrecision(precisionField);
    Outcome outcome = Recall(t, parts, target, p, recalled.written);
    if (parts.negative)
        strM_BUF = "-" + strM_BUF;
    recalled.read = RegisterAsRead(t, parts, p);
    recalled.target = target;
    return outcome;
}

Outcome MemoryRecall(int target, const std::string& precisionField)
{
    ConversionParts recalled;
    return MemoryRecall(target, precisionField, recalled);
}

int RecallPrecision(const std::string& precisionField)
{
    return std::min(std::max(StrToNum(precisionField), 0), PREC_MAX);
}

bool MemoryIndicatorShown()
{
    return !zcmp(bM_REGISTER);
}
