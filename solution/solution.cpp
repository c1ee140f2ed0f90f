// The worked solution put together from the command and what it left: the
// steps of the path it took, each section apart, and the answer with its
// exactness last.
#include "solution.h"

#include <climits>

#include "convert.h"
#include "exactness.h"
#include "fractionsteps.h"
#include "groupsteps.h"
#include "memory.h"
#include "roman.h"
#include "romansteps.h"
#include "state.h"
#include "steptext.h"
#include "text.h"
#include "validate.h"
#include "wholesteps.h"

namespace {

const char NO_COMMAND[] = "Решение появится, когда число будет переведено.";
const char NO_RESULT[] = "Решения нет: команда не вывела число.";
const char PRECISION_ZERO[] = "Точность 0: дробная часть отбрасывается.";
const char NEGATIVE[] = "Число отрицательное: знак «минус» переходит в ответ, переводится число без знака.";

// A number as the steps take it: the sign apart, the whole part without
// leading zeros ("0" for none), the fraction without trailing zeros.
struct Number {
    bool negative = false;
    std::string whole = "0";
    std::string fraction;

    std::string Text() const { return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction); }
};

Number NumberOf(const std::string& text)
{
    std::string digits = text;
    const NumberParts parts = SplitNumber(digits);
    Number number;
    number.negative = parts.negative;
    number.whole = WithoutLeadingZeros(parts.hasSeparator ? digits.substr(0, parts.separator) : digits);
    if (parts.hasSeparator)
        number.fraction = WithoutTrailingZeros(digits.substr(parts.separator + 1));
    return number;
}

// One conversion between positional bases: the number, the systems and the
// precision, and what the command gave.
struct Positional {
    Number number;
    int source;
    int target;
    int precision;
    std::string decimalWhole;  // the whole part in decimal, as the command wrote it
    Number result;
    std::string resultText;    // the result as the output field shows it
};

std::string AnswerLine(const std::string& from, int source, const std::string& result, int target)
{
    return "Ответ: " + Shortened(from) + Mark(source) + " = "
        + (result.empty() ? "пустая строка (поле ответа пусто)" : Shortened(result) + Mark(target)) + ".";
}

std::string Header(const std::string& what, int source, int target, int precision)
{
    return what + " из " + SourceName(source) + " в " + TargetName(target)
        + (source == ROMAN || target == ROMAN ? std::string(".") : ", точность " + NumToStr(precision) + ".");
}

std::vector<std::string> SameBaseLines(const Positional& c)
{
    std::vector<std::string> lines = {"Основание не меняется: число пишется теми же цифрами, без нулей в начале"
                                      " целой части и в конце дроби."};
    if (c.precision == 0 && !c.number.fraction.empty())
        lines.push_back(PRECISION_ZERO);
    else if (c.number.fraction.size() > static_cast<size_t>(c.precision))
        lines.push_back(CutLine(c.precision)
                        + Shortened(c.number.whole + "." + c.number.fraction.substr(0, static_cast<size_t>(c.precision))));
    return lines;
}

// The fraction's digits in the target: by the multiplication table, or, for
// a finite decimal going into base 10, by its decimal value already shown.
std::vector<std::string> FractionToTarget(const Fraction& fraction, const Positional& c, const Exactness& facts)
{
    if (c.precision == 0)
        return {PRECISION_ZERO};
    const Expansion& e = facts.expansion;
    const bool ended = e.finite && e.prePeriod <= static_cast<uint64_t>(c.precision);
    const uint64_t rows = ended ? e.prePeriod : static_cast<uint64_t>(c.precision);
    std::string digits = c.result.fraction;
    digits.resize(static_cast<size_t>(rows), '0');
    if (c.target == 10 && e.finite)
        return ended ? std::vector<std::string>() : std::vector<std::string>{CutLine(c.precision) + Shortened("0." + digits)};
    std::vector<std::string> lines = MultiplicationLines(fraction, c.target, rows, ended, digits);
    if (c.result.fraction.size() < rows)
        lines.push_back("Нули в конце дроби не пишутся.");
    return lines;
}

void PositionalSteps(SolutionText& out, const Positional& c, Solution& solution)
{
    const Fraction fraction = FractionOf(c.number.fraction, c.source);
    const Exactness facts = ExactnessOf(c.number.fraction, c.source, c.target, fraction, c.precision);
    if (c.number.whole == "0" && fraction.num.empty()) {
        out.Section({"Число равно нулю, а нуль в любой системе — 0."});
    } else if (c.source == c.target) {
        out.Section(SameBaseLines(c));
    } else if (GroupingApplies(c.source, c.target)) {
        out.Section(GroupingLines(c.number.whole, c.number.fraction, c.source, c.target, c.precision));
    } else {
        if (c.number.whole == "0") {
            out.Section({"Целая часть равна 0."});
        } else {
            if (c.source != 10)
                out.Section(ExpansionLines(c.number.whole, c.source, c.decimalWhole));
            if (c.target != 10)
                out.Section(DivisionLines("Целая часть", c.decimalWhole, c.target, c.result.whole));
        }
        if (!fraction.num.empty()) {
            if (c.source != 10)
                out.Section(FractionValueLines(c.number.fraction, c.source, fraction));
            out.Section(FractionToTarget(fraction, c, facts));
        }
    }
    const std::string sign = c.number.negative ? "-" : "";
    solution.exact = facts.exact;
    solution.exactWritten = facts.written;
    solution.exactValue = facts.written ? ExactValue(facts, sign + c.result.whole) : std::string();
    // A cut result's sentences are long: they start a line of their own.
    out.Section({AnswerLine(c.number.Text(), c.source, c.resultText, c.target) + (facts.exact ? " " : "\n")
                 + ExactnessSentence(facts, sign + c.result.whole, c.target, c.precision)});
}

