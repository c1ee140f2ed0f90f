// The conversion command: validation, the four paths between positional and
// Roman systems, and the messages of a refused request.
#include "convert.h"

#include <algorithm>
#include <climits>

#include "bdouble.h"
#include "converter.h"
#include "fraction.h"
#include "roman.h"
#include "state.h"
#include "systems.h"
#include "text.h"
#include "texts.h"
#include "validate.h"

namespace {

// A length for the validators; a text too long for an int is refused, not
// validated in part.
int LengthOf(const std::string& text)
{
    return text.size() <= static_cast<size_t>(INT_MAX) ? static_cast<int>(text.size()) : 0;
}

Outcome Fail(const std::string& message)
{
    strM_BUF = "0";
    return {Outcome::MESSAGE, message};
}

Outcome Succeed(std::string result, std::string decimal)
{
    strM_BUF = std::move(decimal);
    return {Outcome::OUTPUT, std::move(result)};
}

// The text of a number that CheckValid refused, by its last-error code.
std::string NumberFault(int source, const NumberParts& parts)
{
    switch (LibGetLastError()) {
    case LIB_BADCHAR:
        if (source != ROMAN)
            return ERR_WRONGDATA + "\n\nДиапазон " + NumToStr(source) + "-ной системы счисления: {0.."
                + DIGITS[source - 1] + "}.";
        if (parts.negative || parts.hasSeparator)
            return ERR_WRONGDATA + "\n\nОтрицательные и дробные числа не поддерживаются\nв римской системе счисления";
        return ERR_WRONGDATA + "\n\nДиапазон римской системы счисления:\n{M, D, C, L, X, V, I}.";
    case LIB_MANYSEP:
        return ERR_WRONGDATA + "\n\n" + ERR_FLOATPOS;
    case LIB_TRAILINGSEP:
        return ERR_WRONGDATA + "\n\n" + ERR_FLOATMISS;
    default:
        return std::string();
    }
}

// Only a whole non-negative number has a Roman numeral; the sign and the
// separator are refused before the range is looked at.
Outcome ToRoman(const ReadNumber& read, NumberDigits& written)
{
    if (read.negative || read.hasSeparator)
        return Fail(ERR_MINROMAN);
    const int v = StrToNum(read.decimal);
    if (v > ROMAN_MAX)
        return Fail(ERR_OUTOFRANGE);
    written = {ArabToRoman(static_cast<unsigned short>(v)), std::string()};
    return Succeed(written.whole, read.decimal);
}

// The number in base: the whole part exactly, the fraction exactly expanded
// and cut to the precision.
NumberDigits DigitsIn(const ReadNumber& read, int base)
{
    NumberDigits digits;
    digits.whole = ConvertText(read.whole, read.system, base);
    if (read.hasSeparator)
        digits.fraction = ConvertFraction(read.fraction, read.system, base, read.precision).substr(2);
    return digits;
}

// The decimal digits and text of a positional number read at its precision.
void ReadDecimal(ReadNumber& read)
{
    read.decimalDigits = DigitsIn(read, 10);
    read.decimal = ComposeNumber(read.negative, read.decimalDigits);
}

}  // namespace

std::string RemoveSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

NumberParts SplitNumber(std::string& text)
{
    NumberParts parts;
    if (!text.empty() && text[0] == '-') {
        parts.negative = true;
        text[0] = '0';
    }
    // A loop of its own: find_last_of asks memchr once per character.
    for (size_t at = text.size(); at-- > 0;) {
        if (IsSeparator(text[at])) {
            parts.hasSeparator = true;
            parts.separator = at;
            break;
        }
    }
    return parts;
}

// A separator with no digit after it (precision 0) changes nothing: the
// text is cut back to the whole part either way.
std::string ComposeNumber(bool negative, const NumberDigits& digits)
{
    return ComposeNumber(negative, digits.whole, digits.fraction.empty() ? std::string() : "0." + digits.fraction);
}

