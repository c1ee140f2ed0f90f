// The codes, step by step. Every line is written from the codes computed
// below, never by computing them again.
#include "codesteps.h"

#include <vector>

#include "bitnames.h"
#include "bitsteps.h"
#include "bitstring.h"
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
    return sum.empty() ? std::string() : " (" + Shortened(decimal) + " = " + sum + ")";
}

std::string Signed(bool negative, const std::string& value)
{
    return (negative ? "-" : "") + value;
}

Lines Magnitude(const IntegerCodes& c)
{
    const std::string decimal = c.negative ? c.decimal.substr(1) : c.decimal;
    const int valueBits = c.width - 1;
    const std::string grid = "В " + GridIn(c.width) + " старший разряд — знаковый (0 — «плюс», 1 — «минус»), на модуль"
        " остаётся " + NumToStr(valueBits) + " " + WordOf(NumToStr(valueBits), "разряд", "разряда", "разрядов");
    const std::string body = c.hasDirect ? c.signMagnitude.substr(1) : std::string();
    std::string fits;
    if (!c.hasDirect)
        fits = ", а модуль " + BitsShown(c.magnitude) + " занимает " + NumToStr(c.width) + ": прямого и обратного"
            " кода у числа " + Shortened(c.decimal) + " в " + GridIn(c.width) + " нет.";
    else if (body == c.magnitude)
        fits = ": модуль " + BitsShown(body) + " занимает их все.";
    else
        fits = ": " + BitsShown(c.magnitude) + " дополняем нулями слева до " + BitsShown(body) + ".";
    return {"Модуль числа в двоичной системе: " + BinaryChain(c.digits, c.system, decimal, c.magnitude)
                + WithPowerSum(decimal, c.magnitude) + ".",
            grid + fits};
}

Lines Positive(const IntegerCodes& c)
{
    return {"Число положительное: знаковый разряд 0, за ним модуль. Инвертируют разряды и прибавляют 1 только"
            " у отрицательных чисел, поэтому прямой, обратный и дополнительный коды положительного числа совпадают:",
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
    if (AddInColumn(c.onesComplement, BitsOf(1, c.width)).carryOut)
        lines.push_back("Единица переноса из старшего разряда выходит за сетку и теряется: дополнительный код числа -0"
                        " — это код нуля " + Grouped(c.twosComplement) + ". В прямом и обратном коде у нуля две записи"
                        " (+0 и -0), в дополнительном — одна.");
    return lines;
}

// -2^(width-1): its two's complement is 2^width - 2^(width-1), the top bit alone.
Lines Lowest(const IntegerCodes& c)
{
    const std::string magnitude = c.decimal.substr(1);
    return {"Дополнительный код отрицательного числа -x в " + GridIn(c.width) + " — двоичная запись числа "
                + TwoTo(c.width) + " - x:",
            "  " + TwoTo(c.width) + " - " + Shortened(magnitude) + " = " + Shortened(magnitude) + " = "
                + Grouped(c.twosComplement),
            "Проверка по весам разрядов: в дополнительном коде старший разряд весит -" + TwoTo(c.width - 1) + " = "
                + Shortened(c.decimal) + ", остальные разряды нули: число " + Shortened(c.decimal) + "."};
}

// The two's complement of -x and the code of x add up to 2^width: 0 in the register.
Lines Check(const IntegerCodes& c)
{
    const std::string positive = "0" + c.signMagnitude.substr(1);
    Lines lines = {"Проверка: дополнительный код числа " + Shortened(c.decimal) + " и код числа "
                   + Shortened(c.decimal.substr(1)) + " в сумме дают 0 — единица переноса из старшего разряда"
                   " выходит за пределы сетки и теряется:"};
    for (const std::string& line : ColumnLines(c.twosComplement, positive, Term::IN_FULL))
        lines.push_back(line);
    return lines;
}

Lines Answer(const IntegerCodes& c)
{
    const std::string hex = " (" + Based(c.hex, 16) + ")";
    if (!c.negative)
        return {"Ответ: прямой, обратный и дополнительный код " + Grouped(c.twosComplement) + hex + "."};
    if (!c.hasDirect)
        return {"Ответ: прямого и обратного кода нет, дополнительный код " + Grouped(c.twosComplement) + hex + "."};
    return {"Ответ: прямой код " + Grouped(c.signMagnitude) + ", обратный код " + Grouped(c.onesComplement)
            + ", дополнительный код " + Grouped(c.twosComplement) + hex + "."};
}

}  // namespace

