// The steps of an arithmetic request: the task, the operands written in the
// system of the work, the signs, the column or the corner (or common
// fractions when a fraction has no end in that system), and the answer.
#include "arithsteps.h"

#include <algorithm>

#include "converter.h"
#include "cornersteps.h"
#include "developed.h"
#include "digitends.h"
#include "exactness.h"
#include "notation.h"
#include "roman.h"
#include "romansteps.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using naturals::Natural;

// ---- The sentences of this solution, in one place; the answer, the cut,
// the exact value and the check are said as every solution says them
// (exactness.h), numbers are stated as notation.h states them --------------

const char NO_RESULT[] = "Решения нет: действие не выполнено.";

// Fractions whose denominators have at most this many bits are brought to
// their common denominator in a step of its own; longer ones are not, whose
// numbers would only be shortened again.
constexpr size_t SHORT_FRACTION_BITS = 128;

// An operand of at most SHORT_NUMBER digits, with at most that many in the
// system of the work, gets the conversion's own solution when that takes at
// most this many lines; any other one line.
constexpr size_t SHORT_CONVERSION_LINES = 16;

// "Точность: 4 цифры в дробной части.", as a conversion's title has it.
std::string PrecisionLine(int precision)
{
    return "Точность: " + CountOf(static_cast<uint64_t>(precision), "цифра", "цифры", "цифр") + " в дробной части.";
}

// The answer 0 of a Roman target, which has no numeral for it.
std::string RomanZeroAnswer(const std::string& task)
{
    return AnswerLine(task + " = 0; нуля в римской системе нет, поле ответа остаётся пустым");
}

// The exact value of a cut result. A denominator of the primes of the bases
// (2 to 13) alone has its expansion's lengths as their powers, and the
// sentence every solution has; one with a larger prime has them only when
// the digits are written.
std::string ExactValueLine(const ArithmeticOutcome& o, int base)
{
    const BaseExpansion& e = o.expansion;
    const std::string sign = o.value.negative ? "-" : "";
    Exactness facts;
    facts.exact = false;
    facts.written = o.exactWritten;
    facts.digits = e.exactFraction;
    if (naturals::Compare(o.value.rest, naturals::FromWord(1)) == 0) {
        facts.expansion = ExpansionOf(o.value.smooth, base);
        return ExactValueSentence(facts, sign + e.whole, base);
    }
    if (o.exactWritten)
        return "Точное значение: " + Stated(o.exactValue, base) + ".";
    Expansion kind;
    kind.finite = false;
    kind.prePeriod = ExpansionOf(o.value.smooth, base).prePeriod;
    return "Точное значение — " + ExpansionKind(kind) + "; в нём больше " + GroupedNumber(LONGEST_EXACT)
        + " цифр, поэтому оно не выписано.";
}

// ---- The page's width ------------------------------------------------------

bool IsLetter(unsigned char ch)
{
    return ch >= 0xC0 || ch == 0xA8 || ch == 0xB8;  // Windows-1251: А to я, Ё, ё
}

bool HasLetters(const std::string& line)
{
    return std::any_of(line.begin(), line.end(), [](char ch) { return IsLetter(static_cast<unsigned char>(ch)); });
}

// Whether a line is prose or a formula, which may be carried over: it has
// letters or an equals sign. Drawings (the columns, the corner) have neither.
bool MayBreak(const std::string& line)
{
    return HasLetters(line) || line.find(" = ") != std::string::npos;
}

// Where the carried-over lines of a line begin: under its text, past its
// indent and its row number ("  3) ").
size_t HangingIndent(const std::string& line)
{
    const size_t at = line.find_first_not_of(' ');
    if (at == std::string::npos)
        return 0;
    size_t k = at;
    while (k < line.size() && line[k] >= '0' && line[k] <= '9')
        ++k;
    const bool numbered = k > at && k + 1 < line.size() && line[k] == ')' && line[k + 1] == ' ';
    return numbered ? k + 2 : at;
}

