// The exactness of a cut fraction follows from its expansion's lengths alone;
// its digits are asked of the library only when they are few enough to show.
#include "exactness.h"

#include "fraction.h"
#include "steptext.h"
#include "text.h"

namespace {

std::string Lengths(const Expansion& expansion)
{
    if (expansion.finite)
        return "конечная дробь из " + CountOf(expansion.prePeriod, "цифры", "цифр", "цифр") + " после точки";
    const std::string period = expansion.period.Text();
    return "периодическая дробь, до периода " + DigitCount(expansion.prePeriod) + ", в периоде " + period + " "
        + WordOf(period, "цифра", "цифры", "цифр");
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

std::string ExactnessSentence(const Exactness& facts, const std::string& whole, int to, int precision)
{
    if (facts.exact)
        return "Результат точный.";
    std::string sentence = "Результат обрезан до " + CountOf(static_cast<uint64_t>(precision), "цифры", "цифр", "цифр")
        + " после точки, не округлён.\nТочное значение";
    if (!facts.written)
        return sentence + " — " + Lengths(facts.expansion) + ", больше " + GroupedNumber(LONGEST_EXACT)
            + " цифр, поэтому не выписано.";
    const std::string value = ExactValue(facts, whole);
    sentence += ": " + Shortened(value) + Mark(to) + ".";
    if (value.size() > LONG_NUMBER)
        sentence += " Это " + Lengths(facts.expansion) + ".";
    return sentence;
}