// A number read from a Roman numeral, then written in the target.
void FromRoman(SolutionText& out, const SolvedCommand& command)
{
    out.Section(RomanReading(command.number));
    if (command.target != ROMAN && command.target != 10)
        out.Section(DivisionLines("Число", command.decimal, command.target, command.result));
}

void Finish(SolutionText& out, Solution& solution, const std::string& from, const SolvedCommand& command)
{
    solution.exact = true;
    solution.exactWritten = true;
    solution.exactValue = command.result;
    out.Section({AnswerLine(from, command.source, command.result, command.target) + " Результат точный."});
}

Solution SolveConversion(const SolvedCommand& command)
{
    Solution solution;
    SolutionText out;
    out.Section({Header("Перевод числа " + Shortened(command.number), command.source, command.target,
                        command.precision)});
    if (command.source == ROMAN) {
        FromRoman(out, command);
        Finish(out, solution, command.number, command);
    } else if (command.target == ROMAN) {
        const Number number = NumberOf(command.number);
        if (command.source != 10 && number.whole != "0")
            out.Section(ExpansionLines(number.whole, command.source, command.decimal));
        out.Section(RomanWriting(StrToNum(command.decimal)));
        Finish(out, solution, number.whole, command);
    } else {
        const Number number = NumberOf(command.number);
        if (number.negative)
            out.Section({NEGATIVE});
        PositionalSteps(out, {number, command.source, command.target, command.precision,
                              NumberOf(command.decimal).whole, NumberOf(command.result), command.result},
                        solution);
    }
    solution.text = out.Text();
    return solution;
}

Solution SolveRecall(const SolvedCommand& command)
{
    Solution solution;
    const Number number = NumberOf(command.number);
    SolutionText out;
    out.Section({Header("MR, вызов регистра памяти: число " + Shortened(number.Text()) + " записывается", 10,
                        command.target, command.precision)});
    if (command.target == ROMAN) {
        if (!number.fraction.empty())
            out.Section({"В римской системе дробей нет: дробная часть отбрасывается, остаётся " + number.whole + "."});
        out.Section(RomanWriting(StrToNum(number.whole)));
        if (number.fraction.empty()) {
            Finish(out, solution, number.whole, command);
        } else {
            out.Section({AnswerLine(number.Text(), 10, command.result, ROMAN)
                         + " Результат неточный: дробная часть отброшена."});
        }
    } else {
        if (number.negative)
            out.Section({NEGATIVE});
        PositionalSteps(out, {number, 10, command.target, command.precision, number.whole, NumberOf(command.result),
                              command.result},
                        solution);
    }
    solution.text = out.Text();
    return solution;
}

// Whether text, a leading "-" aside, is a number the validation accepts for system.
bool IsNumberOf(std::string text, int system)
{
    SplitNumber(text);
    return text.size() <= static_cast<size_t>(INT_MAX) && CheckValid(text.data(), static_cast<int>(text.size()), system);
}

// What a successful command can have left: valid numbers of the systems it
// names, a precision the program works at, Roman values up to ROMAN_MAX.
// Anything else is turned away before a step reads it.
bool Possible(const SolvedCommand& c)
{
    if (!IsSystem(c.source) || !IsSystem(c.target) || c.precision < 0 || c.precision > PREC_MAX
        || !IsNumberOf(c.number, c.source))
        return false;
    std::string number = c.number;
    const NumberParts parts = SplitNumber(number);
    const Number value = NumberOf(c.kind == SolvedCommand::CONVERSION ? c.decimal : c.number);
    if (c.target == ROMAN) {
        if (value.negative || value.whole.size() > 4 || StrToNum(value.whole) > ROMAN_MAX
            || (c.kind == SolvedCommand::CONVERSION && (parts.hasSeparator || parts.negative))
            || !(c.result.empty() || IsNumberOf(c.result, ROMAN)))
            return false;
    } else if (!IsNumberOf(c.result, c.target)) {
        return false;
    }
    if (c.kind == SolvedCommand::RECALL)
        return c.source == 10 && (!parts.hasSeparator || number.size() - parts.separator - 1 <= static_cast<size_t>(PREC_MAX));
    return c.precision >= 1 && IsNumberOf(c.decimal, 10) && (c.source != ROMAN || RomanToArab(c.number.c_str()) <= ROMAN_MAX);
}

// A command that wrote the output field, with what it left; no command for
// any other outcome.
SolvedCommand Kept(SolvedCommand::Kind kind, const std::string& number, int source, int target, int precision,
                   const Outcome& outcome)
{
    SolvedCommand command;
    if (outcome.kind != Outcome::OUTPUT)
        return command;
    command.kind = kind;
    command.number = number;
    command.source = source;
    command.target = target;
    command.precision = precision;
    command.result = outcome.text;
    command.decimal = strM_BUF;
    return command;
}

}  // namespace

SolvedCommand ConversionCommand(const std::string& number, int source, int target, const Outcome& outcome)
{
    return Kept(SolvedCommand::CONVERSION, number, source, target, iFT, outcome);
}

SolvedCommand RecallCommand(int target, const std::string& precisionField, const Outcome& outcome)
{
    return Kept(SolvedCommand::RECALL, strM_BUF, 10, target, RecallPrecision(precisionField), outcome);
}

Solution SolveCommand(const SolvedCommand& command)
{
    Solution solution;
    if (command.kind == SolvedCommand::NONE) {
        solution.text = Joined({NO_COMMAND});
        return solution;
    }
    if (!Possible(command)) {
        solution.text = Joined({NO_RESULT});
        return solution;
    }
    solution = command.kind == SolvedCommand::CONVERSION ? SolveConversion(command) : SolveRecall(command);
    solution.solved = true;
    return solution;
}