// Whether a word of one or two letters ("в", "с", "не") stands before the
// space: a line does not end with one.
bool ShortWordBefore(const std::string& line, size_t space)
{
    size_t letters = 0;
    for (size_t k = space; k > 0 && IsLetter(static_cast<unsigned char>(line[k - 1])); --k)
        ++letters;
    return letters > 0 && letters <= 2 && (space == letters || line[space - letters - 1] == ' ');
}

// How well a line breaks at a space: 2 after punctuation or before a word,
// 1 before an equals sign, 0 inside a side of a formula ("2 + 0 - 1") or
// after a word of one or two letters. A formula alone on its
// line breaks best before an equals sign.
int BreakQuality(const std::string& line, size_t space, bool prose)
{
    const char before = line[space - 1], after = line[space + 1];
    if (after == '=')
        return prose ? 1 : 2;
    if (!prose || ShortWordBefore(line, space))
        return 0;
    const bool good = before == ',' || before == ':' || before == ';' || before == '.'
        || IsLetter(static_cast<unsigned char>(after));
    return good ? 2 : 0;
}

// The space at or before `most` and past `least` to break a line at: the
// last of the best quality among those that leave the first line at least
// half full, else the last of all; npos when there is none.
size_t BreakAt(const std::string& line, size_t least, size_t most)
{
    const bool prose = HasLetters(line);
    const size_t half = least + (most - least) / 2;
    // A line of one word ("Ответ:", "=") says nothing: never the first space.
    const size_t first = line.find(' ', line.find_first_not_of(' '));
    size_t best[3] = {std::string::npos, std::string::npos, std::string::npos};
    for (size_t k = std::min(most, line.size() - 1); k > least; --k) {
        if (line[k] != ' ' || line[k - 1] == ' ' || k == first)
            continue;
        const int quality = k >= half ? BreakQuality(line, k, prose) : 0;
        if (best[quality] == std::string::npos)
            best[quality] = k;
    }
    for (int quality = 2; quality >= 0; --quality)
        if (best[quality] != std::string::npos)
            return best[quality];
    return std::string::npos;
}

// The lines of text, each line of prose or a formula (MayBreak) longer than
// LINE_WIDTH (steptext.h) broken at spaces, its carried-over parts indented
// under its text, or under the first equals sign of a formula alone. Broken
// at an equals sign, a line ends with " =" and the next begins with "= ", as
// Chain breaks a chain of equalities. A word longer than the width stays whole.
std::string Wrapped(const std::string& text)
{
    std::string out;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string rest = text.substr(from, end - from);
        from = end + 1;
        if (rest.size() > LINE_WIDTH && MayBreak(rest)) {
            const size_t equals = rest.find(" = ");
            const bool underEquals = !HasLetters(rest) && equals != std::string::npos && equals < LINE_WIDTH / 2;
            const size_t indent = underEquals ? equals + 1 : HangingIndent(rest);
            while (rest.size() > LINE_WIDTH) {
                size_t cut = BreakAt(rest, indent, LINE_WIDTH);
                // Before an equals sign the line gets " =" too: it must still fit.
                while (cut != std::string::npos && cut + 2 > LINE_WIDTH && rest.compare(cut + 1, 2, "= ") == 0)
                    cut = BreakAt(rest, indent, cut - 1);
                if (cut == std::string::npos)
                    cut = rest.find(' ', LINE_WIDTH);
                // A break at or before the indent would not shorten the line: it stays whole.
                if (cut == std::string::npos || cut <= indent + 2)
                    break;
                const size_t next = rest.find_first_not_of(' ', cut);
                if (next == std::string::npos) {
                    rest.erase(cut);
                    break;
                }
                std::string head = rest.substr(0, cut), tail = rest.substr(next);
                if (tail.compare(0, 2, "= ") == 0)
                    head += " =";
                else if (head.size() >= 2 && head.compare(head.size() - 2, 2, " =") == 0)
                    tail = "= " + tail;
                out += head + "\n";
                rest = std::string(indent, ' ') + tail;
            }
        }
        out += rest + "\n";
    }
    return out;
}

