// The codes, step by step. Every line is written from the codes computed
// below, never by computing them again.
#include "codesteps.h"

#include <vector>

#include "bitnames.h"
#include "bitsteps.h"
#include "bitstring.h"
#include "exactness.h"
#include "notation.h"
#include "steptext.h"
#include "text.h"

namespace {

using Lines = std::vector<std::string>;

std::string Grouped(const std::string& bits)
{
    return GroupedByFour(bits);
}

// "модуль 45 = 32 + 8 + 4 + 1" when the sum is short enough to write.
std::string WithPowerSum(const std::string& decimal, const std::string& bits)
{
    const std::string sum = PowerSum(bits);
    return sum.empty() ? std::string() : " (" + Shortened(decimal, LONG_ANSWER) + " = " + sum + ")";
}

std::string Signed(bool negative, const std::string& value)
{
    return (negative ? "-" : "") + value;
}

Lines Magnitude(const IntegerCodes& c)
{
    const std::string decimal = c.negative ? c.decimal.substr(1) : c.decimal;
    const std::string valueBits = CountOf(static_cast<uint64_t>(c.width - 1), "разряд", "разряда", "разрядов");
    const std::string body = c.hasDirect ? c.signMagnitude.substr(1) : std::string();
    Lines lines = {"Модуль числа в двоичной системе: " + BinaryChain(c.digits, c.system, decimal, c.magnitude)
                       + WithPowerSum(decimal, c.magnitude) + ".",
                   "В " + GridIn(c.width) + " старший разряд — знаковый (0 — «плюс», 1 — «минус»),"};
    if (!c.hasDirect) {
        lines.push_back("на модуль остаётся " + valueBits + ", а модуль " + Shortened(c.magnitude, LONG_ANSWER)
                        + " занимает " + NumToStr(c.width) + ":");
        lines.push_back("прямого и обратного кода у числа " + Shortened(c.decimal, LONG_ANSWER) + " в " + GridIn(c.width)
                        + " нет.");
    } else if (body == c.magnitude) {
        lines.push_back("на модуль остаётся " + valueBits + ": модуль " + Shortened(body, LONG_ANSWER) + " занимает их все.");
    } else {
        lines.push_back("на модуль остаётся " + valueBits + ": " + Shortened(c.magnitude, LONG_ANSWER)
                        + " дополняем нулями слева до " + Shortened(body, LONG_ANSWER) + ".");
    }
    return lines;
}

Lines Positive(const IntegerCodes& c)
{
    return {"Число положительное: знаковый разряд 0, за ним модуль.",
            "Инвертируют разряды и прибавляют 1 только у отрицательных чисел,",
            "поэтому прямой, обратный и дополнительный коды положительного числа совпадают:",
            "  0 " + c.twosComplement.substr(1) + " = " + Grouped(c.twosComplement)};
}

Lines Direct(const IntegerCodes& c)
{
    return {"Прямой код: знаковый разряд 1, за ним модуль:", "  1 " + c.signMagnitude.substr(1) + " = " + Grouped(c.signMagnitude)};
}

Lines Ones(const IntegerCodes& c)
{
    return {"Обратный код: знаковый разряд 1, а разряды модуля инвертируются (0 заменяется на 1, 1 на 0):",
            "  1 " + c.onesComplement.substr(1) + " = " + Grouped(c.onesComplement)};
}

Lines Twos(const IntegerCodes& c)
{
    Lines lines = {"Дополнительный код: к обратному коду прибавляем 1 в столбик:"};
    for (const std::string& line : ColumnLines(c.onesComplement, BitsOf(1, c.width), Term::SHORT))
        lines.push_back(line);
    if (AddInColumn(c.onesComplement, BitsOf(1, c.width)).carryOut) {
        lines.push_back("Единица переноса из старшего разряда выходит за пределы сетки и теряется:");
        lines.push_back("дополнительный код числа -0 — это код нуля " + Grouped(c.twosComplement) + ".");
        lines.push_back("В прямом и обратном коде у нуля две записи (+0 и -0), в дополнительном — одна.");
    }
    return lines;
}

// -2^(width-1): its two's complement is 2^width - 2^(width-1), the top bit alone.
Lines Lowest(const IntegerCodes& c)
{
    const std::string magnitude = Shortened(c.decimal.substr(1), LONG_ANSWER);
    return {"Дополнительный код отрицательного числа -x в " + GridIn(c.width) + " — двоичная запись числа "
                + PowerText(2, c.width) + " - x:",
            "  " + PowerText(2, c.width) + " - " + magnitude + " = " + magnitude + " = " + Grouped(c.twosComplement)};
}

// The two's complement of -x and the code of x add up to 2^width: 0 in the register.
Lines SumCheck(const IntegerCodes& c)
{
    const std::string positive = "0" + c.signMagnitude.substr(1);
    Lines lines = {"Проверка — складываем дополнительный код числа " + Shortened(c.decimal, LONG_ANSWER) + " и код числа "
                   + Shortened(c.decimal.substr(1), LONG_ANSWER) + ":"};
    for (const std::string& line : ColumnLines(c.twosComplement, positive, Term::IN_FULL))
        lines.push_back(line);
    lines.push_back("Единица переноса из старшего разряда выходит за пределы сетки и теряется,");
    lines.push_back("в " + GridIn(c.width) + " остаётся " + Grouped(std::string(static_cast<size_t>(c.width), '0'))
                    + " — сумма равна 0, верно.");
    return lines;
}

// -2^(width-1) + the value of the other bits: the two's complement read by its weights.
Lines WeightCheck(int width, const std::string& rest, const std::string& value)
{
    const std::string weight = Shortened(DecimalOfScaled("1", width - 1), LONG_ANSWER);
    return {"Проверка — по весам разрядов: в дополнительном коде старший разряд весит -" + PowerText(2, width - 1) + " = -"
                + weight + ",",
            "остальные дают " + Shortened(rest, LONG_ANSWER) + ": -" + weight + " + " + Shortened(rest, LONG_ANSWER) + " = "
                + Shortened(value, LONG_ANSWER) + " — верно."};
}

Lines Answer(const IntegerCodes& c)
{
    const std::string hex = " (" + Based(c.hex, 16) + ")";
    if (!c.negative)
        return {AnswerLine("прямой, обратный и дополнительный код " + Grouped(c.twosComplement) + hex)};
    if (!c.hasDirect)
        return {AnswerLine("прямого и обратного кода нет, дополнительный код " + Grouped(c.twosComplement) + hex)};
    return {AnswerLine("прямой код " + Grouped(c.signMagnitude) + ", обратный код " + Grouped(c.onesComplement)
                       + ", дополнительный код " + Grouped(c.twosComplement) + hex)};
}

}  // namespace

