// Column arithmetic in any base for the worked solutions. Every digit a
// column needs is read from the ends of the numbers' digits (digitends.h):
// short numbers have all their digits there, long ones their first and
// last, which are all that a cut table of columns shows; the carry into a
// column near the top end follows from the digits above it.
#include "columnsteps.h"

#include <algorithm>

#include "converter.h"
#include "digitends.h"
#include "notation.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

using naturals::Natural;

// A column is drawn when every line of it is at most this wide; longer
// numbers are shown by their ends, their columns by a cut table alone.
constexpr size_t DRAWING_WIDTH = 64;
// The digit products of a partial product are shown for a first factor of
// at most this many digits.
constexpr size_t SHORT_FACTOR = 8;

const char TIMES_SIGN = "·"[0];  // one byte of the program's texts
const char ALIGN_ZEROS[] = "Дробные части уравниваем: дописываем нули справа.";
const char TOO_LONG_TO_DRAW[] = "Числа длинные, столбик целиком не рисуем: разряды — в таблице.";

std::string InBase(uint64_t value, int base)
{
    return BinaryToDigits(naturals::FromWord(value), base);
}

// " = 12₁₆" after a decimal value whose digits in base are other ones.
std::string BaseForm(uint64_t value, int base)
{
    const std::string digits = InBase(value, base);
    return digits == NumToStr(value) ? std::string() : " = " + Based(digits, base);
}

// A term of a column's sum: a digit with its letter when it has one
// ("11 (B)", as notation.h writes letter digits), or a carry, and its value.
struct Term {
    std::string shown;
    uint64_t value;
};

Term DigitTerm(char digit)
{
    const int value = DigitValue(digit, NSmax);
    return {DigitWithValue(static_cast<uint32_t>(value)), static_cast<uint64_t>(value)};
}

Term NumberTerm(uint64_t value)
{
    return {NumToStr(value), value};
}

// "11 (B) + 7 + 1": the terms and their sign.
std::string Expression(const std::vector<Term>& terms, const char* sign)
{
    std::string shown;
    for (const Term& term : terms)
        shown += (shown.empty() ? "" : std::string(" ") + sign + " ") + term.shown;
    return shown;
}

// The digits of x with the point before the last `fraction` of them, and at
// least one digit before it.
std::string WithPoint(std::string digits, uint64_t fraction)
{
    if (fraction == 0)
        return digits;
    if (digits.size() <= fraction)
        digits.insert(0, static_cast<size_t>(fraction) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(fraction), 1, '.');
    return digits;
}

// The text column of digit position k (0 the last digit) in a drawing whose
// numbers end at column `right` and have `fraction` digits after the point.
size_t ColumnOf(uint64_t k, uint64_t fraction, size_t right)
{
    return right - static_cast<size_t>(k) - (fraction > 0 && k >= fraction ? 1 : 0);
}

// The number x * base^shift.
Natural Scaled(const Natural& x, int base, uint64_t shift)
{
    return shift == 0 ? x : naturals::Multiply(x, naturals::Power(static_cast<uint32_t>(base), shift));
}

// Two numbers aligned at the point: both as whole numbers of one count of
// fractional digits, the shorter fraction padded with zeros.
struct Aligned {
    Natural a, b;
    uint64_t fraction;
    bool padded;
};

Aligned Align(const Positional& a, const Positional& b, int base)
{
    const uint64_t f = std::max(a.fraction, b.fraction);
    return {Scaled(a.digits, base, f - a.fraction), Scaled(b.digits, base, f - b.fraction), f,
            a.fraction != b.fraction};
}

// A number of a column as it is drawn or shown: all its digits with the
// point when short, else its ends. strip drops trailing zeros of the fraction.
std::string EndsText(const DigitEnds& ends, uint64_t fraction, bool strip)
{
    if (!ends.all.empty()) {
        std::string text = WithPoint(ends.all, fraction);
        if (strip && fraction > 0) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
        return Shortened(text);
    }
    const uint64_t whole = ends.count > fraction ? ends.count - fraction : 0;
    std::string head = ends.head, tail = ends.tail;
    if (whole < head.size())
        head = WithPoint(head, head.size() - static_cast<size_t>(whole));
    if (fraction < tail.size())
        tail = WithPoint(tail, fraction);
    // Its digits as written: a number below one has "0." and the fraction's.
    return ShortenedEnds(head, tail, whole > 0 ? ends.count : fraction + 1);
}