// The readers of digits one solution shares, with their powers: of the
// system of the work, and of decimal for common fractions.
struct Readers {
    explicit Readers(int base) : work(base), decimal(10) {}
    EndsReader work;
    EndsReader decimal;
};

// A number the steps computed, in the system of the work, with its base.
std::string NamedIn(const Positional& x, EndsReader& reader)
{
    // The base goes after the digits, before the count of a shortened number.
    const std::string text = PositionalText(x, reader);
    const size_t count = text.find(" (");
    if (count == std::string::npos)
        return Based(text, reader.Base());
    return Based(text.substr(0, count), reader.Base()) + text.substr(count);
}

// ---- The operands ------------------------------------------------------------

// An operand as the steps take it: its sign apart, its text without zeros
// that are not written, its value's magnitude.
struct Operand {
    bool negative;
    std::string text;  // the magnitude's digits, "." before the fraction
    int system;
    Rational magnitude;
    ReadNumber read;   // as the command read it
};

Operand OperandOf(const ReadNumber& read, const Rational& value)
{
    Operand operand;
    operand.read = read;
    operand.negative = value.negative;
    operand.system = read.system;
    operand.magnitude = value;
    operand.magnitude.negative = false;
    const std::string whole = WithoutLeadingZeros(read.whole);
    const std::string fraction = WithoutTrailingZeros(read.fraction);
    operand.text = fraction.empty() ? whole : whole + "." + fraction;
    return operand;
}

// "-5₁₀" or "5₁₀"; in parentheses when negative and in the middle of a formula.
std::string Signed(const Operand& x, bool parentheses)
{
    const std::string named = Stated(x.text, x.system);
    if (!x.negative)
        return named;
    return parentheses ? "(-" + named + ")" : "-" + named;
}

// Whether the magnitude has a finite expansion in base, and how many digits.
bool FiniteIn(const Rational& x, int base, uint64_t& fraction)
{
    const Expansion e = ExpansionOf(x.smooth, base);
    fraction = e.prePeriod;
    return e.finite && naturals::Compare(x.rest, naturals::FromWord(1)) == 0;
}

// The magnitude written in base, known to be finite there: its digits are
// the numerator times base^fraction / denominator, a product of small
// primes' powers, so no long division is needed.
Positional PositionalOf(const Rational& x, int base)
{
    Positional p;
    FiniteIn(x, base, p.fraction);
    PrimePowers cofactor = FactorsOf(static_cast<uint64_t>(base));
    for (int k = 0; k < PRIME_COUNT; ++k)
        cofactor.exponent[k] = cofactor.exponent[k] * p.fraction - x.smooth.exponent[k];
    p.digits = naturals::Multiply(x.numerator, ValueOf(cofactor));
    return p;
}

// "1/3", "8", for a magnitude: its numerator and denominator in decimal.
std::string FractionText(const Natural& num, const Natural& den, EndsReader& decimal)
{
    const std::string top = PositionalText({num, 0}, decimal);
    return naturals::Compare(den, naturals::FromWord(1)) == 0 ? top : top + "/" + PositionalText({den, 0}, decimal);
}

std::string FractionText(const Rational& x, EndsReader& decimal)
{
    return FractionText(x.numerator, x.denominator, decimal);
}

// ---- The signs -----------------------------------------------------------------

// What is done with the magnitudes: which operation, in which order, and
// the sign of the result; and the lines that explain it.
struct Plan {
    Operation operation;
    bool swapped = false;   // the second magnitude first (subtraction of the smaller)
    bool negative = false;  // the result takes a minus
    std::vector<std::string> lines;
};

