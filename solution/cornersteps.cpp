// Division "уголком". The dividend's digits, then zeros, are a stream read
// one digit a step; the remainder before a step is the prefix of the stream
// read so far modulo the divisor, so any block of steps starts from one
// division of a prefix, and a long division shows its first and last steps
// at the cost of two divisions.
#include "cornersteps.h"

#include <algorithm>

#include "converter.h"
#include "digitends.h"
#include "notation.h"
#include "rational.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using naturals::Natural;

// The drawing of the corner is made for at most this many steps and a
// dividend (with the zeros brought down) of at most this many characters.
constexpr uint64_t DRAWN_STEPS = 12;
constexpr size_t DRAWN_WIDTH = 40;
// A prefix shorter than the one kept by at most this many digits is made from it.
constexpr uint64_t NEAR_PREFIX = 64;

std::string InBase(uint64_t value, int base)
{
    return BinaryToDigits(naturals::FromWord(value), base);
}

// The dividend as a stream of digits: its whole part (at least one digit),
// its fraction, then zeros without end.
class Stream {
public:
    Stream(Natural value, uint64_t whole, uint64_t length, EndsReader& reader)
        : value_(std::move(value)), whole_(whole), length_(length), reader_(reader)
    {
    }

    // The dividend's remainder by the divisor, known beforehand.
    void KnowRemainder(Natural remainder)
    {
        remainder_ = std::move(remainder);
        haveRemainder_ = true;
    }

    uint64_t Whole() const { return whole_; }
    uint64_t Length() const { return length_; }

    // The number the first `count` digits of the stream make. A long
    // dividend's prefix costs a long division, so the one made last is kept:
    // a shorter one by a few digits is that one divided by a short power.
    Natural Prefix(uint64_t count)
    {
        if (count >= length_)
            return naturals::Multiply(value_, reader_.PowerOf(count - length_));
        Natural quotient, rest;
        if (count <= keptCount_ && keptCount_ - count <= NEAR_PREFIX) {
            naturals::DivMod(kept_, reader_.PowerOf(keptCount_ - count), quotient, rest);
            return quotient;
        }
        naturals::DivMod(value_, reader_.PowerOf(length_ - count), quotient, rest);
        kept_ = quotient;
        keptCount_ = count;
        return quotient;
    }

    // The remainder by divisor of the number that the first `count` digits
    // make, past the dividend's own digits: it follows from the dividend's
    // remainder alone, without the long quotient.
    Natural RemainderPast(uint64_t count, const Natural& divisor)
    {
        Natural quotient, rest;
        if (!haveRemainder_) {
            naturals::DivMod(value_, divisor, quotient, remainder_);
            haveRemainder_ = true;
        }
        naturals::DivMod(naturals::Multiply(remainder_, reader_.PowerOf(count - length_)), divisor, quotient, rest);
        return rest;
    }

    EndsReader& Reader() const { return reader_; }

private:
    Natural value_;    // the dividend's digits, whole part and fraction, read as one number
    uint64_t whole_;   // digits of the whole part, 1 or more
    uint64_t length_;  // whole + digits of the fraction
    EndsReader& reader_;
    bool haveRemainder_ = false;
    Natural remainder_;       // value_ modulo the divisor, once asked for
    uint64_t keptCount_ = 0;  // the prefix made last, and of how many digits
    Natural kept_;
};

// One step: the incomplete dividend, the digit of the quotient, the product
// of that digit and the divisor, and what remains.
struct Step {
    uint64_t index;  // the stream digit that completes the incomplete dividend
    Natural partial;
    uint32_t digit;
    Natural product;
    Natural remainder;
};

