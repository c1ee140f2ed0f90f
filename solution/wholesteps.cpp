// Whole numbers in a worked solution. Only the rows a table shows are
// computed, each from the number itself: a row far down the division table
// divides by a power of the base at once, a term far up the developed form
// multiplies by one, so a number of 32,767 digits costs a few big products.
#include "wholesteps.h"

#include <algorithm>

#include "bignum.h"
#include "fractionsteps.h"
#include "notation.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using bignum::Limbs;

// x times base^count; a long way at once, a short one limb by limb.
void MultiplyByPower(Limbs& x, int base, uint64_t count)
{
    if (count > 8) {
        x = limbs::Mul(x, limbs::Power(static_cast<uint32_t>(base), count));
        return;
    }
    for (uint64_t k = 0; k < count; ++k)
        limbs::MulSmallAdd(x, static_cast<uint32_t>(base), 0);
}

uint32_t ValueOf(char digit, int base)
{
    return static_cast<uint32_t>(std::max(DigitValue(digit, base), 0));
}

}  // namespace

uint64_t NonZeroDigits(const std::string& digits, int base)
{
    uint64_t count = 0;
    for (char digit : digits)
        count += ValueOf(digit, base) != 0;
    return count;
}

std::vector<TermRow> ExpansionRows(const std::string& digits, int base)
{
    std::vector<size_t> positions;  // of the digits that are not 0
    for (size_t at = 0; at < digits.size(); ++at)
        if (ValueOf(digits[at], base) != 0)
            positions.push_back(at);
    const std::vector<uint64_t> shown = ShownRows(positions.size());
    const uint64_t n = digits.size();
    std::vector<TermRow> rows(shown.size());
    Limbs power{1};
    uint64_t exponent = 0;
    for (size_t k = shown.size(); k-- > 0;) {  // the lowest power first
        const size_t at = positions[static_cast<size_t>(shown[k])];
        const uint64_t wanted = n - 1 - at;
        MultiplyByPower(power, base, wanted - exponent);
        exponent = wanted;
        Limbs value = power;
        const uint32_t digit = ValueOf(digits[at], base);
        limbs::MulSmallAdd(value, digit, 0);
        rows[k] = {digit, wanted, ShortDecimal(value)};
    }
    return rows;
}

std::vector<DivisionRow> DivisionRows(const std::string& decimal, int base, uint64_t rowCount)
{
    const Limbs number = limbs::FromDecimal(decimal);
    std::vector<DivisionRow> rows;
    Limbs current = number;
    uint64_t at = 0;
    for (uint64_t row : ShownRows(rowCount)) {
        if (row != at) {
            Limbs rest;
            current = limbs::DivMod(number, limbs::Power(static_cast<uint32_t>(base), row), rest);
            at = row;
        }
        DivisionRow step;
        step.dividend = ShortDecimal(current);
        step.remainder = limbs::DivSmall(current, static_cast<uint32_t>(base));
        step.quotient = ShortDecimal(current);
        rows.push_back(step);
        ++at;
    }
    return rows;
}

std::vector<std::string> DivisionLines(const std::string& decimal, int base, const std::string& digits, bool ofWholePart)
{
    const std::string b = NumToStr(base);
    const std::string result = Stated(decimal, 10) + " = " + Stated(digits, base) + ".";
    if (digits.size() == 1) {
        const uint32_t value = ValueOf(digits[0], base);
        return {std::string(ofWholePart ? "Целая часть " : "Число ") + decimal + " меньше основания " + b
                + ", поэтому записывается одной цифрой" + (value < 10 ? "" : " " + DigitWithValue(value)) + ": "
                + result};
    }
    std::vector<std::string> lines = {std::string(ofWholePart ? "Целую часть " : "Делим ") + Shortened(decimal, LONG_ANSWER)
                                      + (ofWholePart ? " делим" : "") + " на " + b
                                      + ", пока частное не станет равным 0:"};
    StepTable table("RLLL");
    for (const DivisionRow& row : DivisionRows(decimal, base, digits.size()))
        table.Add({row.dividend, " : " + b + " = ", row.quotient + ",", " остаток " + DigitWithValue(row.remainder)});
    for (const std::string& line : table.Lines(digits.size()))
        lines.push_back(line);
    lines.push_back(std::string("Остатки, записанные снизу вверх, — цифры ") + (ofWholePart ? "целой части" : "числа")
                    + ": " + result);
    return lines;
}