Plan PlanOf(Operation operation, const Operand& a, const Operand& b)
{
    Plan plan;
    plan.operation = operation;
    const std::string x = Stated(a.text, a.system), y = Stated(b.text, b.system);
    const std::string task = Signed(a, false) + " " + OperationSign(operation) + " " + Signed(b, true);
    if (operation == Operation::MULTIPLY || operation == Operation::DIVIDE) {
        plan.negative = a.negative != b.negative;
        const bool product = operation == Operation::MULTIPLY;
        if (a.negative && b.negative)
            plan.lines.push_back(std::string("Оба числа отрицательные: ") + (product ? "произведение" : "частное")
                                 + " положительное, " + (product ? "умножаем" : "делим") + " модули.");
        else if (plan.negative)
            plan.lines.push_back(std::string("Знаки разные: ") + (product ? "произведение" : "частное") + " отрицательное, "
                                 + (product ? "умножаем" : "делим") + " модули, а знак «минус» ставим в ответ.");
        return plan;
    }
    // The second number's sign as it is added: a subtraction adds the opposite.
    const bool subtracted = operation == Operation::SUBTRACT;
    const bool bNegative = b.negative != subtracted;
    if (a.negative == bNegative) {
        plan.operation = Operation::ADD;
        plan.negative = a.negative;
    } else {
        plan.operation = Operation::SUBTRACT;
        plan.swapped = naturals::Compare(naturals::Multiply(a.magnitude.numerator, b.magnitude.denominator),
                                         naturals::Multiply(b.magnitude.numerator, a.magnitude.denominator)) < 0;
        plan.negative = plan.swapped ? bNegative : a.negative;
    }
    const std::string first = plan.swapped ? y : x, second = plan.swapped ? x : y;
    const std::string work = first + " " + OperationSign(plan.operation) + " " + second;
    std::vector<std::string> reasons;
    if (subtracted && b.negative)
        reasons.push_back("Вычесть отрицательное число — то же, что прибавить его модуль.");
    if (a.negative && bNegative)
        reasons.push_back(subtracted && !b.negative
                              ? "Из отрицательного числа вычитаем положительное: складываем модули, а результат отрицательный."
                              : "Оба слагаемых отрицательные: складываем модули, а сумма отрицательная.");
    else if ((a.negative || b.negative) && a.negative != bNegative)
        reasons.push_back("Знаки разные: из большего модуля вычитаем меньший, а знак ставим как у числа с большим модулем.");
    else if (plan.swapped)
        reasons.push_back("Вычитаемое больше уменьшаемого: из большего числа вычитаем меньшее, а разность отрицательная.");
    if (reasons.empty())
        return plan;
    plan.lines = reasons;
    // The task, the subtraction of a negative number as an addition, and the work with its sign.
    std::string formula = "  " + task, last = task;
    const auto then = [&formula, &last](const std::string& form) {
        if (form != last)
            formula += " = " + form;
        last = form;
    };
    if (subtracted && b.negative)
        then(Signed(a, false) + " + " + y);
    then(plan.negative ? "-(" + work + ")" : work);
    plan.lines.push_back(formula);
    return plan;
}

// ---- The work ----------------------------------------------------------------

QuotientFacts FactsOf(const ArithmeticOutcome& o)
{
    QuotientFacts facts;
    facts.written = o.expansion.written;
    facts.prePeriod = o.expansion.prePeriod;
    facts.period = o.expansion.period;
    return facts;
}

// The column or the corner on the two magnitudes, written in base.
std::vector<std::string> ColumnWork(const Plan& plan, const Rational& a, const Rational& b, Readers& readers,
                                    const ArithmeticOutcome& o)
{
    EndsReader& reader = readers.work;
    const int base = reader.Base();
    const Positional x = PositionalOf(plan.swapped ? b : a, base), y = PositionalOf(plan.swapped ? a : b, base);
    Positional result;
    switch (plan.operation) {
    case Operation::ADD: return ColumnAdditionLines(x, y, reader, result);
    case Operation::SUBTRACT: return ColumnSubtractionLines(x, y, reader, result);
    case Operation::MULTIPLY: return ColumnMultiplicationLines(x, y, reader, result);
    default: return CornerDivisionLines(x, y, reader, o.precision, FactsOf(o));
    }
}

