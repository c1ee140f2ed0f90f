// The floating-point formats, step by step, from the digits and decisions
// the encoder recorded; the only numbers worked out here are the ones a
// pupil writes beside them: the exact binary value with its period, and the
// error of the stored value.
#include "floatsteps.h"

#include <algorithm>
#include <vector>

#include "bitnames.h"
#include "bitsteps.h"
#include "bitstring.h"
#include "charset.h"
#include "exactness.h"
#include "fractionsteps.h"
#include "limbs.h"
#include "notation.h"
#include "steptext.h"
#include "text.h"

namespace {

using Lines = std::vector<std::string>;

const size_t DROPPED_SHOWN = 8;  // dropped bits shown after the bar

std::string Signed(bool negative, const std::string& value)
{
    return (negative ? "-" : "") + value;
}

// "0.1₁₀", the number as it was written.
std::string NumberText(const FloatEncoding& e)
{
    const std::string digits = (e.whole.empty() ? "0" : e.whole) + (e.fraction.empty() ? "" : "." + e.fraction);
    return Stated(Signed(e.negative, digits), e.system);
}

Lines FormatLines(const FloatFormat& f)
{
    return {"В формате " + std::string(f.name) + " число занимает " + BitCount(f.width) + ": знак (" + BitCount(1) + "),",
            "смещённый порядок (" + BitCount(f.exponentBits) + ", смещение " + NumToStr(f.Bias()) + ") и мантисса ("
                + BitCount(f.mantissaBits) + ").",
            "Нормализованное число записывается как 1.xxx" + Subscript(2) + " · 2 в степени e, где e — порядок;",
            "в поле мантиссы — " + BitCount(f.mantissaBits) + " после точки, единица перед точкой не хранится."};
}

Lines SignLines(bool negative)
{
    return {negative ? "Знак: число отрицательное — знаковый бит 1." : "Знак: число положительное — знаковый бит 0."};
}

// The exact binary digits: the whole part computed, the fraction with its
// period where it can be written out.
std::string ExactBinary(const FloatEncoding& e)
{
    if (e.fraction.empty())
        return e.rounding.wholeBits;
    const Fraction fraction = FractionOf(e.fraction, e.system);
    const Exactness facts = ExactnessOf(e.fraction, e.system, 2, fraction, 0);
    if (facts.written)
        return e.rounding.wholeBits + "." + facts.digits;
    // Too long to write out: its digits up to the first 1 and as many after it
    // as a shortened number shows.
    const std::string& bits = e.rounding.fractionBits;
    const size_t one = bits.find('1');
    return e.rounding.wholeBits + "." + bits.substr(0, (one == std::string::npos ? 0 : one) + NUMBER_END) + "…";
}

Lines BinaryLines(const FloatEncoding& e)
{
    if (e.system == 2)
        return {"Число уже записано в двоичной системе."};
    const std::string binary = ExactBinary(e);
    std::string line = "Число в двоичной системе: " + NumberText(e) + " = " + Stated(Signed(e.negative, binary), 2);
    if (binary.back() == '…')
        line += " — показаны первые цифры, все не выписать";
    else if (binary.find('(') != std::string::npos)
        line += " — " + ExpansionKind(ExpansionOf(FractionOf(e.fraction, e.system).powers, 2)) + " (период — в скобках)";
    return {line + "."};
}

// The significant bits from the leading one (or, for a subnormal number,
// from the place of 2^MinExponent()), with a bar after the last one kept and
// the first few dropped after it.
std::string NormalForm(const FloatEncoding& e, const FloatFormat& f)
{
    const FloatRounding& r = e.rounding;
    const std::string kept = BitsOf(r.kept, f.Precision());
    std::string dropped;
    long long place = r.scale - 1;
    for (; dropped.size() < DROPPED_SHOWN && (r.BitAt(place) || r.OneBelow(place) || !r.fractionEnds); --place)
        dropped += r.BitAt(place) ? '1' : '0';
    const bool more = r.OneBelow(place + 1) || !r.fractionEnds;
    const std::string cut = dropped.empty() && !more ? "" : "|" + dropped + (more ? "…" : "");
    return kept.substr(0, 1) + "." + kept.substr(1) + cut + Subscript(2) + " · " + PowerText(2, r.scale + f.Precision() - 1);
}

Lines NormalisedLines(const FloatEncoding& e, const FloatFormat& f)
{
    const FloatRounding& r = e.rounding;
    const int bits = f.mantissaBits;
    if (r.leading >= f.MinExponent())
        return {"Нормализуем: переносим точку так, чтобы перед ней стояла одна единица; порядок e = "
                    + NumToStr(r.leading) + ".",
                "Под мантиссу — " + BitCount(bits) + " после точки, биты после черты в неё не помещаются:",
                "  " + NormalForm(e, f)};
    return {"Нормализованный порядок e = " + NumToStr(r.leading) + " меньше наименьшего порядка нормализованных чисел "
                + NumToStr(f.MinExponent()) + ":",
            "число денормализованное (субнормальное). Оно записывается как 0.xxx" + Subscript(2) + " · "
                + PowerText(2, f.MinExponent()) + ",",
            "мантисса — " + BitCount(bits) + " после точки:",
            "  " + NormalForm(e, f)};
}

Lines ExponentLines(const FloatEncoding& e, const FloatFormat& f)
{
    const FloatValue& v = e.value;
    if (v.kind == FloatClass::SUBNORMAL || v.kind == FloatClass::ZERO)
        return {"Смещённый порядок денормализованного числа и нуля — одни нули: " + v.exponentField + "."};
    if (v.kind == FloatClass::INFINITE_VALUE)
        return {};
    const int e2 = static_cast<int>(v.exponent) - f.Bias();
    return {"Смещённый порядок: e + " + NumToStr(f.Bias()) + " = " + NumToStr(e2) + " + "
            + NumToStr(f.Bias()) + " = " + NumToStr(v.exponent) + " = " + Based(v.exponentField, 2) + "."};
}

const char UNDERFLOW[] = "Такое число округляется к нулю (потеря значимости): результат — нуль со знаком числа.";

const char* const ROUNDING_RULE[] = {
    "Округление к ближайшему, при равенстве — к чётному: так по стандарту IEEE 754 округляет процессор.",
    "Это единственное место, где программа округляет, а не отбрасывает цифры."};

Lines RoundingLines(const FloatEncoding& e, const FloatFormat& f)
{
    const FloatRounding& r = e.rounding;
    if (r.exact)
        return {"Отброшенных единиц нет: число записывается точно, без округления."};
    Lines lines;
    if (!r.roundBit) {
        lines = {"Первый отброшенный бит 0: отброшенная часть меньше половины единицы младшего разряда —",
                 "округляем вниз, лишние биты просто отбрасываются."};
    } else if (r.sticky) {
        lines = {"Первый отброшенный бит 1, а за ним есть единицы: отброшенная часть больше половины единицы",
                 "младшего разряда — округляем вверх, прибавляем 1 к младшему разряду:"};
    } else {
        lines = {"Первый отброшенный бит 1, а за ним только нули: число ровно посередине между двумя соседними",
                 "значениями. При равенстве выбирается чётное, с младшим битом 0:",
                 std::string("младший оставленный бит ")
                     + (r.kept & 1 ? "1 — округляем вверх, прибавляем 1:" : "0 — округляем вниз, отбрасываем лишнее.")};
    }
    if (r.roundedUp) {
        for (const std::string& line : ColumnLines(BitsOf(r.kept, f.Precision()), BitsOf(1, f.Precision()), Term::SHORT))
            lines.push_back(line);
        if (r.kept + 1 == uint64_t(1) << f.Precision())
            lines.push_back("Перенос прошёл через все разряды: 10.00…0" + Subscript(2) + " = 1.00…0" + Subscript(2)
                            + " · 2, порядок вырос на 1.");
        else if (r.leading < f.MinExponent() && r.kept + 1 == uint64_t(1) << f.mantissaBits)
            lines.push_back("После округления перед точкой стоит 1: число стало нормализованным, наименьшим из них.");
    }
    lines.insert(lines.end(), std::begin(ROUNDING_RULE), std::end(ROUNDING_RULE));
    return lines;
}

// The three fields under their names and widths, after the title.
Lines FieldTable(const std::string& title, const FloatValue& v)
{
    const FloatFormat& f = v.format;
    StepTable table("LL");
    table.Add({SignFieldName(), "  " + v.signField});
    table.Add({ExponentFieldName(f), "  " + GroupedByFour(v.exponentField)});
    table.Add({MantissaFieldName(f), "  " + GroupedByFour(v.mantissaField)});
    Lines lines = {title};
    for (const std::string& line : table.Lines(3))
        lines.push_back(line);
    return lines;
}

// The fields, and all the bits in a row and in hexadecimal.
Lines FieldLines(const FloatValue& v)
{
    Lines lines = FieldTable("Поля:", v);
    lines.push_back("Все биты подряд, по четыре, и шестнадцатеричная запись:");
    for (const std::string& line : Chain(v.signField + " " + v.exponentField + " " + v.mantissaField,
                                         {Based(GroupedByFour(v.Bits()), 2), Based(v.hex, 16)}))
        lines.push_back(line);
    return lines;
}

// m · 2^s with m odd (or 0): the significand without its trailing zero bits.
std::string OddForm(uint64_t significand, int scale)
{
    while (significand != 0 && (significand & 1) == 0) {
        significand >>= 1;
        ++scale;
    }
    return NumToStr(significand) + " · " + PowerText(2, scale);
}

// The value the bits hold as a chain of equalities: "1.10011₂ · 2⁻⁴ =
// 13421773 · 2⁻²⁷ = 0.1000000014…"; a zero is just its value.
Lines ValueLines(const FloatValue& v)
{
    if (v.kind == FloatClass::ZERO)
        return {"  " + v.stored};
    const FloatFormat& f = v.format;
    const bool normal = v.kind == FloatClass::NORMAL;
    std::string mantissa = v.mantissaField;
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    const int exponent = normal ? static_cast<int>(v.exponent) - f.Bias() : f.MinExponent();
    const std::string point = (normal ? "1" : "0") + (mantissa.empty() ? std::string() : "." + mantissa);
    return Chain(Signed(v.negative, point) + Subscript(2) + " · " + PowerText(2, exponent),
                 {Signed(v.negative, OddForm(v.significand, v.scale)), Shortened(v.stored, LONG_ANSWER)});
}

// |a - b| of two non-negative decimal texts: both scaled to whole numbers of
// one count of places, the smaller taken from the larger.
std::string Distance(const std::string& a, const std::string& b)
{
    const size_t pointA = a.find('.'), pointB = b.find('.');
    const size_t placesA = pointA == std::string::npos ? 0 : a.size() - pointA - 1;
    const size_t placesB = pointB == std::string::npos ? 0 : b.size() - pointB - 1;
    const size_t places = std::max(placesA, placesB);
    auto scaled = [places](std::string text, size_t own) {
        text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
        return limbs::FromDecimal(text + std::string(places - own, '0'));
    };
    limbs::Limbs x = scaled(a, placesA), y = scaled(b, placesB);
    if (limbs::Compare(x, y) < 0)
        std::swap(x, y);
    words::Sub(x.data(), x.size(), x.data(), x.size(), y.data(), y.size(), limbs::BASE);
    limbs::Trim(x);
    std::string digits = limbs::ToDecimal(x);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    if (places == 0)
        return digits;
    return trimright(digits.substr(0, digits.size() - places) + "." + digits.substr(digits.size() - places));
}

// The number's value in decimal, when it is a finite decimal short enough
// to write out; empty otherwise.
std::string DecimalValue(const FloatEncoding& e)
{
    const std::string whole = DecimalOfBinary(e.rounding.wholeBits);
    if (e.fraction.empty())
        return whole;
    if (e.system == 10)
        return whole + "." + e.fraction;
    const Exactness facts = ExactnessOf(e.fraction, e.system, 10, FractionOf(e.fraction, e.system), 0);
    return facts.expansion.finite && facts.written ? whole + "." + facts.digits : std::string();
}

Lines StoredLines(const FloatEncoding& e)
{
    const FloatValue& v = e.value;
    if (v.kind == FloatClass::INFINITE_VALUE)
        return {"Хранится бесконечность: число в формат не помещается, погрешность не определена."};
    Lines lines = {"Хранимое значение:"};
    for (const std::string& line : ValueLines(v))
        lines.push_back(line);
    if (e.rounding.exact) {
        lines.push_back("Оно равно числу: запись точная.");
        return lines;
    }
    const std::string magnitude = v.negative ? v.stored.substr(1) : v.stored;
    const std::string decimal = e.rounding.path == FloatRounding::COMPUTED ? DecimalValue(e) : std::string();
    const std::string bound = "не больше половины единицы младшего разряда мантиссы: " + PowerText(2, v.scale - 1) + ".";
    if (decimal.empty()) {
        lines.push_back("Погрешность " + bound);
        return lines;
    }
    lines.push_back("Погрешность — расстояние от хранимого значения до числа:");
    for (const std::string& line : Chain("|" + Shortened(magnitude, LONG_ANSWER) + " - " + Shortened(decimal, LONG_ANSWER) + "|",
                                         {Shortened(Distance(magnitude, decimal), LONG_ANSWER)}))
        lines.push_back(line);
    lines.push_back("Она " + bound);
    return lines;
}

Lines OverflowLines(const FloatEncoding& e, const FloatFormat& f)
{
    const FloatRounding& r = e.rounding;
    const std::string largest = "наибольшего числа формата (1.1…1" + Subscript(2) + " · " + PowerText(2, f.MaxExponent()) + ")";
    const std::string overflow = "Переполнение: по стандарту результат — бесконечность.";
    if (r.path == FloatRounding::TOO_LARGE) {
        const size_t k = e.whole.size();
        return {"В целой части " + DigitCount(k) + ", поэтому число не меньше " + PowerText(static_cast<uint64_t>(e.system),
                    static_cast<long long>(k - 1)) + ", а это не меньше " + PowerText(2, f.MaxExponent() + 1) + " —",
                "больше " + largest + ". " + overflow};
    }
    if (r.leading > f.MaxExponent())
        return {"Порядок e = " + NumToStr(r.leading) + " больше наибольшего порядка " + NumToStr(f.MaxExponent()) + ":",
                "число больше " + largest + ". " + overflow};
    return {"После округления порядок стал " + NumToStr(f.MaxExponent() + 1) + " — больше наибольшего "
                + NumToStr(f.MaxExponent()) + ".",
            overflow};
}

Lines InfinityLines(const FloatFormat& f)
{
    return {"Бесконечность записывается смещённым порядком из одних единиц (" + std::string(static_cast<size_t>(f.exponentBits), '1')
            + ") и мантиссой из нулей."};
}

std::string ClassResult(const FloatValue& v)
{
    return ClassName(v.kind, v.negative);
}

Lines Answer(const FloatEncoding& e)
{
    const FloatValue& v = e.value;
    std::string answer = NumberText(e) + " в формате " + v.format.name + " — " + v.signField + " "
        + v.exponentField + " " + v.mantissaField + " (" + Based(v.hex, 16) + "), " + ClassResult(v);
    if (v.kind == FloatClass::INFINITE_VALUE)
        return {AnswerLine(answer)};
    if (e.rounding.exact)
        return {AnswerLine(answer + "; хранится точно")};
    return {AnswerLine(answer), "Хранится " + Shortened(v.stored, LONG_ANSWER) + ", с округлением."};
}

}  // namespace