// Whether numbers of these ends fit a drawing with `fraction` digits after the point.
bool Drawable(const std::vector<const DigitEnds*>& numbers, uint64_t fraction)
{
    for (const DigitEnds* ends : numbers)
        if (ends->all.empty() || WithPoint(ends->all, fraction).size() + 4 > DRAWING_WIDTH)
            return false;
    return true;
}

// A column drawing: numbers ending at one column, a sign before the second,
// a rule under them and the result, marks over the columns.
class Drawing {
public:
    Drawing(size_t width, uint64_t fraction) : right_(width + 1), fraction_(fraction) {}

    void Marks(const std::vector<std::pair<uint64_t, std::string>>& marks)
    {
        std::string line(right_ + 1, ' ');
        for (const auto& mark : marks) {
            const size_t column = ColumnOf(mark.first, fraction_, right_);
            line.replace(column + 1 - mark.second.size(), mark.second.size(), mark.second);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty())
            lines_.push_back("  " + line);
    }

    // text whose last character stands `shift` columns left of the right edge.
    void Number(char sign, const std::string& text, size_t shift = 0)
    {
        std::string line(right_ + 1 - shift - text.size(), ' ');
        line[0] = sign;
        lines_.push_back("  " + line + text);
    }

    void Rule(size_t length) { lines_.push_back("  " + std::string(right_ + 1 - length, ' ') + std::string(length, '-')); }

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    size_t right_;
    uint64_t fraction_;
    std::vector<std::string> lines_;
};

// The carry into a column near the top: what the digits above it in the sum
// hold beyond those of the operands.
uint64_t CarryInto(uint64_t k, const DigitEnds& a, const DigitEnds& b, const DigitEnds& sum, int base)
{
    return sum.Above(k, base) - a.Above(k, base) - b.Above(k, base);
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

// The table of columns after the sentences, an empty line between.
void AppendTable(std::vector<std::string>& lines, const StepTable& table, uint64_t rows)
{
    lines.push_back(std::string());
    Append(lines, table.Lines(rows));
}

// What a column writes and carries: "пишем 2, 1 переносим."; the top
// column's carry starts a new place.
std::string WritePhrase(uint64_t value, int base, bool top)
{
    const uint64_t digit = value % static_cast<uint64_t>(base), carry = value / static_cast<uint64_t>(base);
    const std::string write = "пишем " + InBase(digit, base);
    if (carry == 0)
        return write + ".";
    return write + ", " + NumToStr(carry) + (top ? " пишем впереди, в новый старший разряд." : " переносим.");
}

}  // namespace

std::string PositionalText(const Positional& x, EndsReader& reader)
{
    return EndsText(reader.Read(x.digits), x.fraction, true);
}