// a op b in common fractions, then the result's fraction divided out in base.
std::vector<std::string> FractionWork(const Plan& plan, const Operand& a, const Operand& b, Readers& readers,
                                      const ArithmeticOutcome& o)
{
    EndsReader& decimal = readers.decimal;
    const int base = readers.work.Base();
    // The operands as common fractions, each read once.
    const std::string fractionA = FractionText(a.magnitude, decimal), fractionB = FractionText(b.magnitude, decimal);
    std::vector<std::string> lines = {
        "В " + SystemName(base, Case::PREPOSITIONAL) + " эта дробь бесконечная, поэтому считаем с обыкновенными "
            "дробями, а результат переводим в " + SystemName(base, Case::ACCUSATIVE) + " в конце:",
        "  " + Stated(a.text, a.system) + " = " + fractionA, "  " + Stated(b.text, b.system) + " = " + fractionB,
        std::string()};
    const Rational& x = plan.swapped ? b.magnitude : a.magnitude;
    const Rational& y = plan.swapped ? a.magnitude : b.magnitude;
    Rational value = o.value;
    value.negative = false;
    std::string work = "  " + (plan.swapped ? fractionB : fractionA) + " " + OperationSign(plan.operation) + " "
        + (plan.swapped ? fractionA : fractionB) + " = ";
    // The step to the common denominator is shown for short numbers only.
    const bool shortFractions = naturals::BitLength(x.denominator) <= SHORT_FRACTION_BITS
        && naturals::BitLength(y.denominator) <= SHORT_FRACTION_BITS;
    if (shortFractions && (plan.operation == Operation::ADD || plan.operation == Operation::SUBTRACT)) {
        // To the least common denominator: for numbers written in bases it is
        // made of small primes alone.
        PrimePowers common, upX, upY;
        for (int k = 0; k < PRIME_COUNT; ++k) {
            common.exponent[k] = std::max(x.smooth.exponent[k], y.smooth.exponent[k]);
            upX.exponent[k] = common.exponent[k] - x.smooth.exponent[k];
            upY.exponent[k] = common.exponent[k] - y.smooth.exponent[k];
        }
        const Natural den = ValueOf(common);
        if (!upX.IsOne() || !upY.IsOne())
            work += FractionText(naturals::Multiply(x.numerator, ValueOf(upX)), den, decimal) + " "
                + OperationSign(plan.operation) + " "
                + FractionText(naturals::Multiply(y.numerator, ValueOf(upY)), den, decimal) + " = ";
    } else if (shortFractions && plan.operation == Operation::DIVIDE) {
        work += FractionText(x, decimal) + " · " + FractionText(y.denominator, y.numerator, decimal) + " = ";
    }
    if (naturals::Compare(value.rest, naturals::FromWord(1)) != 0 && value.rest.size() <= 64)
        value = Reduced(value);
    work += FractionText(value, decimal);
    lines.push_back(work);
    if (naturals::Compare(value.denominator, naturals::FromWord(1)) == 0) {
        const Positional whole{value.numerator, 0};
        if (base != 10)
            lines.push_back("Результат целый; в " + SystemName(base, Case::PREPOSITIONAL) + ": "
                            + FractionText(value, decimal) + " = " + NamedIn(whole, readers.work) + ".");
        return lines;
    }
    lines.push_back(std::string());
    lines.push_back("Переводим " + FractionText(value, decimal) + " в " + SystemName(base, Case::ACCUSATIVE)
                    + ": делим числитель на знаменатель.");
    const Positional num{value.numerator, 0}, den{value.denominator, 0};
    if (base != 10)
        for (const Positional* x : {&num, &den})
            lines.push_back("  " + PositionalText(*x, decimal) + " = " + NamedIn(*x, readers.work));
    // The command divided this same fraction: its remainder starts the corner's last steps.
    QuotientFacts facts = FactsOf(o);
    if (naturals::Compare(value.numerator, o.value.numerator) == 0
        && naturals::Compare(value.denominator, o.value.denominator) == 0) {
        facts.remainderKnown = true;
        facts.remainder = o.expansion.remainder;
    }
    const std::vector<std::string> corner = CornerDivisionLines(num, den, readers.work, o.precision, facts);
    lines.insert(lines.end(), corner.begin(), corner.end());
    return lines;
}

