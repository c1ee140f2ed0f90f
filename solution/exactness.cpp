// The exactness of a cut fraction follows from its expansion's lengths alone;
// its digits are asked of the library only when they are few enough to show.
#include "exactness.h"

#include "fraction.h"
#include "notation.h"
#include "text.h"

const char EXACT_RESULT[] = "Результат точный.";

namespace {

// "147 цифр": a count given as a product of powers takes the word of many.
std::string LengthText(const PrimePowers& length)
{
    const std::string count = PowersText(length);
    return count + " " + WordOf(count, "цифра", "цифры", "цифр");
}

}  // namespace

Exactness ExactnessOf(const std::string& digits, int from, int to, const Fraction& fraction, int precision)
{
    Exactness facts;
    if (fraction.num.empty())
        return facts;
    facts.expansion = ExpansionOf(fraction.powers, to);
    const Expansion& e = facts.expansion;
    facts.exact = e.finite && e.prePeriod <= static_cast<uint64_t>(precision);
    uint64_t period = 0;
    facts.written = (e.finite || e.period.Fits(period)) && e.prePeriod <= LONGEST_EXACT
        && period <= LONGEST_EXACT - e.prePeriod;
    if (!facts.written)
        return facts;
    const size_t pre = static_cast<size_t>(e.prePeriod);
    facts.digits = ConvertFraction(digits, from, to, static_cast<int>(e.prePeriod + period)).substr(2);
    if (!e.finite)
        facts.digits = facts.digits.substr(0, pre) + "(" + facts.digits.substr(pre) + ")";
    return facts;
}

std::string ExactValue(const Exactness& facts, const std::string& whole)
{
    return facts.digits.empty() ? whole : whole + "." + facts.digits;
}

bool LengthOf(const Expansion& expansion, uint64_t& length)
{
    uint64_t period = 0;
    if (!expansion.finite && !expansion.period.Fits(period))
        return false;
    length = expansion.prePeriod + period;
    return length >= period;  // no wrap
}

std::string ExpansionKind(const Expansion& expansion)
{
    if (expansion.finite)
        return "конечная дробь";
    return expansion.prePeriod == 0 ? "чистая периодическая дробь" : "смешанная периодическая дробь";
}

std::string ExpansionLengths(const Expansion& expansion)
{
    if (expansion.finite)
        return DigitCount(expansion.prePeriod) + " в дробной части";
    const std::string period = LengthText(expansion.period) + " в периоде";
    return expansion.prePeriod == 0 ? period : DigitCount(expansion.prePeriod) + " до периода, " + period;
}

std::string AnswerLine(const std::string& statement)
{
    return "Ответ: " + statement + ".";
}

std::vector<std::string> CutLines(int precision, const std::string& kept)
{
    const std::string count = CountOf(static_cast<uint64_t>(precision), "цифра", "цифры", "цифр");
    const bool zeros = !kept.empty() && kept.back() == '0';
    std::vector<std::string> lines = {"Результат неточный: в дробной части оставлено " + count
                                      + (zeros ? " (" + kept + ")" : std::string()) + ", остальные отброшены, без округления."};
    if (zeros)
        lines.push_back("Нули в конце дробной части не пишем.");
    return lines;
}

std::string ExactValueSentence(const Exactness& facts, const std::string& whole, int to)
{
    const std::string kind = ExpansionKind(facts.expansion) + ", " + ExpansionLengths(facts.expansion);
    if (!facts.written)
        return "Точное значение — " + kind + "; в нём больше " + GroupedNumber(LONGEST_EXACT)
            + " цифр, поэтому оно не выписано.";
    const std::string value = ExactValue(facts, whole);
    return "Точное значение: " + Stated(value, to) + (value.size() > LONG_ANSWER ? " — " + kind : std::string()) + ".";
}

std::vector<std::string> CheckLines(const std::string& how, std::vector<std::string> work, bool agrees)
{
    work.insert(work.begin(), "Проверка — " + how + ":");
    std::string& last = work.back();
    if (!last.empty() && last.back() == '.')
        last.pop_back();
    last += agrees ? " — верно." : " — не сходится.";
    return work;
}