std::string FloatSolution(const FloatEncoding& e)
{
    const FloatFormat& f = e.value.format;
    const FloatRounding& r = e.rounding;
    SolutionText out;
    out.Section({"Запись числа " + NumberText(e) + " в формате " + FormatName(f) + "."});
    out.Section(FormatLines(f));
    out.Section(SignLines(e.negative));
    switch (r.path) {
    case FloatRounding::ZERO:
        out.Section(e.negative ? Lines{"Число равно нулю: смещённый порядок и мантисса — одни нули.",
                                       "Знаковый бит 1: это «минус нуль», он хранится отдельно от +0."}
                               : Lines{"Число равно нулю: смещённый порядок и мантисса — одни нули."});
        break;
    case FloatRounding::TOO_LARGE:
        out.Section(OverflowLines(e, f));
        out.Section(InfinityLines(f));
        break;
    case FloatRounding::TOO_SMALL: {
        const size_t zeros = e.fraction.find_first_not_of('0');
        out.Section({"После точки " + CountOf(zeros, "нуль", "нуля", "нулей") + " подряд, поэтому число меньше "
                         + PowerText(static_cast<uint64_t>(e.system), -static_cast<long long>(zeros)) + ", а это не больше "
                         + PowerText(2, f.MinExponent() - f.Precision()) + " —",
                     "половины наименьшего денормализованного числа " + PowerText(2, f.MinExponent() - f.mantissaBits) + ".",
                     UNDERFLOW});
        break;
    }
    case FloatRounding::COMPUTED:
        out.Section(BinaryLines(e));
        if (!r.found) {
            out.Section({"Первые " + CountOf(r.fractionBits.size(), "бит", "бита", "бит") + " после точки — нули: число меньше "
                             + PowerText(2, f.MinExponent() - f.Precision()) + ",",
                         "половины наименьшего денормализованного числа " + PowerText(2, f.MinExponent() - f.mantissaBits) + ".",
                         UNDERFLOW});
        } else if (r.leading > f.MaxExponent()) {
            out.Section(OverflowLines(e, f));
            out.Section(InfinityLines(f));
        } else {
            out.Section(NormalisedLines(e, f));
            out.Section(RoundingLines(e, f));
            if (e.value.kind == FloatClass::INFINITE_VALUE) {
                out.Section(OverflowLines(e, f));
                out.Section(InfinityLines(f));
            } else {
                out.Section(ExponentLines(e, f));
            }
        }
        break;
    }
    out.Section(FieldLines(e.value));
    out.Section(StoredLines(e));
    out.Section(Answer(e));
    return out.Text();
}