// The conversion's own solution of a short operand's magnitude into base,
// where it has an end: its steps, without its title, answer and check, as
// sections. Nothing for a longer one, or one whose steps would be long.
std::vector<std::vector<std::string>> FullConversion(const Operand& x, int base)
{
    uint64_t fraction;
    if (!FiniteIn(x.magnitude, base, fraction) || DigitsOf(x.text) > SHORT_NUMBER || fraction > SHORT_NUMBER)
        return {};
    ReadNumber read = x.read;
    read.negative = false;
    ConversionParts parts;
    const Outcome outcome = ConvertReadNumber(read, std::max<int>(1, static_cast<int>(fraction)), base, parts);
    const std::string text = SolveCommand(ConversionCommand(parts, outcome)).text;
    std::vector<std::vector<std::string>> sections(1);
    size_t lines = 0;
    for (size_t from = 0; from < text.size();) {
        const size_t end = text.find('\n', from);
        const std::string line = text.substr(from, end - from);
        from = end + 1;
        if (line.empty()) {
            sections.emplace_back();
        } else if (sections.size() > 1) {  // past the title
            if (sections.back().empty() && line.compare(0, 7, "Ответ: ") == 0)
                break;
            sections.back().push_back(line);
            ++lines;
        }
    }
    sections.erase(sections.begin());
    if (lines > SHORT_CONVERSION_LINES || sections.empty())
        return {};
    sections.front().insert(sections.front().begin(),
                            "Переводим " + Stated(x.text, x.system) + " в " + SystemName(base, Case::ACCUSATIVE) + ".");
    return sections;
}

// The operands of another system than the work's, written in it: by the
// conversion's own steps where they are short, else in a line each.
// finite receives whether both have an end there.
std::vector<std::vector<std::string>> ConversionSections(const Operand& a, const Operand& b, Readers& readers,
                                                         bool& finite)
{
    const int base = readers.work.Base();
    std::vector<std::vector<std::string>> sections;
    std::vector<std::string> lines;  // the operands that take a line
    finite = true;
    for (const Operand* x : {&a, &b}) {
        if (x->system == base)
            continue;
        uint64_t fraction;
        if (FiniteIn(x->magnitude, base, fraction)) {
            const std::vector<std::vector<std::string>> full = FullConversion(*x, base);
            if (!full.empty())
                sections.insert(sections.end(), full.begin(), full.end());
            else
                lines.push_back("  " + Stated(x->text, x->system) + " = "
                                + NamedIn(PositionalOf(x->magnitude, base), readers.work));
            continue;
        }
        finite = false;
        // An operand's denominator is made of small primes: its expansion's
        // lengths follow from them, and its digits are written when few.
        const Expansion lengths = ExpansionOf(x->magnitude.smooth, base);
        uint64_t period = 0;
        const bool written = lengths.period.Fits(period) && lengths.prePeriod + period <= LONGEST_EXACT;
        std::string value = ExpansionKind(lengths) + ", " + ExpansionLengths(lengths) + "; в ней больше "
            + GroupedNumber(LONGEST_EXACT) + " цифр, она не выписана";
        if (written) {
            const BaseExpansion e = ExpandIn(x->magnitude, base, 0);
            value = Stated(e.whole + "." + e.exactFraction, base, LONG_NUMBER) + " — " + ExpansionKind(lengths);
        }
        lines.push_back("  " + Stated(x->text, x->system) + " = " + value);
    }
    if (!lines.empty()) {
        lines.insert(lines.begin(), std::string("Записываем ") + (lines.size() > 1 ? "числа" : "число") + " в "
                                        + SystemName(base, Case::PREPOSITIONAL) + ":");
        sections.push_back(lines);
    }
    return sections;
}

