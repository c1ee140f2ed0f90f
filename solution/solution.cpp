// The worked solution put together from what the command read and wrote:
// the header, what the reading did to the number, the steps of the route it
// took, the answer with its exactness, and the check of a short exact answer.
#include "solution.h"

#include "converter.h"
#include "developed.h"
#include "exactness.h"
#include "fractionsteps.h"
#include "fractiontable.h"
#include "groupsteps.h"
#include "notation.h"
#include "roman.h"
#include "romansteps.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"
#include "wholesteps.h"

namespace {

const char NO_COMMAND[] = "Решение появится, когда число будет переведено.";
const char NO_ROMAN_ZERO[] = "нуля в римской системе нет, поле ответа остаётся пустым";

// A number as the steps take it: the sign apart, the whole part without
// leading zeros ("0" for none; a Roman numeral as it is), the fraction
// without trailing zeros, and the text as it was typed.
struct Number {
    bool negative = false;
    bool signOnly = false;  // a lone "-", which the program reads as -0
    std::string whole = "0";
    std::string fraction;
    std::string typed;      // the sign, the digits as typed, "." for the separator

    std::string Unsigned() const { return whole + (fraction.empty() ? "" : "." + fraction); }
    std::string Text() const { return (negative ? "-" : "") + Unsigned(); }
    bool IsZero() const { return whole == "0" && fraction.empty(); }
};

// A read number's whole part begins with the "0" that its sign was read as.
Number NumberOf(const ReadNumber& read)
{
    Number n;
    n.negative = read.negative;
    if (read.system == ROMAN) {
        n.whole = n.typed = read.whole;
        return n;
    }
    const std::string typedWhole = read.negative ? read.whole.substr(1) : read.whole;
    n.signOnly = read.negative && typedWhole.empty() && !read.hasSeparator;
    n.whole = WithoutLeadingZeros(read.whole);
    n.fraction = WithoutTrailingZeros(read.fraction);
    n.typed = (read.negative ? "-" : "") + (typedWhole.empty() ? "0" : typedWhole)
        + (read.hasSeparator ? "." + read.fraction : "");
    return n;
}

// One command to solve.
struct Task {
    bool recall;
    const ReadNumber& read;
    int target;
    const NumberDigits& written;
    const std::string& result;
    Number number;
};

// The route between two systems neither of which is decimal.
std::vector<std::string> Route(int target)
{
    return {"Прямого перевода нет: сначала переводим число в десятичную систему (шаг 1),",
            "затем из десятичной в " + SystemAdjective(target, Case::ACCUSATIVE) + " (шаг 2)."};
}

std::string StepTitle(int step, int from, int to)
{
    return "Шаг " + std::to_string(step) + ". Из " + SystemAdjective(from, Case::GENITIVE) + " системы в "
        + SystemAdjective(to, Case::ACCUSATIVE) + ".";
}

std::vector<std::string> Header(const Task& t)
{
    const Number& n = t.number;
    const std::string into = SystemAdjective(t.target, Case::ACCUSATIVE) + ".";
    std::vector<std::string> lines;
    if (t.recall)
        lines.push_back("MR, вызов регистра памяти: число " + Stated(n.Text(), 10)
                        + " переводим из десятичной системы счисления в " + into);
    else
        lines.push_back("Перевод числа " + (n.signOnly ? std::string("«-»") : Stated(n.typed, t.read.system)) + " из "
                        + SystemName(t.read.system, Case::GENITIVE) + " в " + into);
    if (!n.fraction.empty() && t.target != ROMAN)
        lines.push_back("Точность: " + CountOf(static_cast<uint64_t>(t.read.precision), "цифра", "цифры", "цифр")
                        + " в дробной части.");
    return lines;
}

// What the reading did to the number: a lone sign, zeros at its ends, its
// sign, a zero.
std::vector<std::string> ReadingNotes(const Task& t)
{
    const Number& n = t.number;
    const int source = t.read.system;
    std::vector<std::string> lines;
    if (n.signOnly)
        lines.push_back("Введён только знак «минус», без цифр: программа читает его как -0.");
    else if (!t.recall && source != ROMAN && n.typed != n.Text())  // the register's zeros are no one's typing
        lines.push_back(std::string(ZEROS_NOT_WRITTEN) + ": " + Stated(n.typed, source) + " = " + Stated(n.Text(), source)
                        + ".");
    if (n.IsZero() && t.target != ROMAN) {
        lines.push_back("Число равно нулю, а нуль в любой системе счисления записывается цифрой 0.");
        if (n.negative)
            lines.push_back("Знак «минус» перед нулём программа сохраняет: ответ — -0.");
    } else if (n.negative && !n.IsZero())
        lines.push_back("Число отрицательное: переводим его модуль, " + Stated(n.Unsigned(), source)
                        + ", а знак «минус» переносим в ответ.");
    return lines;
}

std::string DevelopedTitle(int base)
{
    return "Складываем цифры числа, умноженные на степени основания " + std::to_string(base) + ":";
}

// Between positional systems by way of decimal: the developed form into it,
// the division and multiplication tables out of it.
void ThroughDecimal(SolutionText& out, const Task& t, const Fraction& fraction, const Exactness& facts)
{
    const Number& n = t.number;
    const int source = t.read.system, target = t.target;
    const bool route = source != 10 && target != 10;
    const bool decimals = IsDecimal(fraction.powers);
    const bool multiply = !fraction.num.empty() && (target != 10 || !decimals);
    const bool divide = target != 10 && n.whole != "0";
    const std::string fractionValue = FractionText(fraction.num, fraction.den, fraction.powers, decimals);
    if (route)
        out.Section(Route(target));
    if (source != 10) {
        std::vector<std::string> lines;
        if (route)
            lines.push_back(StepTitle(1, source, 10));
        if (!IsSingleDigit({n.whole, n.fraction, source}))
            lines.push_back(DevelopedTitle(source));
        DevelopedValue value;
        for (const std::string& line :
             DevelopedLines({n.whole, n.fraction, source}, fraction, t.read.decimalDigits.whole, value))
            lines.push_back(line);
        if (multiply && !decimals)
            lines.push_back("Конечной десятичной дробью " + fractionValue
                            + " не записать, поэтому дальше считаем с обыкновенной дробью.");
        out.Section(lines);
    }
    std::vector<std::string> head;
    if (route && (divide || multiply))
        head.push_back(StepTitle(2, 10, target));
    if (divide && multiply)
        head.push_back("Целую и дробную части переводим отдельно.");
    else if (multiply && source == 10 && n.whole == "0")
        head.push_back("Целая часть равна 0, переводим только дробную часть.");
    if (divide) {
        for (const std::string& line : DivisionLines(t.read.decimalDigits.whole, target, t.written.whole, !n.fraction.empty()))
            head.push_back(line);
        out.Section(head);
        head.clear();
    }
    if (multiply) {
        for (const std::string& line : MultiplicationLines("Дробную часть " + fractionValue, StatedValue(fractionValue),
                                                           fraction, target, facts, t.read.precision))
            head.push_back(line);
        out.Section(head);
    }
}

bool SameFraction(const Fraction& a, const Fraction& b)
{
    return a.num == b.num && a.den == b.den;
}

// The check of an exact answer between positional systems: the grouping
// taken back, the developed form of the answer, or for a decimal answer the
// division and multiplication tables back into the source system.
std::vector<std::string> PositionalCheck(const Task& t, const Fraction& fraction)
{
    const Number& n = t.number;
    const int source = t.read.system, target = t.target;
    const std::string& whole = t.written.whole;
    const std::string answerFraction = WithoutTrailingZeros(t.written.fraction);
    if (GroupingApplies(source, target)) {
        const Grouped back = GroupDigits(whole, answerFraction, target, source);
        return CheckLines("обратный перевод", {"  " + GroupingBack(whole, answerFraction, target, source)},
                          back.whole == n.whole && back.fraction == n.fraction);
    }
    if (target != 10) {
        const Fraction value = FractionOf(answerFraction, target);
        DevelopedValue developed;
        const std::vector<std::string> work = DevelopedLines({whole, answerFraction, target}, value, whole, developed);
        return CheckLines(source == 10 ? "переводим ответ обратно в десятичную систему"
                                       : "переводим ответ в десятичную систему, должно получиться значение из шага 1",
                          work, developed.whole == t.read.decimalDigits.whole && SameFraction(value, fraction));
    }
    std::vector<std::string> work;
    const std::string wholeDigits = ConvertText(whole, 10, source);
    if (whole != "0")
        work = DivisionLines(whole, source, wholeDigits, !answerFraction.empty());
    std::string fractionDigits;
    if (!answerFraction.empty()) {
        const Fraction decimal = FractionOf(answerFraction, 10);
        const Exactness back = ExactnessOf(answerFraction, 10, source, decimal, static_cast<int>(CHECK_DIGITS));
        const std::string value = FractionText(decimal.num, decimal.den, decimal.powers, true);
        for (const std::string& line :
             MultiplicationLines("Дробную часть " + value, Based(value, 10), decimal, source, back, static_cast<int>(CHECK_DIGITS)))
            work.push_back(line);
        fractionDigits = back.digits;
    }
    work.push_back("Получили " + Stated(wholeDigits + (fractionDigits.empty() ? "" : "." + fractionDigits), source));
    return CheckLines("переводим ответ обратно в " + SystemName(source, Case::ACCUSATIVE), work,
                      wholeDigits == n.whole && fractionDigits == n.fraction);
}

void Positional(SolutionText& out, const Task& t, Solution& solution)
{
    const Number& n = t.number;
    const int source = t.read.system, target = t.target;
    const Fraction fraction = FractionOf(n.fraction, source);
    const Exactness facts = ExactnessOf(n.fraction, source, target, fraction, t.read.precision);
    if (!n.IsZero()) {
        if (source == target)
            out.Section({"Основание не меняется: число записывается теми же цифрами."});
        else if (GroupingApplies(source, target))
            for (const std::vector<std::string>& section : GroupingSections(n.whole, n.fraction, source, target))
                out.Section(section);
        else
            ThroughDecimal(out, t, fraction, facts);
    }
    const std::string whole = (n.negative ? "-" : "") + t.written.whole;
    const std::string statement = Stated(n.Text(), source) + " = " + Stated(t.result, target);
    if (facts.exact) {
        out.Section({AnswerLine(statement) + " " + EXACT_RESULT});
    } else {
        std::vector<std::string> answer = {AnswerLine(statement)};
        for (const std::string& line : CutLines(t.read.precision, t.written.fraction))
            answer.push_back(line);
        if (t.result == "-0")
            answer.push_back("Все оставленные цифры — нули; знак «минус» программа сохраняет, поэтому ответ — -0.");
        answer.push_back(ExactValueSentence(facts, whole, target));
        out.Section(answer);
    }
    if (facts.exact && !n.IsZero() && source != target && DigitsOf(t.result) <= CHECK_DIGITS
        && DigitsOf(n.Text()) <= CHECK_DIGITS)
        out.Section(PositionalCheck(t, fraction));
    solution.exact = facts.exact;
    solution.exactWritten = facts.written;
    solution.exactValue = facts.written ? ExactValue(facts, whole) : std::string();
}

// "1999 = 1000 + 900 + 90 + 9 = MCMXCIX": a value written back in Roman numerals.
std::string RomanPlaces(int value)
{
    std::vector<std::string> places;
    for (int place : PlaceValues(value))
        places.push_back(NumToStr(place));
    return NumToStr(value) + " = " + JoinedBy(places, " + ") + " = " + ArabToRoman(static_cast<unsigned short>(value));
}

// From a Roman numeral: read it, then divide its value when the target is neither Roman nor decimal.
void FromRoman(SolutionText& out, const Task& t)
{
    const std::string& numeral = t.number.whole;
    const std::string& decimal = t.read.decimalDigits.whole;
    if (t.target == ROMAN) {
        out.Section({"Система не меняется: число записывается теми же римскими цифрами."});
        if (ArabToRoman(static_cast<unsigned short>(StrToNum(decimal))) != numeral)
            out.Section(RomanReading(numeral));
        return;
    }
    if (t.target == 10) {
        out.Section(RomanReading(numeral));
        return;
    }
    out.Section(Route(t.target));
    std::vector<std::string> reading = {StepTitle(1, ROMAN, 10)};
    for (const std::string& line : RomanReading(numeral))
        reading.push_back(line);
    out.Section(reading);
    std::vector<std::string> division = {StepTitle(2, 10, t.target)};
    for (const std::string& line : DivisionLines(decimal, t.target, t.written.whole, false))
        division.push_back(line);
    out.Section(division);
}

// Into Roman numerals: the value found first when the number is not
// decimal, then written place by place.
void IntoRoman(SolutionText& out, const Task& t, int value)
{
    const Number& n = t.number;
    const int source = t.read.system;
    const bool route = source != 10 && n.whole != "0";
    if (route) {
        out.Section(Route(ROMAN));
        std::vector<std::string> lines = {StepTitle(1, source, 10)};
        if (!IsSingleDigit({n.whole, "", source}))
            lines.push_back(DevelopedTitle(source));
        DevelopedValue developed;
        for (const std::string& line : DevelopedLines({n.whole, "", source}, Fraction(), t.read.decimalDigits.whole, developed))
            lines.push_back(line);
        out.Section(lines);
    }
    if (!n.fraction.empty())
        out.Section({"В римской системе дробей нет: дробную часть отбрасываем, остаётся " + n.whole + "."});
    if (value == 0)
        return;
    std::vector<std::string> writing;
    if (route)
        writing.push_back(StepTitle(2, 10, ROMAN));
    for (const std::string& line : RomanWriting(value))
        writing.push_back(line);
    out.Section(writing);
}

void Roman(SolutionText& out, const Task& t, Solution& solution)
{
    const Number& n = t.number;
    const int source = t.read.system, target = t.target;
    const int value = StrToNum(t.read.decimalDigits.whole);
    const bool cut = target == ROMAN && !n.fraction.empty();  // MR drops the register's fraction
    if (source == ROMAN)
        FromRoman(out, t);
    else
        IntoRoman(out, t, value);
    const std::string statement = Stated(n.Text(), source) + " = " + Stated(t.result, target);
    if (t.result.empty())
        out.Section({AnswerLine(NO_ROMAN_ZERO)});
    else if (cut)
        out.Section({AnswerLine(statement), "Результат неточный: в римской системе дробей нет, дробная часть отброшена."});
    else
        out.Section({AnswerLine(statement) + " " + EXACT_RESULT});
    solution.exact = !cut;
    solution.exactWritten = !cut;
    solution.exactValue = cut ? std::string() : t.result;
    if (cut || t.result.empty() || source == target)
        return;
    const std::string fromStepOne = source == 10 ? std::string() : ", должно получиться значение из шага 1";
    if (target == ROMAN) {
        out.Section(CheckLines("читаем ответ" + fromStepOne, RomanReadingLines(t.result),
                               RomanToArab(t.result.c_str()) == value));
    } else if (target == 10) {
        if (ArabToRoman(static_cast<unsigned short>(value)) == n.whole)  // a nonstandard numeral does not come back
            out.Section(CheckLines("записываем ответ римскими цифрами", {"  " + RomanPlaces(value)}, true));
    } else if (DigitsOf(t.result) <= CHECK_DIGITS) {
        DevelopedValue developed;
        const std::vector<std::string> work = DevelopedLines({t.result, "", target}, Fraction(), t.result, developed);
        out.Section(CheckLines("переводим ответ в десятичную систему, должно получиться " + NumToStr(value), work,
                               developed.whole == t.read.decimalDigits.whole));
    }
}

Solution Solve(const Task& t)
{
    Solution solution;
    SolutionText out;
    out.Section(Header(t));
    out.Section(ReadingNotes(t));
    if (t.read.system == ROMAN || t.target == ROMAN)
        Roman(out, t, solution);
    else
        Positional(out, t, solution);
    solution.text = out.Text();
    solution.solved = true;
    return solution;
}

}  // namespace

SolvedCommand ConversionCommand(const ConversionParts& parts, const Outcome& outcome)
{
    SolvedCommand command;
    if (outcome.kind != Outcome::OUTPUT)
        return command;
    command.kind_ = SolvedCommand::CONVERSION;
    command.parts_ = parts;
    command.result_ = outcome.text;
    return command;
}

SolvedCommand RecallCommand(const ConversionParts& parts, const Outcome& outcome)
{
    SolvedCommand command = ConversionCommand(parts, outcome);
    if (command.kind_ != SolvedCommand::NONE)
        command.kind_ = SolvedCommand::RECALL;
    return command;
}

Solution SolveCommand(const SolvedCommand& command)
{
    if (command.kind_ == SolvedCommand::NONE) {
        Solution solution;
        solution.text = Joined({NO_COMMAND});
        return solution;
    }
    const ConversionParts& parts = command.parts_;
    return Solve({command.kind_ == SolvedCommand::RECALL, parts.read, parts.target, parts.written, command.result_,
                  NumberOf(parts.read)});
}
