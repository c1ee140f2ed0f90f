// The developed form. A short number's terms fit a machine word (16^12 is
// 2^48), so its chain is computed in 64 bits; a long number's values come
// from big numbers, its far terms from powers computed at once.
#include "developed.h"

#include <algorithm>

#include "bignum.h"
#include "notation.h"
#include "steptext.h"
#include "systems.h"
#include "wholesteps.h"

namespace {

using bignum::Limbs;

// Fraction digits of a long number still written term by term.
const size_t SHORT_FRACTION = 6;

uint32_t ValueOf(char digit, int base)
{
    return static_cast<uint32_t>(std::max(DigitValue(digit, base), 0));
}

uint64_t SmallPower(int base, size_t exponent)
{
    uint64_t value = 1;
    for (size_t k = 0; k < exponent; ++k)
        value *= static_cast<uint64_t>(base);
    return value;
}

std::string Term(uint32_t digit, int base, long long power)
{
    return std::to_string(digit) + "·" + PowerText(static_cast<uint64_t>(base), power);
}

// The value of whole digits of base, in decimal, by Horner's rule.
std::string WholeValue(const std::string& digits, int base)
{
    Limbs value;
    for (char digit : digits)
        limbs::MulSmallAdd(value, static_cast<uint32_t>(base), ValueOf(digit, base));
    return limbs::ToDecimal(value);
}

// Appends part unless it repeats the last one.
void AddPart(std::vector<std::string>& parts, const std::string& part)
{
    if (parts.empty() || parts.back() != part)
        parts.push_back(part);
}

// The chain of a number of at most SHORT_NUMBER digits: its terms, their
// values, for common fractions the terms over one denominator and their sum,
// that sum reduced, and the value.
std::vector<std::string> ShortChain(const DevelopedNumber& n, const Fraction& fraction, const std::string& wholeValue,
                                    const std::string& value)
{
    const bool decimals = IsDecimal(FactorsOf(static_cast<uint64_t>(n.base)));
    const bool hasWhole = n.whole != "0";
    std::vector<std::string> terms, values, numerators;
    uint64_t sum = 0;  // the fraction's terms over base^f
    if (hasWhole)
        for (size_t at = 0; at < n.whole.size(); ++at) {
            const uint32_t digit = ValueOf(n.whole[at], n.base);
            const size_t power = n.whole.size() - 1 - at;
            terms.push_back(Term(digit, n.base, static_cast<long long>(power)));
            values.push_back(std::to_string(digit * SmallPower(n.base, power)));
        }
    const size_t f = n.fraction.size();
    const std::string denominator = std::to_string(SmallPower(n.base, f));
    for (size_t at = 0; at < f; ++at) {
        const uint32_t digit = ValueOf(n.fraction[at], n.base);
        terms.push_back(Term(digit, n.base, -static_cast<long long>(at + 1)));
        const Limbs power = limbs::Power(static_cast<uint32_t>(n.base), at + 1);
        PrimePowers powers = FactorsOf(static_cast<uint64_t>(n.base));
        for (uint64_t& e : powers.exponent)
            e *= at + 1;
        if (digit == 0)
            values.push_back("0");
        else if (decimals)
            values.push_back(FractionText(Limbs{digit}, power, powers, true));
        else
            values.push_back(std::to_string(digit) + "/" + std::to_string(SmallPower(n.base, at + 1)));
        const uint64_t numerator = digit * SmallPower(n.base, f - 1 - at);
        sum += numerator;
        if (digit != 0)
            numerators.push_back(std::to_string(numerator) + "/" + denominator);
    }
    std::vector<std::string> parts;
    AddPart(parts, JoinedBy(terms, " + "));
    AddPart(parts, JoinedBy(values, " + "));
    if (!decimals && sum != 0) {
        const std::string before = hasWhole ? wholeValue + " + " : std::string();
        if (numerators.size() > 1)
            AddPart(parts, before + JoinedBy(numerators, " + "));
        AddPart(parts, before + std::to_string(sum) + "/" + denominator);
        AddPart(parts, before + FractionText(fraction.num, fraction.den, fraction.powers, false));
    }
    AddPart(parts, value);
    parts.back() = StatedValue(parts.back());
    return parts;
}

// A long whole number: "Слагаемые с цифрой 0 равны нулю, их не пишем.", then
// the other terms as a chain when they are few, else as a table and its sum.
std::vector<std::string> LongWhole(const std::string& digits, int base, const std::string& wholeValue)
{
    std::vector<std::string> lines;
    const uint64_t terms = NonZeroDigits(digits, base);
    if (terms < digits.size())
        lines.push_back("Слагаемые с цифрой 0 равны нулю, их не пишем.");
    const std::vector<TermRow> rows = ExpansionRows(digits, base);
    if (terms <= SHORT_NUMBER) {
        std::vector<std::string> named, values;
        for (const TermRow& row : rows) {
            named.push_back(Term(row.digit, base, static_cast<long long>(row.power)));
            values.push_back(row.value);
        }
        std::vector<std::string> parts;
        AddPart(parts, JoinedBy(named, " + "));
        AddPart(parts, JoinedBy(values, " + "));
        AddPart(parts, wholeValue);
        parts.back() = Stated(parts.back(), 10);
        for (const std::string& line : Chain(Stated(digits, base), parts))
            lines.push_back(line);
        return lines;
    }
    StepTable table("LLR");
    for (const TermRow& row : rows)
        table.Add({Term(row.digit, base, static_cast<long long>(row.power)), " = ", row.value});
    for (const std::string& line : table.Lines(terms))
        lines.push_back(line);
    lines.push_back("Сумма: " + Stated(digits, base) + " = " + Stated(wholeValue, 10) + ".");
    return lines;
}

// A long fraction: its digits over a power of the base, reduced, and as a
// decimal where it has one.
std::vector<std::string> LongFraction(const std::string& digits, int base, const Fraction& fraction)
{
    std::vector<std::string> parts;
    AddPart(parts, Stated(digits, base) + " / " + PowerText(static_cast<uint64_t>(base), static_cast<long long>(digits.size())));
    AddPart(parts, FractionText(fraction.num, fraction.den, fraction.powers, false));
    AddPart(parts, ValueText("0", fraction));
    parts.back() = StatedValue(parts.back());
    return Chain(Stated("0." + digits, base), parts);
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

std::string StatedValue(const std::string& value)
{
    if (value.find('/') != std::string::npos)
        return value;
    const size_t count = value.find(" (");  // a shortened one's length follows its mark
    return count == std::string::npos ? Based(value, 10) : Based(value.substr(0, count), 10) + value.substr(count);
}

bool IsSingleDigit(const DevelopedNumber& number)
{
    return number.whole.size() == 1 && number.fraction.empty();
}

std::vector<std::string> DevelopedLines(const DevelopedNumber& number, const Fraction& fraction,
                                        const std::string& knownWhole, DevelopedValue& value)
{
    const bool hasWhole = number.whole != "0";
    value.whole = number.whole.size() <= LONG_TABLE ? WholeValue(number.whole, number.base) : knownWhole;
    value.text = ValueText(value.whole, fraction);
    const std::string& wholeValue = value.whole;
    if (IsSingleDigit(number))
        return {"Число записано одной цифрой, её значение — " + DigitWithValue(ValueOf(number.whole[0], number.base))
                + ": " + Based(number.whole, number.base) + " = " + Based(value.text, 10) + "."};
    const std::string written = number.whole + (number.fraction.empty() ? "" : "." + number.fraction);
    if (number.whole.size() + number.fraction.size() <= SHORT_NUMBER)
        return Chain(Based(written, number.base), ShortChain(number, fraction, wholeValue, value.text));
    const bool both = hasWhole && !number.fraction.empty();
    std::vector<std::string> lines;
    if (hasWhole) {
        if (both)
            lines.push_back("Целая часть:");
        if (number.whole.size() <= SHORT_NUMBER)
            Append(lines, Chain(Based(number.whole, number.base),
                                ShortChain({number.whole, "", number.base}, Fraction(), wholeValue, wholeValue)));
        else
            Append(lines, LongWhole(number.whole, number.base, wholeValue));
    }
    if (!number.fraction.empty()) {
        if (both)
            lines.push_back("Дробная часть:");
        if (number.fraction.size() <= SHORT_FRACTION)
            Append(lines, Chain(Based("0." + number.fraction, number.base),
                                ShortChain({"0", number.fraction, number.base}, fraction, "0", ValueText("0", fraction))));
        else
            Append(lines, LongFraction(number.fraction, number.base, fraction));
    }
    if (both)
        lines.push_back("Всё число: " + Stated(written, number.base) + " = " + StatedValue(value.text) + ".");
    return lines;
}