std::string CodesSolution(const IntegerCodes& c)
{
    std::vector<Lines> sections = {
        {"Прямой, обратный и дополнительный код числа " + ShortBased(Signed(c.negative, c.digits), c.system)
         + " в " + GridIn(c.width) + "."},
        Magnitude(c)};
    if (!c.negative) {
        sections.push_back(Positive(c));
    } else if (!c.hasDirect) {
        sections.push_back(Lowest(c));
    } else {
        sections.push_back(Direct(c));
        sections.push_back(Ones(c));
        sections.push_back(Twos(c));
        if (c.magnitude != "0")
            sections.push_back(Check(c));
    }
    sections.push_back(Answer(c));
    return SolutionText(sections);
}

namespace {

Lines Unsigned(const CodeReading& r)
{
    const std::string sum = PowerSum(r.code);
    return {"Без знака все " + CountOf(static_cast<uint64_t>(r.width), "разряд", "разряда", "разрядов")
            + " — цифры двоичного числа: " + BitsBased(r.code)
            + " = " + (sum.empty() ? "" : sum + " = ") + Shortened(r.unsignedValue) + "."};
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
            + " — модуль: " + BitsBased(rest) + " = "
            + Shortened(restValue) + "; число " + Shortened(r.signMagnitude) + ".",
        "Обратный код: модуль — остальные разряды, инвертированные: " + BitsShown(rest) + " меняем на "
            + BitsBased(inverted) + " = " + Shortened(onesValue) + "; число " + Shortened(r.onesComplement) + ".",
        "Дополнительный код: инвертируем все разряды, " + BitsShown(GroupedByFour(r.code)) + " меняем на "
            + BitsShown(GroupedByFour(Inverted(r.code))) + ", и прибавляем 1 — получаем модуль:"};
    const ColumnSum magnitude = AddInColumn(Inverted(r.code), BitsOf(1, r.width));
    for (const std::string& line : ColumnLines(Inverted(r.code), BitsOf(1, r.width), Term::SHORT))
        lines.push_back(line);
    lines.push_back("  " + BitsBased(trimleft(magnitude.sum)) + " = " + Shortened(r.twosComplement.substr(1)) + "; число "
                    + Shortened(r.twosComplement) + ".");
    const std::string weight = Shortened(DecimalOfScaled("1", r.width - 1));
    lines.push_back("Проверка по весам разрядов: старший разряд весит -" + TwoTo(r.width - 1) + " = -" + weight
                    + ", остальные дают " + Shortened(restValue) + ": -" + weight + " + " + Shortened(restValue) + " = "
                    + Shortened(r.twosComplement) + ".");
    return lines;
}

}  // namespace

std::string CodeReadingSolution(const CodeReading& r, const std::string& code, int system)
{
    std::vector<Lines> sections = {{"Чтение кода " + Grouped(r.code) + " в " + GridIn(r.width) + "."},
                                   CodeBitsLines(code, system, r.code), Unsigned(r)};
    if (r.code[0] == '0') {
        sections.push_back({"Старший, знаковый разряд равен 0: число положительное, и в прямом, обратном и"
                            " дополнительном коде оно одно и то же: " + Shortened(r.twosComplement) + "."});
        sections.push_back({"Ответ: без знака " + Shortened(r.unsignedValue) + "; в прямом, обратном и дополнительном коде "
                            + Shortened(r.twosComplement) + "."});
    } else {
        sections.push_back(NegativeReadings(r));
        sections.push_back({"Ответ: без знака " + Shortened(r.unsignedValue) + "; прямой код " + Shortened(r.signMagnitude)
                            + ", обратный код " + Shortened(r.onesComplement) + ", дополнительный код "
                            + Shortened(r.twosComplement) + "."});
    }
    return SolutionText(sections);
}
