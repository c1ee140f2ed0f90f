// The worked solution put together: the command run again for its result,
// then the steps of the path it took, each section apart, and the answer with
// its exactness last.
#include "solution.h"

#include "convert.h"
#include "exactness.h"
#include "fractionsteps.h"
#include "groupsteps.h"
#include "replay.h"
#include "romansteps.h"
#include "state.h"
#include "steptext.h"
#include "text.h"
#include "wholesteps.h"

namespace {

const char NO_COMMAND[] = "Решение появится, когда число будет переведено.";
const char NO_RESULT[] = "Решения нет: команда не вывела число.";
const char NEGATIVE[] = "Число отрицательное: знак «минус» переходит в ответ, переводится число без знака.";

// A number as the steps take it: the sign apart, the whole part without
// leading zeros ("0" for none), the fraction without trailing zeros.
struct Number {
    bool negative = false;
    std::string whole = "0";
    std::string fraction;

    std::string Unsigned() const { return fraction.empty() ? whole : whole + "." + fraction; }
    std::string Text() const { return (negative ? "-" : "") + Unsigned(); }
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

// The text of the solution, its sections apart by an empty line.
class Writer {
public:
    void Section(const std::vector<std::string>& lines)
    {
        if (lines.empty())
            return;
        if (!text_.empty())
            text_ += "\n";
        text_ += Joined(lines);
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// One conversion between positional bases: the number, the systems and the
// precision, and what the command gave.
struct Positional {
    Number number;
    int source;
    int target;
    int precision;
    std::string decimalWhole;  // the whole part in decimal, as the command wrote it
    Number result;
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
    if (c.number.fraction.size() > static_cast<size_t>(c.precision))
        lines.push_back(CutLine(c.precision)
                        + Shortened(c.number.whole + "." + c.number.fraction.substr(0, static_cast<size_t>(c.precision))));
    return lines;
}

// The fraction's digits in the target: by the multiplication table, or, for
// a finite decimal going into base 10, by its decimal value already shown.
std::vector<std::string> FractionToTarget(const Fraction& fraction, const Positional& c, const Exactness& facts)
{
    if (c.precision == 0)
        return {"Точность 0: дробная часть отбрасывается."};
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

void PositionalSteps(Writer& out, const Positional& c, Solution& solution)
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
    out.Section({AnswerLine(c.number.Text(), c.source, solution.result, c.target) + " "
                 + ExactnessSentence(facts, sign + c.result.whole, c.target, c.precision)});
}

// A number read from a Roman numeral, then written in the target.
void FromRoman(Writer& out, const std::string& numeral, int target, const Replayed& replayed)
{
    out.Section(RomanReading(numeral));
    if (target != ROMAN && target != 10)
        out.Section(DivisionLines("Число", replayed.decimal, target, replayed.result));
}

void Finish(Writer& out, Solution& solution, const std::string& from, int source, int target)
{
    solution.exact = true;
    solution.exactWritten = true;
    solution.exactValue = solution.result;
    out.Section({AnswerLine(from, source, solution.result, target) + " Результат точный."});
}

Solution SolveConversion(const SolvedCommand& command, const Replayed& replayed)
{
    Solution solution;
    solution.solved = true;
    solution.result = replayed.result;
    Writer out;
    out.Section({Header("Перевод числа " + Shortened(command.number), command.source, command.target,
                        replayed.precision)});
    if (command.source == ROMAN) {
        FromRoman(out, command.number, command.target, replayed);
        Finish(out, solution, command.number, command.source, command.target);
    } else if (command.target == ROMAN) {
        const Number number = NumberOf(command.number);
        if (command.source != 10 && number.whole != "0")
            out.Section(ExpansionLines(number.whole, command.source, replayed.decimal));
        out.Section(RomanWriting(StrToNum(replayed.decimal)));
        Finish(out, solution, number.whole, command.source, command.target);
    } else {
        const Number number = NumberOf(command.number);
        if (number.negative)
            out.Section({NEGATIVE});
        PositionalSteps(out, {number, command.source, command.target, replayed.precision,
                              NumberOf(replayed.decimal).whole, NumberOf(replayed.result)},
                        solution);
    }
    solution.text = out.Text();
    return solution;
}

Solution SolveRecall(const SolvedCommand& command, const Replayed& replayed)
{
    Solution solution;
    solution.solved = true;
    solution.result = replayed.result;
    const Number number = NumberOf(replayed.decimal);
    Writer out;
    out.Section({Header("MR, вызов регистра памяти: число " + Shortened(number.Text()) + " записывается", 10,
                        command.target, replayed.precision)});
    if (command.target == ROMAN) {
        if (!number.fraction.empty())
            out.Section({"В римской системе дробей нет: дробная часть отбрасывается, остаётся " + number.whole + "."});
        out.Section(RomanWriting(StrToNum(number.whole)));
        if (number.fraction.empty()) {
            Finish(out, solution, number.whole, 10, ROMAN);
        } else {
            out.Section({AnswerLine(number.Text(), 10, solution.result, ROMAN)
                         + " Результат неточный: дробная часть отброшена."});
        }
    } else {
        if (number.negative)
            out.Section({NEGATIVE});
        PositionalSteps(out, {number, 10, command.target, replayed.precision, number.whole, NumberOf(replayed.result)},
                        solution);
    }
    solution.text = out.Text();
    return solution;
}

}  // namespace

SolvedCommand ConversionCommand(const std::string& number, const std::string& precision, int source, int target)
{
    SolvedCommand command;
    command.kind = SolvedCommand::CONVERSION;
    command.number = number;
    command.precision = precision;
    command.source = source;
    command.target = target;
    return command;
}

SolvedCommand RecallCommand(int target, const std::string& precisionField)
{
    SolvedCommand command;
    command.kind = SolvedCommand::RECALL;
    command.number = strM_BUF;
    command.precision = precisionField;
    command.target = target;
    return command;
}

Solution SolveCommand(const SolvedCommand& command)
{
    Solution solution;
    if (command.kind == SolvedCommand::NONE) {
        solution.text = Joined({NO_COMMAND});
        return solution;
    }
    const Replayed replayed = command.kind == SolvedCommand::CONVERSION
        ? ReplayConversion(command.number, command.precision, command.source, command.target)
        : ReplayRecall(command.number, command.target, command.precision);
    if (!replayed.ok) {
        solution.text = Joined({NO_RESULT});
        return solution;
    }
    return command.kind == SolvedCommand::CONVERSION ? SolveConversion(command, replayed)
                                                     : SolveRecall(command, replayed);
}