// Steps first to last (stream indices): the remainder before the first,
// then digit by digit.
std::vector<Step> StepsOf(Stream& stream, const Natural& divisor, uint64_t first, uint64_t last)
{
    const int base = stream.Reader().Base();
    const uint64_t count = last - first + 1;
    // The block's digits: the stream's own ones, then zeros.
    const uint64_t own = last < stream.Length() ? count : stream.Length() > first ? stream.Length() - first : 0;
    std::string digits;
    Natural remainder;
    if (own > 0) {
        // The prefix up to the block's last own digit gives both the block's
        // digits and, above them, the prefix before the block.
        Natural high, low, quotient;
        naturals::DivMod(stream.Prefix(first + own), stream.Reader().PowerOf(own), high, low);
        digits = DigitsOfWidth(low, base, static_cast<size_t>(own));
        naturals::DivMod(high, divisor, quotient, remainder);
    } else {
        remainder = stream.RemainderPast(first, divisor);
    }
    digits.resize(static_cast<size_t>(count), '0');
    std::vector<Step> steps;
    for (uint64_t k = 0; k < count; ++k) {
        Step step;
        step.index = first + k;
        step.partial = remainder;
        naturals::MultiplyAdd(step.partial, static_cast<uint32_t>(base),
                              static_cast<uint32_t>(DigitValue(digits[static_cast<size_t>(k)], NSmax)));
        Natural q;
        naturals::DivMod(step.partial, divisor, q, step.remainder);
        step.digit = q.empty() ? 0 : q[0];
        step.product = naturals::Multiply(divisor, q);
        remainder = step.remainder;
        steps.push_back(std::move(step));
    }
    return steps;
}

// The text of the dividend as the corner shows it: the stream's first
// `digits` digits with the point after the whole part.
std::string StreamText(Stream& stream, uint64_t digits, int base)
{
    std::string text = DigitsOfWidth(stream.Prefix(digits), base, static_cast<size_t>(digits));
    if (digits > stream.Whole())
        text.insert(static_cast<size_t>(stream.Whole()), ".");
    return text;
}

// The corner drawn: the dividend and the divisor, the first subtraction
// with the rule and the quotient at the right, then each subtraction under
// its incomplete dividend, and the last remainder.
std::vector<std::string> CornerDrawing(Stream& stream, const std::vector<Step>& steps, const std::string& divisor,
                                       const std::string& quotient, int base)
{
    const uint64_t last = steps.back().index;
    const std::string dividend = StreamText(stream, last + 1, base);
    auto column = [&stream](uint64_t index) { return static_cast<size_t>(index + (index >= stream.Whole() ? 1 : 0)) + 1; };
    const size_t left = dividend.size() + 2;  // the left part's width: a sign, the dividend, a space
    std::vector<std::string> rows;
    // A number of the steps under the dividend: each digit under the digit
    // it comes from, so one that spans the point has a gap there.
    auto place = [&](const std::string& text, uint64_t index, char sign) {
        std::string row(left, ' ');
        const uint64_t firstIndex = index + 1 - text.size();
        for (size_t k = 0; k < text.size(); ++k)
            row[column(firstIndex + k)] = text[k];
        if (sign != ' ')
            row[column(firstIndex) - 1] = sign;
        rows.push_back(row);
    };
    auto underline = [&](size_t length, uint64_t index) {
        std::string row(left, ' ');
        for (size_t k = column(index + 1 - length); k <= column(index); ++k)
            row[k] = '-';
        rows.push_back(row);
    };
    rows.push_back(" " + dividend + " ");
    bool first = true;
    for (const Step& step : steps) {
        if (step.digit == 0)
            continue;
        if (!first)
            place(BinaryToDigits(step.partial, base), step.index, ' ');
        const std::string product = BinaryToDigits(step.product, base);
        place(product, step.index, '-');
        underline(std::max(product.size(), BinaryToDigits(step.partial, base).size()), step.index);
        first = false;
    }
    place(BinaryToDigits(steps.back().remainder, base), last, ' ');
    // The divisor, the rule and the quotient to the right of the first rows.
    const size_t rule = std::max(divisor.size(), quotient.size()) + 1;
    while (rows.size() < 3)
        rows.push_back(std::string(left, ' '));
    rows[0] += "| " + divisor;
    rows[1] += "|" + std::string(rule, '-');
    rows[2] += "| " + quotient;
    std::vector<std::string> lines;
    for (std::string& row : rows) {
        row.erase(row.find_last_not_of(' ') + 1);
        lines.push_back("  " + row);
    }
    return lines;
}