// The task, and the precision when a fraction can come of it.
std::vector<std::string> Header(const ArithmeticRequest& request, const Operand& a, const Operand& b, int precision)
{
    const bool fraction = request.operation == Operation::DIVIDE || !a.magnitude.smooth.IsOne()
        || !b.magnitude.smooth.IsOne();
    const std::string where = request.target == ROMAN
        ? " в десятичной системе счисления, ответ — римскими цифрами"
        : " в " + SystemName(request.target, Case::PREPOSITIONAL);
    std::vector<std::string> lines = {"Вычисляем " + Signed(a, false) + " " + OperationSign(request.operation) + " "
                                      + Signed(b, true) + where + "."};
    if (fraction && request.target != ROMAN)
        lines.push_back(PrecisionLine(precision));
    return lines;
}

// Neither the column nor the corner is needed for a zero product or quotient.
std::string ZeroLine(Operation operation, const Operand& a, const Operand& b)
{
    if (operation == Operation::MULTIPLY && (IsZero(a.magnitude) || IsZero(b.magnitude)))
        return "Один из множителей — нуль, поэтому произведение равно нулю.";
    if (operation == Operation::DIVIDE && IsZero(a.magnitude))
        return "Делимое — нуль, поэтому частное равно нулю.";
    return std::string();
}

// The whole division's quotient and remainder, in the system of the work:
// "-17 = 5 · (-3) + (-2)".
std::vector<std::string> WholeDivisionLines(const ArithmeticOutcome& o, const Operand& a, const Operand& b,
                                            EndsReader& reader)
{
    auto shown = [&reader](const Rational& x, bool parentheses) {
        const std::string named = NamedIn({x.numerator, 0}, reader);
        return !x.negative ? named : parentheses ? "(-" + named + ")" : "-" + named;
    };
    Rational dividend = a.magnitude, divisor = b.magnitude;
    dividend.negative = a.negative;
    divisor.negative = b.negative;
    if (IsZero(o.remainder))
        return {"Оба числа целые и делятся нацело: " + shown(dividend, false) + " = " + shown(divisor, true) + " · "
                + shown(o.quotient, true) + "."};
    return {"Оба числа целые: неполное частное — " + shown(o.quotient, false) + " (дробная часть отброшена), остаток — "
                + shown(o.remainder, false) + ":",
            "  " + shown(dividend, false) + " = " + shown(divisor, true) + " · " + shown(o.quotient, true) + " + "
                + shown(o.remainder, true)};
}

// x in the system of the work, signed, in parentheses when negative and
// parentheses is set; false when it has no end there or more than
// CHECK_DIGITS digits, as a check takes only numbers it could do by hand.
bool CheckNumber(const Rational& x, int base, bool parentheses, std::string& text)
{
    Rational magnitude = x;
    magnitude.negative = false;
    uint64_t fraction;
    if (!FiniteIn(magnitude, base, fraction) || fraction > CHECK_DIGITS)
        return false;
    const BaseExpansion e = CutIn(magnitude, base, static_cast<int>(fraction));
    if (e.whole.size() + e.fraction.size() > CHECK_DIGITS)
        return false;
    const std::string digits = Based(e.fraction.empty() ? e.whole : e.whole + "." + e.fraction, base);
    text = !x.negative || IsZero(x) ? digits : parentheses ? "(-" + digits + ")" : "-" + digits;
    return true;
}