std::vector<std::string> ColumnAdditionLines(const Positional& a, const Positional& b, EndsReader& reader, Positional& sum)
{
    const int base = reader.Base();
    const Aligned aligned = Align(a, b, base);
    sum = {naturals::Add(aligned.a, aligned.b), aligned.fraction};
    const DigitEnds x = reader.Read(aligned.a), y = reader.Read(aligned.b), s = reader.Read(sum.digits);
    const uint64_t columns = std::max(x.count, y.count);
    const bool known = !x.all.empty() && !y.all.empty();  // every column's digits
    std::vector<std::string> lines = {
        "Складываем столбиком справа налево: в каждом разряде — обе цифры и перенос.",
        "Если сумма не меньше основания " + NumToStr(base) + ", пишем её младшую цифру, а старшую переносим "
        "в следующий разряд."};
    if (aligned.padded)
        lines.push_back(ALIGN_ZEROS);
    // Carries from the bottom while the digits are known, from the top above.
    std::vector<uint64_t> carries(static_cast<size_t>(std::min<uint64_t>(columns, 2 * ENDS_KEPT)) + 1, 0);
    for (size_t k = 0; k + 1 < carries.size(); ++k)
        carries[k + 1] = (DigitValue(x.At(k), NSmax) + DigitValue(y.At(k), NSmax) + carries[k]) / base;
    auto carryOf = [&](uint64_t k) {
        return known || k < carries.size() ? carries[static_cast<size_t>(k)] : CarryInto(k, x, y, s, base);
    };
    if (Drawable({&x, &y, &s}, aligned.fraction)) {
        const std::string tx = WithPoint(x.all, aligned.fraction), ty = WithPoint(y.all, aligned.fraction),
                          ts = WithPoint(s.all, aligned.fraction);
        Drawing drawing(std::max({tx.size(), ty.size(), ts.size()}), aligned.fraction);
        std::vector<std::pair<uint64_t, std::string>> marks;
        for (uint64_t k = 1; k < columns; ++k)
            if (carryOf(k) != 0)
                marks.push_back({k, NumToStr(carryOf(k))});
        drawing.Marks(marks);
        drawing.Number(' ', tx);
        drawing.Number('+', ty);
        drawing.Rule(std::max({tx.size(), ty.size(), ts.size()}));
        drawing.Number(' ', ts);
        Append(lines, drawing.Lines());
        if (EndsText(s, aligned.fraction, true) != Shortened(ts))
            lines.push_back(std::string(ZEROS_NOT_WRITTEN) + ": " + Shortened(ts) + " = "
                            + EndsText(s, aligned.fraction, true) + ".");
    } else {
        lines.push_back(TOO_LONG_TO_DRAW);
        lines.push_back("  " + EndsText(x, aligned.fraction, false) + " + " + EndsText(y, aligned.fraction, false)
                        + " = " + EndsText(s, aligned.fraction, false));
    }
    StepTable table("RL");
    for (uint64_t k : ShownRows(columns)) {
        const uint64_t carry = carryOf(k);
        std::vector<Term> terms = {DigitTerm(x.At(k)), DigitTerm(y.At(k))};
        if (carry != 0)
            terms.push_back(NumberTerm(carry));
        const uint64_t value = terms[0].value + terms[1].value + carry;
        table.Add({NumToStr(k + 1) + ")", " " + Expression(terms, "+") + " = " + NumToStr(value)
                   + BaseForm(value, base) + ": " + WritePhrase(value, base, k + 1 == columns)});
    }
    AppendTable(lines, table, columns);
    return lines;
}

