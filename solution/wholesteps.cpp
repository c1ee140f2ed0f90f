// Whole numbers in a worked solution. Only the rows a table shows are
// computed, each from the number itself: a row far down the division table
// divides by a power of the base at once, a term far up the expansion
// multiplies by one, so a number of 32,767 digits costs a few big products.
#include "wholesteps.h"

#include <algorithm>

#include "bignum.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using bignum::Limbs;

// Longest line of the expansion written in one line rather than as a table.
const size_t EXPANSION_LINE = 100;

std::string Term(uint32_t digit, int base, uint64_t power)
{
    return std::to_string(digit) + "·" + std::to_string(base) + "^" + std::to_string(power);
}

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

}  // namespace

std::vector<TermRow> ExpansionRows(const std::string& digits, int base)
{
    const uint64_t n = digits.size();
    const std::vector<uint64_t> shown = ShownRows(n);
    std::vector<TermRow> rows(shown.size());
    Limbs power{1};
    uint64_t exponent = 0;
    for (size_t k = shown.size(); k-- > 0;) {  // the lowest power first
        const uint64_t at = shown[k];
        const uint64_t wanted = n - 1 - at;
        MultiplyByPower(power, base, wanted - exponent);
        exponent = wanted;
        Limbs value = power;
        const uint32_t digit = static_cast<uint32_t>(std::max(DigitValue(digits[at], base), 0));
        limbs::MulSmallAdd(value, digit, 0);
        rows[k] = {digit, wanted, Shortened(limbs::ToDecimal(value))};
    }
    return rows;
}

std::vector<std::string> ExpansionLines(const std::string& digits, int base, const std::string& decimal)
{
    const std::string number = WithoutLeadingZeros(digits);
    const std::vector<TermRow> rows = ExpansionRows(number, base);
    std::vector<std::string> lines = {"В 10-ной системе число — сумма его цифр, умноженных на степени основания "
                                      + NumToStr(base) + ":"};
    if (number.size() <= LONG_TABLE) {
        std::string terms, values;
        for (const TermRow& row : rows) {
            terms += (terms.empty() ? "" : " + ") + Term(row.digit, base, row.power);
            values += (values.empty() ? "" : " + ") + row.value;
        }
        const std::string line = "  " + number + Mark(base) + " = " + terms + " = " + values + " = " + decimal;
        if (line.size() <= EXPANSION_LINE) {
            lines.push_back(line);
            return lines;
        }
    }
    StepTable table("LLR");
    for (const TermRow& row : rows)
        table.Add({Term(row.digit, base, row.power), " = ", row.value});
    for (const std::string& line : table.Lines(number.size()))
        lines.push_back(line);
    lines.push_back("Сумма: " + Shortened(number) + Mark(base) + " = " + Shortened(decimal));
    return lines;
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
        step.dividend = Shortened(limbs::ToDecimal(current));
        step.remainder = limbs::DivSmall(current, static_cast<uint32_t>(base));
        step.quotient = Shortened(limbs::ToDecimal(current));
        rows.push_back(step);
        ++at;
    }
    return rows;
}

std::vector<std::string> DivisionLines(const std::string& title, const std::string& decimal, int base,
                                       const std::string& digits)
{
    const std::string number = WithoutLeadingZeros(decimal);
    std::vector<std::string> lines = {title + " " + Shortened(number) + ": делим на " + NumToStr(base)
                                      + ", пока частное не станет нулём."};
    StepTable table("RLLL");
    for (const DivisionRow& row : DivisionRows(number, base, digits.size()))
        table.Add({row.dividend, " : " + NumToStr(base) + " = ", row.quotient + ",", " остаток " + ValueWithDigit(row.remainder)});
    for (const std::string& line : table.Lines(digits.size()))
        lines.push_back(line);
    lines.push_back("Остатки от последнего к первому: " + Shortened(digits));
    return lines;
}