// The check of an exact answer by the inverse operation, in the system of
// the work: a sum less its second term, a difference plus what was taken, a
// product divided by a factor, a quotient times the divisor. Nothing when a
// number of it has no end in that system or is long.
std::vector<std::string> AnswerCheck(Operation operation, const ArithmeticOutcome& o, int base)
{
    const Rational &a = o.firstValue, &b = o.secondValue, &r = o.value;
    const Rational* by = &b;
    const Rational* expected = &a;
    const char* how;
    Operation inverse;
    switch (operation) {
    case Operation::ADD:
        how = "из суммы вычитаем второе слагаемое, должно получиться первое";
        inverse = Operation::SUBTRACT;
        break;
    case Operation::SUBTRACT:
        how = "к разности прибавляем вычитаемое, должно получиться уменьшаемое";
        inverse = Operation::ADD;
        break;
    case Operation::MULTIPLY:
        if (IsZero(b) && IsZero(a))
            return {};
        how = IsZero(b) ? "произведение делим на первый множитель, должно получиться второе"
                        : "произведение делим на второй множитель, должно получиться первое";
        if (IsZero(b)) {
            by = &a;
            expected = &b;
        }
        inverse = Operation::DIVIDE;
        break;
    default:
        how = "частное умножаем на делитель, должно получиться делимое";
        inverse = Operation::MULTIPLY;
        break;
    }
    const Rational got = inverse == Operation::ADD        ? Sum(r, *by)
                         : inverse == Operation::SUBTRACT ? Difference(r, *by)
                         : inverse == Operation::MULTIPLY ? Product(r, *by)
                                                          : Quotient(r, *by);
    std::string result, term, value;
    if (!CheckNumber(r, base, false, result) || !CheckNumber(*by, base, true, term)
        || !CheckNumber(got, base, false, value))
        return {};
    const Rational error = Difference(got, *expected);
    return CheckLines(how, {"  " + result + " " + OperationSign(inverse) + " " + term + " = " + value}, IsZero(error));
}

// The answer, whether it is exact, the exact value of a cut one, and the
// check of an exact one.
std::vector<std::vector<std::string>> AnswerSections(const ArithmeticRequest& request, const ArithmeticOutcome& o,
                                                     const std::string& task)
{
    if (request.target == ROMAN) {
        if (o.result.empty())
            return {{RomanZeroAnswer(task)}};
        const int value = StrToNum(o.expansion.whole);
        return {{AnswerLine(task + " = " + o.result) + " " + EXACT_RESULT},
                CheckLines("читаем ответ", RomanReadingLines(o.result), RomanToArab(o.result.c_str()) == value)};
    }
    const int base = request.target;
    const std::string answer = AnswerLine(task + " = " + Stated(o.result, base));
    if (o.exact)
        return {{answer + " " + EXACT_RESULT}, AnswerCheck(request.operation, o, base)};
    const BaseExpansion& e = o.expansion;
    const std::string kept = e.fraction + std::string(static_cast<size_t>(o.precision) - e.fraction.size(), '0');
    std::vector<std::string> lines = {answer};
    for (const std::string& line : CutLines(o.precision, kept))
        lines.push_back(line);
    lines.push_back(ExactValueLine(o, base));
    return {lines};
}

}  // namespace

Solution SolveArithmetic(const ArithmeticRequest& request, const ArithmeticOutcome& outcome)
{
    Solution solution;
    if (outcome.kind != ArithmeticOutcome::RESULT) {
        solution.text = Joined({NO_RESULT});
        return solution;
    }
    const ArithmeticOutcome& o = outcome;
    const int base = request.target == ROMAN ? 10 : request.target;
    const Operand a = OperandOf(o.firstRead, o.firstValue), b = OperandOf(o.secondRead, o.secondValue);
    Readers readers(base);
    SolutionText out;
    out.Section(Header(request, a, b, o.precision));
    bool finite;
    for (const std::vector<std::string>& section : ConversionSections(a, b, readers, finite))
        out.Section(section);
    const Plan plan = PlanOf(request.operation, a, b);
    out.Section(plan.lines);
    const std::string zero = ZeroLine(request.operation, a, b);
    if (!zero.empty())
        out.Section({zero});
    else if (finite)
        out.Section(ColumnWork(plan, a.magnitude, b.magnitude, readers, o));
    else
        out.Section(FractionWork(plan, a, b, readers, o));
    if (o.wholeDivision)
        out.Section(WholeDivisionLines(o, a, b, readers.work));
    const std::string task = Signed(a, false) + " " + OperationSign(request.operation) + " " + Signed(b, true);
    if (request.target == ROMAN)
        out.Section(RomanWriting(StrToNum(o.expansion.whole)));
    for (const std::vector<std::string>& section : AnswerSections(request, o, task))
        out.Section(section);
    solution.solved = true;
    solution.exact = o.exact;
    solution.exactWritten = o.exactWritten;
    solution.exactValue = o.exactValue;
    solution.text = Wrapped(out.Text());
    return solution;
}