namespace {

Lines ClassLines(const FloatValue& v)
{
    const FloatFormat& f = v.format;
    const std::string field = Based(v.exponentField, 2);
    Lines lines;
    switch (v.kind) {
    case FloatClass::INFINITE_VALUE:
        return {"Смещённый порядок " + field + " — одни единицы, мантисса — нули: это " + ClassResult(v) + "."};
    case FloatClass::NOT_A_NUMBER:
        return {"Смещённый порядок " + field + " — одни единицы, мантисса не нуль: это не число (NaN) —",
                "так записывается результат неопределённой операции, например 0/0.",
                std::string("Старший бит мантиссы ") + (v.mantissaField[0] == '1' ? "1: «тихое» NaN." : "0: «сигнальное» NaN.")};
    case FloatClass::ZERO:
        return {std::string("Смещённый порядок и мантисса — одни нули: это нуль") + (v.negative ? ", «минус нуль» (-0)." : ".")};
    case FloatClass::SUBNORMAL:
        lines = {"Смещённый порядок " + field + " — одни нули, мантисса не нуль: денормализованное (субнормальное) число.",
                 "Перед точкой стоит 0, а порядок равен наименьшему порядку нормализованных чисел 1 - "
                     + NumToStr(f.Bias()) + " = " + NumToStr(f.MinExponent()) + ":"};
        break;
    default: {
        const int exponent = static_cast<int>(v.exponent) - f.Bias();
        lines = {"Смещённый порядок " + field + " = " + NumToStr(v.exponent) + " — не одни нули и не одни единицы:",
                 "нормализованное число, перед точкой стоит единица (она не хранится).",
                 "Порядок e = " + NumToStr(v.exponent) + " - " + NumToStr(f.Bias()) + " = " + NumToStr(exponent) + ":"};
    }
    }
    for (const std::string& line : ValueLines(v))
        lines.push_back(line);
    return lines;
}

}  // namespace

std::string FloatReadingSolution(const FloatValue& v, const std::string& code, int system)
{
    const FloatFormat& f = v.format;
    const bool finite = v.kind != FloatClass::INFINITE_VALUE && v.kind != FloatClass::NOT_A_NUMBER;
    SolutionText out;
    out.Section({"Чтение " + NumToStr(f.width) + "-разрядного кода в формате " + FormatName(f) + "."});
    out.Section(CodeBitsLines(code, system, v.Bits()));
    out.Section(FieldTable("Разбиваем биты на поля:", v));
    out.Section({v.negative ? "Знаковый бит 1 — число отрицательное." : "Знаковый бит 0 — число положительное."});
    out.Section(ClassLines(v));
    if (finite)
        out.Section({AnswerLine(Based(v.hex, 16) + " = " + Stated(v.stored, 10)),
                     "Это " + ClassResult(v) + " формата " + f.name + "."});
    else
        out.Section({AnswerLine(Based(v.hex, 16) + " в формате " + f.name + " — " + ClassResult(v))});
    return out.Text();
}