std::vector<std::string> ColumnSubtractionLines(const Positional& a, const Positional& b, EndsReader& reader,
                                                Positional& difference)
{
    const int base = reader.Base();
    const Aligned aligned = Align(a, b, base);
    difference = {naturals::Subtract(aligned.a, aligned.b), aligned.fraction};
    const DigitEnds x = reader.Read(aligned.a), y = reader.Read(aligned.b), d = reader.Read(difference.digits);
    const uint64_t columns = x.count;
    const bool known = !x.all.empty() && !y.all.empty();
    std::vector<std::string> lines = {
        "Вычитаем столбиком, разряд за разрядом справа налево.",
        "Если цифры уменьшаемого не хватает, занимаем единицу старшего разряда: она равна " + NumToStr(base)
            + " единицам этого разряда.",
        "Над разрядом, у которого заняли, ставим точку: там вычитаем ещё эту единицу (- 1)."};
    if (aligned.padded)
        lines.push_back(ALIGN_ZEROS);
    std::vector<uint64_t> borrows(static_cast<size_t>(std::min<uint64_t>(columns, 2 * ENDS_KEPT)) + 1, 0);
    for (size_t k = 0; k + 1 < borrows.size(); ++k)
        borrows[k + 1] = DigitValue(x.At(k), NSmax) < DigitValue(y.At(k), NSmax) + static_cast<int>(borrows[k]);
    auto borrowOf = [&](uint64_t k) {
        return known || k < borrows.size() ? borrows[static_cast<size_t>(k)]
                                           : x.Above(k, base) - y.Above(k, base) - d.Above(k, base);
    };
    if (Drawable({&x, &y, &d}, aligned.fraction)) {
        const std::string tx = WithPoint(x.all, aligned.fraction), ty = WithPoint(y.all, aligned.fraction),
                          td = WithPoint(d.all, aligned.fraction);
        Drawing drawing(std::max({tx.size(), ty.size()}), aligned.fraction);
        std::vector<std::pair<uint64_t, std::string>> marks;
        for (uint64_t k = 1; k < columns; ++k)
            if (borrowOf(k) != 0)
                marks.push_back({k, "·"});
        drawing.Marks(marks);
        drawing.Number(' ', tx);
        drawing.Number('-', ty);
        drawing.Rule(std::max(tx.size(), ty.size()));
        drawing.Number(' ', td);
        Append(lines, drawing.Lines());
        if (EndsText(d, aligned.fraction, true) != Shortened(td))
            lines.push_back(std::string(ZEROS_NOT_WRITTEN) + ": " + Shortened(td) + " = "
                            + EndsText(d, aligned.fraction, true) + ".");
    } else {
        lines.push_back(TOO_LONG_TO_DRAW);
        lines.push_back("  " + EndsText(x, aligned.fraction, false) + " - " + EndsText(y, aligned.fraction, false)
                        + " = " + EndsText(d, aligned.fraction, false));
    }
    StepTable table("RL");
    for (uint64_t k : ShownRows(columns)) {
        const uint64_t lent = borrowOf(k), borrowed = borrowOf(k + 1);
        std::vector<Term> terms = {DigitTerm(x.At(k)), DigitTerm(y.At(k))};
        if (lent != 0)
            terms.push_back(NumberTerm(lent));
        const uint64_t top = terms[0].value, bottom = terms[1].value;
        std::string work = Expression(terms, "-");
        uint64_t value;
        if (borrowed == 0) {
            value = top - lent - bottom;
            work += " = " + NumToStr(value) + BaseForm(value, base) + ":";
        } else {
            value = static_cast<uint64_t>(base) + top - lent - bottom;
            work += ": не хватает, занимаем единицу старшего разряда: " + NumToStr(base) + " + "
                + NumToStr(top) + " - " + NumToStr(bottom) + (lent != 0 ? " - 1" : "") + " = "
                + NumToStr(value) + BaseForm(value, base) + ":";
        }
        table.Add({NumToStr(k + 1) + ")", " " + work + " пишем " + InBase(value, base) + "."});
    }
    AppendTable(lines, table, columns);
    if (d.count < columns) {  // the difference has fewer digits than its columns
        const std::string padded = WithPoint(std::string(static_cast<size_t>(columns - d.count), '0') + d.all,
                                             aligned.fraction);
        lines.push_back(std::string(ZEROS_NOT_WRITTEN)
                        + (d.all.empty() ? "." : ": " + padded + " = " + EndsText(d, aligned.fraction, true) + "."));
    }
    return lines;
}

