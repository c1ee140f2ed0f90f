// The table runs to the row after which a fractional part repeats: the
// expansion's lengths, known from the prime factors of the denominator, say
// which row that is, and the fraction part after it is the factor of the
// first row of the period.
#include "fractiontable.h"

#include <algorithm>

#include "notation.h"
#include "steptext.h"
#include "systems.h"

namespace {

// Why a table cut by the precision would go on: a finite fraction longer than
// the precision, or a period, from a prime of the denominator that the base
// lacks.
std::vector<std::string> WhyItGoesOn(const Fraction& fraction, int base, const Expansion& expansion)
{
    if (expansion.finite)
        return {"Дробь конечная, но длиннее: " + ExpansionLengths(expansion) + "."};
    const PrimePowers ofBase = FactorsOf(static_cast<uint64_t>(base));
    int prime = 0;
    while (prime + 1 < PRIME_COUNT && (fraction.powers.exponent[prime] == 0 || ofBase.exponent[prime] != 0))
        ++prime;
    const std::string p = std::to_string(SMALL_PRIMES[prime]);
    return {"Дробь бесконечная: знаменатель " + PowersText(fraction.powers) + " делится на " + p + ", а основание "
                + std::to_string(base) + " на " + p + " не делится.",
            "Это " + ExpansionKind(expansion) + ": " + ExpansionLengths(expansion) + "."};
}

}  // namespace

uint64_t TableRows(const Expansion& expansion, int precision)
{
    const uint64_t p = static_cast<uint64_t>(precision);
    uint64_t length;
    if (LengthOf(expansion, length) && length <= std::max(LONG_TABLE, p))
        return length;
    return p;
}

std::vector<std::string> MultiplicationLines(const std::string& what, const std::string& stated, const Fraction& fraction,
                                             int base, const Exactness& facts, int precision)
{
    const std::string b = std::to_string(base);
    const uint64_t rows = TableRows(facts.expansion, precision);
    std::vector<std::string> lines = {what + " умножаем на " + b + "; целая часть произведения — очередная цифра,",
                                      "дробную часть произведения умножаем дальше:"};
    // Decimals line up on their points at the left; common fractions on
    // their bars at the right.
    const bool decimals = IsDecimal(fraction.powers);
    StepTable table(decimals ? "RLLLLL" : "RRLRLL");
    const std::vector<uint64_t> shown = ShownRows(rows);
    const std::vector<MultiplicationRow> steps = MultiplicationRows(fraction, base, rows);
    for (size_t k = 0; k < steps.size(); ++k)
        table.Add({std::to_string(shown[k] + 1) + ")", " " + steps[k].factor, " · " + b + " = ", steps[k].product,
                   steps[k].apart.empty() ? std::string() : " = " + steps[k].apart,
                   " — цифра " + DigitWithValue(steps[k].digit)});
    for (const std::string& line : table.Lines(rows))
        lines.push_back(line);

    const Expansion& e = facts.expansion;
    uint64_t length = 0;
    if (!facts.written || !LengthOf(e, length) || rows != length) {
        lines.push_back("Дальше таблицу не продолжаем: точность — "
                        + CountOf(static_cast<uint64_t>(precision), "цифра", "цифры", "цифр") + " в дробной части.");
        for (const std::string& line : WhyItGoesOn(fraction, base, e))
            lines.push_back(line);
        return lines;
    }
    const std::string exact = stated + " = " + Stated("0." + facts.digits, base) + ".";
    if (e.finite) {
        lines.push_back("Дробная часть стала равной 0 — перевод окончен.");
        lines.push_back("Цифры, записанные сверху вниз, — цифры дробной части: " + exact);
        return lines;
    }
    const std::string first = std::to_string(e.prePeriod + 1);
    lines.push_back("Дробная часть снова равна " + FactorAfter(fraction, base, e.prePeriod) + ", как в строке " + first
                    + ":");
    if (e.prePeriod + 1 == length) {
        const char digit = facts.digits[static_cast<size_t>(e.prePeriod) + 1];  // after "("
        lines.push_back("дальше без конца повторяется цифра "
                        + DigitWithValue(static_cast<uint32_t>(DigitValue(digit, base))) + ".");
    } else {
        const size_t open = static_cast<size_t>(e.prePeriod) + 1;  // the period's digits follow "("
        lines.push_back("дальше без конца повторяются цифры строк " + first + "–" + std::to_string(length) + " — "
                        + facts.digits.substr(open, facts.digits.size() - open - 1) + ".");
    }
    lines.push_back("Получилась " + ExpansionKind(e) + " (период — в скобках): " + exact);
    return lines;
}