// A number of the steps: all its digits when short, else its ends.
std::string Short(EndsReader& reader, const Natural& x)
{
    const DigitEnds ends = reader.Read(x);
    return ends.all.empty() ? ShortenedEnds(ends.head, ends.tail, ends.count) : Shortened(ends.all);
}

}  // namespace

std::vector<std::string> CornerDivisionLines(const Positional& a, const Positional& b, EndsReader& reader,
                                             int precision, const QuotientFacts& facts)
{
    const int base = reader.Base();
    std::vector<std::string> lines;
    // The divisor made whole: the point moves right in both numbers.
    Natural dividend = a.digits;
    uint64_t fraction = a.fraction;
    if (b.fraction > 0) {
        const std::string before = PositionalText(a, reader) + " : " + PositionalText(b, reader);
        if (fraction >= b.fraction) {
            fraction -= b.fraction;
        } else {
            dividend = naturals::Multiply(a.digits, reader.PowerOf(b.fraction - fraction));
            fraction = 0;
        }
        const Positional moved{dividend, fraction}, whole{b.digits, 0};
        lines.push_back("Делитель дробный: переносим точку в делимом и в делителе на "
                        + CountOf(b.fraction, "разряд", "разряда", "разрядов") + " вправо, частное от этого не меняется:");
        lines.push_back("  " + before + " = " + PositionalText(moved, reader) + " : " + PositionalText(whole, reader));
    }
    const uint64_t digits = reader.Read(dividend).count;
    const uint64_t wholeDigits = digits > fraction ? digits - fraction : 1;
    Stream stream(std::move(dividend), wholeDigits, wholeDigits + fraction, reader);
    // Only the unmoved dividend's remainder is the caller's.
    if (facts.remainderKnown && b.fraction == 0)
        stream.KnowRemainder(facts.remainder);
    const Natural& divisor = b.digits;
    const std::string divisorText = Short(reader, divisor);

    // The first incomplete dividend: the fewest leading digits of the whole
    // part that make a number not less than the divisor; the first digit
    // of the quotient when the whole part is less.
    uint64_t first = stream.Whole() - 1;
    const uint64_t divisorDigits = reader.Read(divisor).count;
    if (divisorDigits <= stream.Whole()) {
        // The first steps need the prefix a few digits past the divisor's length.
        stream.Prefix(std::min(stream.Length(), divisorDigits + 2 * TABLE_END + 2));
        // The prefix of as many digits as the divisor's, or of one more.
        const uint64_t longer = std::min(divisorDigits + 1, stream.Whole());
        const Natural prefix = stream.Prefix(longer);
        Natural shorter = prefix;
        if (longer > divisorDigits)
            naturals::DivideSmall(shorter, static_cast<uint32_t>(base));
        first = naturals::Compare(shorter, divisor) >= 0 ? divisorDigits - 1
              : naturals::Compare(prefix, divisor) >= 0 ? longer - 1 : stream.Whole() - 1;
    }
    // The last step: where the remainder becomes zero, a remainder repeats,
    // or the precision is reached.
    enum class End { ZERO, PERIOD, PRECISION };
    End end = End::PRECISION;
    uint64_t steps = static_cast<uint64_t>(precision), repeatFrom = 0;
    if (facts.written) {
        const uint64_t settled = std::max(facts.prePeriod, fraction);  // past the dividend's own digits
        const uint64_t needed = facts.period == 0 ? settled : settled + facts.period;
        if (needed <= static_cast<uint64_t>(precision)) {
            steps = needed;
            end = facts.period == 0 ? End::ZERO : End::PERIOD;
            repeatFrom = settled;
        }
    }
    const uint64_t last = stream.Whole() - 1 + steps;
    const uint64_t total = last - first + 1;

    lines.push_back("Делим уголком в " + SystemName(base, Case::PREPOSITIONAL) + ".");
    lines.push_back("Первое неполное делимое — наименьшее число из первых цифр делимого, не меньшее делителя.");
    lines.push_back("Сколько раз в неполном делимом укладывается делитель — очередная цифра частного; "
                    "вычитаем и сносим следующую цифру делимого, а когда цифры кончатся — нуль.");
    // The rows shown: all, or the first and the last few, each block from one prefix.
    const std::vector<uint64_t> shown = ShownRows(total);
    std::vector<Step> rows;
    for (size_t k = 0; k < shown.size();) {
        size_t run = k;
        while (run + 1 < shown.size() && shown[run + 1] == shown[run] + 1)
            ++run;
        const std::vector<Step> block = StepsOf(stream, divisor, first + shown[k], first + shown[run]);
        rows.insert(rows.end(), block.begin(), block.end());
        k = run + 1;
    }
    std::string quotientDigits;
    if (total <= DRAWN_STEPS && StreamText(stream, last + 1, base).size() <= DRAWN_WIDTH
        && divisorText.size() <= DRAWN_WIDTH) {
        for (const Step& step : rows) {
            if (step.index == stream.Whole())
                quotientDigits += quotientDigits.empty() ? "0." : ".";
            quotientDigits += InBase(step.digit, base);
        }
        const std::vector<std::string> drawing = CornerDrawing(stream, rows, divisorText, quotientDigits, base);
        lines.insert(lines.end(), drawing.begin(), drawing.end());
        lines.push_back(std::string());
    }
    // A long divisor is named once; its steps then show what changes.
    const bool longDivisor = divisorText.size() > LONG_NUMBER;
    if (longDivisor)
        lines.push_back("Делитель длинный, в шагах не повторяем: неполное делимое, цифра частного, остаток.");
    StepTable table("RL");
    for (size_t k = 0; k < rows.size(); ++k) {
        const Step& step = rows[k];
        const std::string partial = Short(reader, step.partial), remainder = Short(reader, step.remainder);
        const bool point = step.index + 1 == stream.Whole() && steps > 0;
        const std::string end = point ? "; цифры целой части кончились: в частном ставим точку" : "";
        if (longDivisor) {
            table.Add({NumToStr(shown[k] + 1) + ")", " " + partial + ": цифра " + InBase(step.digit, base)
                       + ", остаток " + remainder + end});
            continue;
        }
        const std::string work = step.digit == 0
            ? "остаток " + partial + " (" + partial + " меньше " + divisorText + ")"
            : "остаток " + partial + " - " + Short(reader, step.product) + " = " + remainder;
        table.Add({NumToStr(shown[k] + 1) + ")", " " + partial + " : " + divisorText + " = " + InBase(step.digit, base)
                   + ", " + work + end});
    }
    const std::vector<std::string> tableLines = table.Lines(total);
    lines.insert(lines.end(), tableLines.begin(), tableLines.end());
    switch (end) {
    case End::ZERO:
        lines.push_back("Остаток 0, и цифры делимого кончились: деление закончено.");
        break;
    case End::PERIOD:
        lines.push_back("Остаток " + Short(reader, rows.back().remainder) + " после шага " + NumToStr(total)
                        + " уже был после шага " + NumToStr(stream.Whole() - first + repeatFrom)
                        + ": дальше цифры частного повторяются, период — " + CountOf(facts.period, "цифра", "цифры", "цифр")
                        + ".");
        break;
    case End::PRECISION:
        lines.push_back("Получено " + CountOf(steps, "цифра", "цифры", "цифр") + " после точки — столько задаёт "
                        "точность; дальше не делим.");
        break;
    }
    return lines;
}