std::string CodesSolution(const IntegerCodes& c)
{
    SolutionText out;
    out.Section({"Прямой, обратный и дополнительный код числа " + Stated(Signed(c.negative, c.digits), c.system) + " в "
                 + GridIn(c.width) + "."});
    out.Section(Magnitude(c));
    if (!c.negative) {
        out.Section(Positive(c));
    } else if (!c.hasDirect) {
        out.Section(Lowest(c));
    } else {
        out.Section(Direct(c));
        out.Section(Ones(c));
        out.Section(Twos(c));
    }
    out.Section(Answer(c));
    if (!c.hasDirect)
        out.Section(WeightCheck(c.width, "0", c.decimal));
    else if (c.negative && c.magnitude != "0")
        out.Section(SumCheck(c));
    return out.Text();
}

namespace {

Lines Unsigned(const CodeReading& r)
{
    const std::string sum = PowerSum(r.code);
    return {"Без знака все " + CountOf(static_cast<uint64_t>(r.width), "разряд", "разряда", "разрядов")
            + " — цифры двоичного числа: " + Stated(r.code, 2)
            + " = " + (sum.empty() ? "" : sum + " = ") + Shortened(r.unsignedValue, LONG_ANSWER) + "."};
}

Lines NegativeReadings(const CodeReading& r)
{
    const std::string rest = r.code.substr(1);
    const std::string inverted = Inverted(rest);
    const std::string restValue = r.signMagnitude.substr(1);
    const std::string onesValue = r.onesComplement.substr(1);
    Lines lines = {
        "Старший, знаковый разряд равен 1: как код со знаком это отрицательное число.",
        "Прямой код: остальные " + CountOf(static_cast<uint64_t>(r.width - 1), "разряд", "разряда", "разрядов")
            + " — модуль: " + Stated(rest, 2) + " = "
            + Shortened(restValue, LONG_ANSWER) + "; число " + Shortened(r.signMagnitude, LONG_ANSWER) + ".",
        "Обратный код: модуль — остальные разряды, инвертированные: " + Shortened(rest, LONG_ANSWER) + " меняем на "
            + Stated(inverted, 2) + " = " + Shortened(onesValue, LONG_ANSWER) + "; число " + Shortened(r.onesComplement, LONG_ANSWER) + ".",
        "Дополнительный код: инвертируем все разряды, " + Shortened(GroupedByFour(r.code), LONG_ANSWER) + " меняем на "
            + Shortened(GroupedByFour(Inverted(r.code)), LONG_ANSWER) + ",",
        "и прибавляем 1 — получаем модуль:"};
    const ColumnSum magnitude = AddInColumn(Inverted(r.code), BitsOf(1, r.width));
    for (const std::string& line : ColumnLines(Inverted(r.code), BitsOf(1, r.width), Term::SHORT))
        lines.push_back(line);
    lines.push_back("  " + Stated(trimleft(magnitude.sum), 2) + " = " + Shortened(r.twosComplement.substr(1), LONG_ANSWER) + "; число "
                    + Shortened(r.twosComplement, LONG_ANSWER) + ".");
    return lines;
}

}  // namespace

std::string CodeReadingSolution(const CodeReading& r, const std::string& code, int system)
{
    SolutionText out;
    out.Section({"Чтение кода " + Grouped(r.code) + " в " + GridIn(r.width) + "."});
    out.Section(CodeBitsLines(code, system, r.code));
    out.Section(Unsigned(r));
    const std::string unsignedValue = Shortened(r.unsignedValue, LONG_ANSWER);
    if (r.code[0] == '0') {
        const std::string value = Shortened(r.twosComplement, LONG_ANSWER);
        out.Section({"Старший, знаковый разряд равен 0: число положительное,",
                     "и в прямом, обратном и дополнительном коде оно одно и то же: " + value + "."});
        out.Section({AnswerLine("без знака " + unsignedValue + "; в прямом, обратном и дополнительном коде " + value)});
    } else {
        out.Section(NegativeReadings(r));
        out.Section({AnswerLine("без знака " + unsignedValue + "; прямой код " + Shortened(r.signMagnitude, LONG_ANSWER)
                                + ", обратный код " + Shortened(r.onesComplement, LONG_ANSWER) + ", дополнительный код "
                                + Shortened(r.twosComplement, LONG_ANSWER))});
        out.Section(WeightCheck(r.width, r.signMagnitude.substr(1), r.twosComplement));
    }
    return out.Text();
}