std::vector<std::string> DigitProductLines(const std::string& a, uint32_t digit, int base)
{
    std::vector<std::string> lines;
    uint64_t carry = 0;
    for (size_t i = a.size(); i-- > 0;) {
        const uint64_t d = static_cast<uint64_t>(DigitValue(a[i], NSmax));
        const std::string m = InBase(digit, base);
        std::vector<Term> terms = {DigitTerm(a[i]), DigitTerm(m[0])};
        if (carry != 0)
            terms.push_back(NumberTerm(carry));
        const uint64_t value = d * digit + carry;
        std::string line = "    " + terms[0].shown + " · " + Expression({terms.begin() + 1, terms.end()}, "+") + " = "
            + NumToStr(value) + BaseForm(value, base) + ": ";
        carry = value / static_cast<uint64_t>(base);
        if (i == 0)
            line += "пишем " + InBase(value, base) + ".";
        else
            line += "пишем " + InBase(value % static_cast<uint64_t>(base), base)
                + (carry != 0 ? ", " + NumToStr(carry) + " в уме." : ".");
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ColumnMultiplicationLines(const Positional& a, const Positional& b, EndsReader& reader,
                                                   Positional& product)
{
    const int base = reader.Base();
    product = {naturals::Multiply(a.digits, b.digits), a.fraction + b.fraction};
    const DigitEnds x = reader.Read(a.digits), y = reader.Read(b.digits), p = reader.Read(product.digits);
    const uint64_t rows = y.count;
    std::vector<std::string> lines = {
        "Умножаем столбиком: первое число — на каждую цифру второго, справа налево; каждое следующее "
        "частичное произведение пишем со сдвигом на разряд влево, затем частичные произведения складываем."};
    if (a.fraction + b.fraction > 0)
        lines.push_back("Точки пока не замечаем: умножаем как целые числа.");
    if (base == 2)
        lines.push_back("В двоичной системе частичное произведение — само первое число (цифра 1) или нули (цифра 0).");
    // The partial products that are shown, each computed from the first number.
    struct Partial {
        uint64_t row;
        uint32_t digit;
        DigitEnds ends;
    };
    std::vector<Partial> partials;
    for (uint64_t j : ShownRows(rows)) {
        const uint32_t digit = static_cast<uint32_t>(DigitValue(y.At(j), NSmax));
        Natural value = a.digits;
        naturals::MultiplyAdd(value, digit, 0);
        DigitEnds ends = reader.Read(value);
        if (digit == 0 && !x.all.empty())
            ends.all = std::string(static_cast<size_t>(x.count), '0');  // a row of zeros as long as the number
        partials.push_back({j, digit, ends});
    }
    std::vector<const DigitEnds*> drawn = {&x, &y, &p};
    for (const Partial& partial : partials)
        drawn.push_back(&partial.ends);
    const bool drawable = Drawable(drawn, 0) && rows <= LONG_TABLE
        && WithPoint(p.all, 0).size() + static_cast<size_t>(rows) + 4 <= DRAWING_WIDTH;
    const std::string tx = EndsText(x, a.fraction, false), ty = EndsText(y, b.fraction, false);
    if (drawable) {
        const std::string tx = WithPoint(x.all, a.fraction), ty = WithPoint(y.all, b.fraction);
        size_t width = std::max({tx.size(), ty.size(), p.all.size()});
        for (const Partial& partial : partials)
            width = std::max(width, partial.ends.all.size() + static_cast<size_t>(partial.row));
        Drawing drawing(width, 0);
        drawing.Number(' ', tx);
        drawing.Number(TIMES_SIGN, ty);
        drawing.Rule(std::max(tx.size(), ty.size()));
        for (const Partial& partial : partials)
            drawing.Number(partial.row == 1 ? '+' : ' ', partial.ends.all, static_cast<size_t>(partial.row));
        if (rows > 1) {
            drawing.Rule(p.all.size());
            drawing.Number(' ', p.all);
        }
        Append(lines, drawing.Lines());
    } else {
        lines.push_back("Числа длинные, столбик целиком не рисуем: частичные произведения — в таблице.");
    }
    StepTable table("RL");
    // Decimal products are known by heart, binary ones need no table.
    const bool explained = base != 2 && base != 10 && x.count <= SHORT_FACTOR && !x.all.empty();
    std::vector<std::string> products;
    for (const Partial& partial : partials) {
        const std::string m = InBase(partial.digit, base);
        table.Add({NumToStr(partial.row + 1) + ")", " " + (x.all.empty() ? tx : x.all) + " · " + m + " = "
                   + EndsText(partial.ends, 0, false)
                   + (partial.row == 0 ? std::string() : ", сдвиг на " + CountOf(partial.row, "разряд", "разряда", "разрядов"))});
    }
    lines.push_back(std::string());
    lines.push_back("Частичные произведения:");
    Append(lines, table.Lines(rows));
    if (explained) {
        std::vector<uint32_t> done;
        for (const Partial& partial : partials) {
            if (partial.digit < 2 || std::find(done.begin(), done.end(), partial.digit) != done.end())
                continue;
            done.push_back(partial.digit);
            lines.push_back("  " + x.all + " · " + InBase(partial.digit, base) + " по таблице умножения "
                            + SystemName(base, Case::GENITIVE) + ":");
            Append(lines, DigitProductLines(x.all, partial.digit, base));
        }
    }
    if (rows > 1) {
        lines.push_back(std::string());
        lines.push_back("Сумма частичных произведений: " + EndsText(p, 0, false) + ".");
    }
    const uint64_t point = a.fraction + b.fraction;
    if (point > 0) {
        const std::string placed = EndsText(p, point, false), written = EndsText(p, point, true);
        lines.push_back("После точки в первом множителе " + DigitCount(a.fraction) + ", во втором — "
                        + NumToStr(b.fraction) + ": в произведении отделяем точкой "
                        + CountOf(point, "цифру", "цифры", "цифр") + " справа: " + placed + ".");
        if (written != placed)
            lines.push_back(std::string(ZEROS_NOT_WRITTEN) + ": " + placed + " = " + written + ".");
    }
    return lines;
}