std::string ComposeNumber(bool negative, std::string whole, const std::string& fraction)
{
    if (!fraction.empty()) {
        whole.append(fraction, 1, std::string::npos);
        whole = trimright(std::move(whole));
    }
    if (negative)
        whole.insert(whole.begin(), '-');
    return whole;
}

bool ReadNumberText(const std::string& number, int system, ReadNumber& read, std::string& fault)
{
    if (number.empty()) {
        fault = ERR_NOINPUT;
        return false;
    }
    std::string text = number;
    const NumberParts parts = SplitNumber(text);
    if (!CheckValid(text.data(), LengthOf(text), system)) {
        fault = NumberFault(system, parts);
        return false;
    }
    read.system = system;
    read.negative = parts.negative;
    read.hasSeparator = parts.hasSeparator;
    if (parts.hasSeparator) {
        read.whole = text.substr(0, parts.separator);
        read.fraction = text.substr(parts.separator + 1);
    } else {
        read.whole = std::move(text);
        read.fraction.clear();
    }
    return true;
}

// The faults are tested in the order that decides which one is named: empty
// number, empty precision, validation (precision named first), then range.
bool ReadRequest(const std::string& number, const std::string& precision, int source, ReadNumber& read,
                 Outcome& refusal)
{
    if (number.empty()) {
        refusal = Fail(ERR_NOINPUT);
        return false;
    }
    if (precision.empty()) {
        iFT = PREC_DEFAULT;
        refusal = Fail(ERR_NOGT);
        return false;
    }
    std::string fault;
    const bool numberOk = ReadNumberText(number, source, read, fault);
    const bool precisionOk = CheckValidT(precision.data(), LengthOf(precision));
    if (!numberOk || !precisionOk) {
        if (!precisionOk)
            fault = numberOk ? ERR_WRONGT : ERR_WRONGT + ",\n\n" + fault;
        refusal = Fail(fault);
        return false;
    }
    iFT = StrToNum(precision);
    SetPrec(iFT);
    read.precision = iFT;
    if (source == ROMAN) {
        const int n = RomanToArab(read.whole.c_str());
        if (n > ROMAN_MAX) {
            refusal = Fail(ERR_OUTOFRANGE);
            return false;
        }
        read.decimalDigits = {NumToStr(n), std::string()};
        read.decimal = ComposeNumber(read.negative, read.decimalDigits);
    } else {
        ReadDecimal(read);
    }
    return true;
}

Outcome WriteNumber(const ReadNumber& read, int target, NumberDigits& written)
{
    if (target == ROMAN) {
        if (read.system != ROMAN)
            return ToRoman(read, written);
        written = {read.whole, std::string()};
        return Succeed(read.whole, read.decimal);
    }
    if (target == 10) {
        written = read.decimalDigits;
        return Succeed(read.decimal, read.decimal);
    }
    if (read.system == ROMAN) {
        written = {ConvertText(read.decimal, 10, target), std::string()};
        return Succeed(written.whole, read.decimal);
    }
    written = DigitsIn(read, target);
    return Succeed(ComposeNumber(read.negative, written), read.decimal);
}

Outcome WriteNumber(const ReadNumber& read, int target)
{
    NumberDigits written;
    return WriteNumber(read, target, written);
}

Outcome ConvertReadNumber(const ReadNumber& read, int precision, int target, ConversionParts& parts)
{
    parts.read = read;
    parts.read.precision = precision;
    ReadDecimal(parts.read);
    parts.target = target;
    return WriteNumber(parts.read, target, parts.written);
}

Outcome ConvertRequest(const std::string& number, const std::string& precision, int source, int target,
                       ConversionParts& parts)
{
    if (!IsSystem(source) || !IsSystem(target))
        return Outcome();
    Outcome refusal;
    if (!ReadRequest(number, precision, source, parts.read, refusal))
        return refusal;
    parts.target = target;
    return WriteNumber(parts.read, target, parts.written);
}

Outcome ConvertRequest(const std::string& number, const std::string& precision, int source, int target)
{
    ConversionParts parts;
    return ConvertRequest(number, precision, source, target, parts);
}
