// The worked solutions of numbers in memory: every path of the codes and the
// formats says what happened, the columns add up by native arithmetic, the
// answer states what the modules computed, and long numbers stay fast.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bitfields.h"
#include "bitsteps.h"
#include "bitstring.h"
#include "charset.h"
#include "codes.h"
#include "codesteps.h"
#include "floats.h"
#include "floatsteps.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

std::string AnswerOf(const std::string& text)
{
    for (const std::string& line : LinesOf(text))
        if (line.rfind("Ответ: ", 0) == 0)
            return line;
    return std::string();
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

uint64_t BinaryValue(const std::string& line)
{
    uint64_t value = 0;
    for (char ch : line)
        if (ch == '0' || ch == '1')
            value = value * 2 + static_cast<uint64_t>(ch - '0');
    return value;
}

// The column of random terms: the sum line is a + b in the register (the
// carry out before it), and the carries line marks exactly the columns that
// receive a carry, both by native arithmetic.
TEST(BitSteps, ColumnsAddUp)
{
    std::mt19937_64 rng(20);
    for (int round = 0; round < 500; ++round) {
        const int width = 2 + static_cast<int>(rng() % 30);
        const uint64_t mask = (uint64_t(1) << width) - 1;
        const uint64_t a = rng() & mask, b = round % 3 == 0 ? 1 : rng() & mask;
        SCOPED_TRACE(std::to_string(a) + " + " + std::to_string(b) + " in " + std::to_string(width));
        const std::vector<std::string> lines =
            ColumnLines(BitsOf(a, width), BitsOf(b, width), round % 3 == 0 ? Term::SHORT : Term::IN_FULL);
        const uint64_t carries = (a ^ b ^ (a + b)) & ~uint64_t(1);  // the carry into each column
        const bool carried = carries != 0;
        ASSERT_EQ(lines.size(), carried ? 5u : 4u);
        const size_t first = carried ? 1 : 0;
        EXPECT_EQ(BinaryValue(lines[first]), a);
        EXPECT_EQ(lines[first + 1].substr(0, 4), "  + ");
        EXPECT_EQ(BinaryValue(lines[first + 1]), b);
        EXPECT_EQ(lines[first + 2].find_first_not_of(" -"), std::string::npos);
        EXPECT_EQ(BinaryValue(lines[first + 3]), a + b);  // the carry out of the register stands in front
        // Every column keeps its place in every line.
        EXPECT_EQ(lines[first].size(), lines[first + 3].size());
        if (carried) {
            std::string marks = lines[0].substr(0, lines[0].find("   (переносы)"));
            marks.resize(lines[first + 3].size(), ' ');
            std::string bits;
            for (size_t k = 0; k < marks.size(); ++k)
                if (lines[first + 3][k] != ' ')
                    bits += marks[k] == '1' ? '1' : '0';
            EXPECT_EQ(BinaryValue(bits), carries)
                << lines[0] << "\n" << lines[first + 3];
        }
    }
}

TEST(BitSteps, PowerSumsAndShortNumbers)
{
    EXPECT_EQ(PowerSum("101101"), "32 + 8 + 4 + 1");
    EXPECT_EQ(PowerSum("00101101"), "32 + 8 + 4 + 1");
    EXPECT_EQ(PowerSum("1000"), "");
    EXPECT_EQ(PowerSum("0"), "");
    EXPECT_EQ(PowerSum("1111111111111"), "") << "more than a dozen terms";
    EXPECT_EQ(PowerSum("1" + std::string(30, '0') + "1"), "2" + Superscript(31) + " + 2" + Superscript(0));
    EXPECT_EQ(BinaryChain("2D", 16, "45", "101101"), "2D" + Subscript(16) + " = 45" + Subscript(10) + " = 101101" + Subscript(2));
    EXPECT_EQ(BinaryChain("101101", 2, "45", "101101"), "101101" + Subscript(2));
}

TEST(BitSteps, CodesWrittenAsBits)
{
    EXPECT_TRUE(CodeBitsLines("11010011", 2, "11010011").empty());
    EXPECT_EQ(CodeBitsLines("D3", 16, "11010011"),
              (std::vector<std::string>{"Каждая цифра шестнадцатеричной системы счисления — 4 бита:",
                                        "  D3" + Subscript(16) + " = 1101 0011" + Subscript(2)}));
    EXPECT_EQ(CodeBitsLines("323", 8, "11010011"),
              (std::vector<std::string>{"Каждая цифра восьмеричной системы счисления — 3 бита:",
                                        "  323" + Subscript(8) + " = 011 010 011" + Subscript(2),
                                        "Лишние нули слева отбрасываем, остаётся 8 разрядов: 1101 0011."}));
    EXPECT_EQ(CodeBitsLines("211", 10, "0000011010011"),
              (std::vector<std::string>{"Код записан в десятичной системе счисления: 211" + Subscript(10) + " = 11010011"
                                            + Subscript(2) + ".",
                                        "Дополняем нулями слева до 13 разрядов: 0 0000 1101 0011."}));
    EXPECT_EQ(CodeBitsLines("011", 2, "11"),
              (std::vector<std::string>{"Лишние нули слева отбрасываем, остаётся 2 разряда: 11."}));
}

IntegerCodes Codes(const std::string& number, int system, int width)
{
    IntegerCodes codes;
    std::string fault;
    EXPECT_TRUE(EncodeInteger(number, system, width, codes, fault)) << fault;
    return codes;
}

struct CodePath {
    std::string number;
    int system, width;
    std::vector<std::string> says;  // parts of the text this path must hold
};

TEST(CodeSteps, EveryPathSaysWhatHappened)
{
    const CodePath rows[] = {
        {"45", 10, 8, {"Число положительное", "коды положительного числа совпадают", "  0 0101101 = 0010 1101"}},
        {"-45", 10, 8, {"Прямой код: знаковый разряд 1", "Обратный код:", "к обратному коду прибавляем 1",
                        "Проверка — складываем дополнительный код числа -45 и код числа 45:",
                        "в 8-разрядной сетке остаётся 0000 0000 — сумма равна 0, верно."}},
        {"-128", 10, 8, {"прямого и обратного кода у числа -128 в 8-разрядной сетке нет",
                         "  2" + Superscript(8) + " - 128 = 128 = 1000 0000", "старший разряд весит -2" + Superscript(7)}},
        {"-0", 10, 8, {"  1 0000000 = 1000 0000", "  1 1111111 = 1111 1111", "Единица переноса из старшего разряда выходит за пределы сетки и теряется:\n"
                       "дополнительный код числа -0 — это код нуля 0000 0000."}},
        {"-2D", 16, 8, {"Модуль числа в двоичной системе: 2D" + Subscript(16) + " = 45" + Subscript(10) + " = 101101"
                        + Subscript(2)}},
        {"-1", 10, 2, {"на модуль остаётся 1 разряд: модуль 1 занимает их все."}},
        {"-" + std::string(300, '7'), 8, 1024, {"Проверка — складываем", "Ответ: прямой код 1"}},
    };
    for (const CodePath& row : rows) {
        SCOPED_TRACE(row.number.substr(0, 20) + " in " + std::to_string(row.width));
        const IntegerCodes c = Codes(row.number, row.system, row.width);
        const std::string text = CodesSolution(c);
        for (const std::string& part : row.says)
            EXPECT_TRUE(Contains(text, part)) << part << "\n" << text;
        // The answer states the codes the module computed.
        const std::string answer = AnswerOf(text);
        EXPECT_TRUE(Contains(answer, GroupedByFour(c.twosComplement).substr(0, 40))) << answer;
        EXPECT_TRUE(Contains(answer, c.hex.substr(0, 20))) << answer;
        if (c.hasDirect && c.negative) {
            EXPECT_TRUE(Contains(answer, "прямой код " + GroupedByFour(c.signMagnitude).substr(0, 30))) << answer;
            EXPECT_TRUE(Contains(answer, "обратный код " + GroupedByFour(c.onesComplement).substr(0, 30))) << answer;
        }
    }
}

TEST(CodeSteps, ReadingsStateTheFourValues)
{
    const struct {
        std::string code;
        int system, width;
        std::vector<std::string> says;
    } rows[] = {
        {"11010011", 2, 8, {"11010011" + Subscript(2) + " = 128 + 64 + 16 + 2 + 1 = 211.",
                            "модуль: 1010011" + Subscript(2) + " = 83; число -83.",
                            "1010011 меняем на 0101100" + Subscript(2) + " = 44; число -44.",
                            "  101101" + Subscript(2) + " = 45; число -45.",
                            "весит -2" + Superscript(7) + " = -128,\nостальные дают 83: -128 + 83 = -45 — верно."}},
        {"01010011", 2, 8, {"число положительное", "Ответ: без знака 83; в прямом, обратном и дополнительном коде 83."}},
        {"80", 16, 8, {"модуль: 0000000" + Subscript(2) + " = 0; число -0.", "число -128."}},
        {"FF", 16, 8, {"меняем на 0000000" + Subscript(2) + " = 0; число -0."}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        CodeReading r;
        std::string fault;
        ASSERT_TRUE(DecodeInteger(row.code, row.system, row.width, r, fault)) << fault;
        const std::string text = CodeReadingSolution(r, row.code, row.system);
        for (const std::string& part : row.says)
            EXPECT_TRUE(Contains(text, part)) << part << "\n" << text;
        const std::string answer = AnswerOf(text);
        EXPECT_TRUE(Contains(answer, "без знака " + r.unsignedValue)) << answer;
        EXPECT_TRUE(Contains(answer, r.twosComplement + ".")) << answer;
    }
}

FloatEncoding Encoded(const std::string& number, int system, int width)
{
    FloatFormat format;
    EXPECT_TRUE(FloatFormatOf(width, format));
    FloatEncoding e;
    std::string fault;
    EXPECT_TRUE(EncodeFloat(number, system, format, e, fault)) << fault;
    return e;
}

struct FloatPath {
    std::string number;
    int system, width;
    std::vector<std::string> says;
};

TEST(FloatSteps, EveryPathSaysWhatHappened)
{
    const std::string up = "округляем вверх, прибавляем 1";
    const std::string tie = "число ровно посередине между двумя соседними\nзначениями";
    const std::string overflow = "Переполнение: по стандарту результат — бесконечность.";
    const std::string underflow = "округляется к нулю (потеря значимости): результат — нуль со знаком числа.";
    const FloatPath rows[] = {
        {"2.5", 10, 32, {"Отброшенных единиц нет: число записывается точно", "Оно равно числу: запись точная.",
                         "Смещённый порядок: e + 127 = 1 + 127 = 128 = 10000000" + Subscript(2) + "."}},
        {"0.1", 10, 32, {"0.1" + Subscript(10) + " = 0.0(0011)" + Subscript(2), up, "периодическая дробь",
                         "  |0.100000001490116119384765625 - 0.1| = 0.000000001490116119384765625\n"}},
        {"133.54", 10, 32, {"Первый отброшенный бит 0", "округляем вниз",
                            "  |133.5399932861328125 - 133.54| = 0.0000067138671875\n"}},
        {"2049", 10, 16, {tie, "младший оставленный бит 0 — округляем вниз", "  |2048 - 2049| = 1\n"}},
        {"2051", 10, 16, {tie, "младший оставленный бит 1 — округляем вверх"}},
        {"65520", 10, 16, {tie, "Перенос прошёл через все разряды", "После округления порядок стал 16", overflow}},
        {"1" + std::string(15, '0'), 3, 16, {"Порядок e = 23 больше наибольшего порядка 15", overflow}},
        {std::string(600, '9'), 10, 64, {"В целой части 600 цифр, поэтому число не меньше 10" + Superscript(599), overflow,
                                         "Хранится бесконечность"}},
        {"0.00000002980232238769531250001", 10, 16, {"число денормализованное (субнормальное)",
                                                     "Смещённый порядок денормализованного числа и нуля — одни нули"}},
        {"0." + std::string(31, '0') + "3FFFFFC", 16, 32, {"число стало нормализованным, наименьшим из них"}},
        {"-0." + std::string(37, '0') + "4", 16, 32, {tie, "Хранимое значение:\n  -0\n"}},
        {"0." + std::string(40, '0') + "1", 16, 32, {"После точки 40 нулей подряд", underflow}},
        {"0." + std::string(700, '0') + "1", 3, 64, {"Первые 1075 бит после точки — нули", underflow}},
        {"-0", 10, 64, {"Число равно нулю", "«минус нуль»", "хранится точно"}},
        {"0.1", 3, 64, {"0.1" + Subscript(3) + " = 0.(01)" + Subscript(2), "не больше половины единицы младшего разряда"
                        " мантиссы: 2" + Superscript(-55)}},
    };
    for (const FloatPath& row : rows) {
        SCOPED_TRACE(row.number.substr(0, 30) + " in binary" + std::to_string(row.width));
        const FloatEncoding e = Encoded(row.number, row.system, row.width);
        const std::string text = FloatSolution(e);
        for (const std::string& part : row.says)
            EXPECT_TRUE(Contains(text, part)) << part << "\n" << text;
        const std::string answer = AnswerOf(text);
        EXPECT_TRUE(Contains(answer, "(" + e.value.hex + Subscript(16) + ")")) << answer;
        EXPECT_TRUE(Contains(answer, e.value.signField + " " + e.value.exponentField + " " + e.value.mantissaField));
        // The one place the program rounds says so, whenever it rounds.
        EXPECT_EQ(Contains(text, "Это единственное место, где программа округляет"),
                  e.rounding.path == FloatRounding::COMPUTED && e.rounding.found && !e.rounding.exact
                      && e.rounding.leading <= e.value.format.MaxExponent());
    }
}

TEST(FloatSteps, ReadingsOfEveryClass)
{
    const struct {
        std::string code;
        int width;
        std::string says;
    } rows[] = {
        {"3FB999999999999A", 64, "Порядок e = 1019 - 1023 = -4:"},
        {"7FF0000000000000", 64, "одни единицы, мантисса — нули: это плюс бесконечность."},
        {"FF800000", 32, "это минус бесконечность."},
        {"7FC00000", 32, "Старший бит мантиссы 1: «тихое» NaN."},
        {"7C01", 16, "Старший бит мантиссы 0: «сигнальное» NaN."},
        {"8000", 16, "это нуль, «минус нуль» (-0)."},
        {"0001", 16, "денормализованное (субнормальное) число.\nПеред точкой стоит 0, а порядок равен наименьшему"
                     " порядку нормализованных чисел 1 - 15 = -14:"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        FloatFormat format;
        ASSERT_TRUE(FloatFormatOf(row.width, format));
        FloatValue v;
        std::string fault;
        ASSERT_TRUE(DecodeFloat(row.code, 16, format, v, fault)) << fault;
        const std::string text = FloatReadingSolution(v, row.code, 16);
        EXPECT_TRUE(Contains(text, row.says)) << text;
        EXPECT_TRUE(Contains(AnswerOf(text), v.hex + Subscript(16))) << text;
        if (!v.stored.empty() && v.kind != FloatClass::ZERO) {
            EXPECT_TRUE(Contains(AnswerOf(text), v.stored)) << text;
        }
    }
}

// The value line of every binary16 pattern: the odd form m · 2^s it shows
// is the stored value, by native arithmetic on doubles in the test.
TEST(FloatSteps, ValueLinesOfEveryHalfPrecisionPattern)
{
    FloatFormat format;
    ASSERT_TRUE(FloatFormatOf(16, format));
    for (uint64_t bits = 1; bits < 0x7C00; bits += 7) {
        const FloatValue v = FloatOfBits(format, bits);
        const std::string text = FloatReadingSolution(v, BitsOf(bits, 16), 2);
        const std::string marker = " · 2";
        // "... = m · 2ˢ = stored": the last "m · 2ˢ" before the stored value.
        const size_t stored = text.rfind(" = " + v.stored + "\n");
        ASSERT_NE(stored, std::string::npos) << text;
        const size_t start = text.rfind(" = ", stored - 1) + 3;
        const std::string odd = text.substr(start, stored - start);
        const size_t dot = odd.find(marker);
        ASSERT_NE(dot, std::string::npos) << odd;
        const double m = std::stod(odd.substr(0, dot));
        std::string exponent;
        for (size_t k = dot + marker.size(); k < odd.size(); ++k)
            exponent += ShapeOf(static_cast<unsigned char>(odd[k]));
        EXPECT_EQ(std::ldexp(m, std::stoi(exponent)), std::stod(v.stored)) << odd;
        EXPECT_EQ(static_cast<uint64_t>(m) % 2, 1u) << odd;
    }
}

TEST(FloatSteps, LongNumbersAreFast)
{
    const auto start = std::chrono::steady_clock::now();
    std::mt19937_64 rng(32767);
    std::string digits;
    for (int k = 0; k < 32000; ++k)
        digits += static_cast<char>('0' + rng() % 10);
    for (const std::string& number : {"0." + digits, digits.substr(0, 300) + "." + digits, "0.000" + digits})
        for (int width : {16, 32, 64})
            EXPECT_FALSE(FloatSolution(Encoded(number, 10, width)).empty());
    const std::string text = CodesSolution(Codes("-" + std::string(300, '9'), 10, 1024));
    EXPECT_FALSE(text.empty());
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(), 2000);
}

// The fields hold what the modules computed, grouped, without a notation
// mark that a plain window field could not show.
TEST(BitFieldLists, WhatTheModulesComputed)
{
    auto plain = [](const BitFields& fields) {
        for (const BitField& field : fields)
            for (char ch : field.first + field.second)
                if (static_cast<unsigned char>(ch) < 0x20)
                    return false;
        return fields.size() <= static_cast<size_t>(MOST_BIT_FIELDS);
    };
    const IntegerCodes lowest = Codes("-128", 10, 8);
    const BitFields codes = CodeFields(lowest);
    EXPECT_TRUE(plain(codes));
    EXPECT_EQ(codes, (BitFields{{"Число", "-128"}, {"Разрядная сетка", "8 бит"},
                                {"Прямой код", "нет: модуль не помещается в 7 разрядов"},
                                {"Обратный код", "нет: модуль не помещается в 7 разрядов"},
                                {"Дополнительный код", "1000 0000"}, {"Шестнадцатеричная запись", "80"}}));
    CodeReading reading;
    std::string fault;
    ASSERT_TRUE(DecodeInteger("11111111", 2, 8, reading, fault));
    EXPECT_EQ(CodeReadingFields(reading), (BitFields{{"Код", "1111 1111 (8 бит)"}, {"Без знака", "255"},
                                                     {"Прямой код", "-127"}, {"Обратный код", "-0"},
                                                     {"Дополнительный код", "-1"}}));
    const FloatEncoding e = Encoded("-2.5", 10, 64);
    const BitFields floats = FloatEncodingFields(e);
    EXPECT_TRUE(plain(floats));
    EXPECT_EQ(floats, (BitFields{{"Формат", "binary64 (двойная точность)"}, {"Знак (1 бит)", "1"},
                                 {"Порядок (11 бит)", "100 0000 0000"},
                                 {"Мантисса (52 бита)", "0100 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000"},
                                 {"Шестнадцатеричная запись", "C004000000000000"}, {"Класс", "нормализованное число"},
                                 {"Хранимое значение", "-2.5 (точно)"}}));
    EXPECT_EQ(FloatEncodingFields(Encoded("1E", 16, 16)).back().second, "30 (точно)");
    EXPECT_EQ(FloatEncodingFields(Encoded("99999", 10, 16)).back().second, "нет");
    EXPECT_EQ(FloatEncodingFields(Encoded("0.1", 10, 16)).back().second, "0.0999755859375 (с округлением)");
}

}  // namespace
