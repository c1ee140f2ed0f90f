// The floating-point formats: the textbook's and the standard's cases, the
// edges of every format, rounding ties, NaN and the infinities, and long
// numbers decided by their length.
#include "floats.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "test_decimal.h"

namespace {

using testdecimal::NegativePowerOfTwo;

const char* ClassName(FloatClass kind)
{
    switch (kind) {
    case FloatClass::ZERO: return "zero";
    case FloatClass::SUBNORMAL: return "subnormal";
    case FloatClass::NORMAL: return "normal";
    case FloatClass::INFINITE_VALUE: return "infinity";
    default: return "nan";
    }
}

FloatFormat Format(int width)
{
    FloatFormat format;
    EXPECT_TRUE(FloatFormatOf(width, format));
    return format;
}

std::string Zeros(int count)
{
    return std::string(static_cast<size_t>(count), '0');
}

std::string Repeat(char ch, int count)
{
    return std::string(static_cast<size_t>(count), ch);
}

const std::string DBL_MAX_TEXT =
    "17976931348623157081452742373170435679807056752584499659891747680315726078002853876058955863276687817154045895351"
    "4382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508455133942304583236903"
    "222948165808559332123348274797826204144723168738177180919299881250404026184124858368";

struct EncodeRow {
    std::string number;
    int system, width;
    std::string hex, kind, stored;
    bool exact;
};

TEST(Floats, TextbookAndStandardCases)
{
    const EncodeRow rows[] = {
        {"0.1", 10, 16, "2E66", "normal", "0.0999755859375", false},
        {"0.1", 10, 32, "3DCCCCCD", "normal", "0.100000001490116119384765625", false},
        {"0.1", 10, 64, "3FB999999999999A", "normal", "0.1000000000000000055511151231257827021181583404541015625", false},
        {"0,1", 10, 64, "3FB999999999999A", "normal", "0.1000000000000000055511151231257827021181583404541015625", false},
        {"0.1", 3, 16, "3555", "normal", "0.333251953125", false},
        {"0.1", 3, 32, "3EAAAAAB", "normal", "0.3333333432674407958984375", false},
        {"0.1", 3, 64, "3FD5555555555555", "normal", "0.333333333333333314829616256247390992939472198486328125", false},
        {"133.54", 10, 16, "582C", "normal", "133.5", false},
        {"133.54", 10, 32, "43058A3D", "normal", "133.5399932861328125", false},
        {"133.54", 10, 64, "4060B147AE147AE1", "normal", "133.539999999999992041921359486877918243408203125", false},
        {"65504", 10, 16, "7BFF", "normal", "65504", true},
        {"65519.99", 10, 16, "7BFF", "normal", "65504", false},
        {"65520", 10, 16, "7C00", "infinity", "", false},
        {"-65520", 10, 16, "FC00", "infinity", "", false},
        {"2049", 10, 16, "6800", "normal", "2048", false},
        {"2051", 10, 16, "6802", "normal", "2052", false},
        {"1", 10, 16, "3C00", "normal", "1", true},
        {"1", 10, 32, "3F800000", "normal", "1", true},
        {"1", 10, 64, "3FF0000000000000", "normal", "1", true},
        {"-2.5", 10, 32, "C0200000", "normal", "-2.5", true},
        {"-10.1", 2, 32, "C0200000", "normal", "-2.5", true},
        {"0", 10, 32, "00000000", "zero", "0", true},
        {"-0", 10, 16, "8000", "zero", "-0", true},
        {"-0.000", 10, 64, "8000000000000000", "zero", "-0", true},
        {"0.00006103515625", 10, 16, "0400", "normal", "0.00006103515625", true},
        {"0.000000059604644775390625", 10, 16, "0001", "subnormal", NegativePowerOfTwo(24), true},
        {"0.0000000298023223876953125", 10, 16, "0000", "zero", "0", false},
        {"0.00000002980232238769531250001", 10, 16, "0001", "subnormal", NegativePowerOfTwo(24), false},
        // 2^-149, 2^-150 and 3 * 2^-151 in hexadecimal: 8, 4 and 6 * 16^-38.
        {"0." + Zeros(37) + "8", 16, 32, "00000001", "subnormal", NegativePowerOfTwo(149), true},
        {"0." + Zeros(37) + "4", 16, 32, "00000000", "zero", "0", false},
        {"-0." + Zeros(37) + "4", 16, 32, "80000000", "zero", "-0", false},
        {"0." + Zeros(37) + "6", 16, 32, "00000001", "subnormal", NegativePowerOfTwo(149), false},
        {"0." + Zeros(37) + "40000000000000001", 16, 32, "00000001", "subnormal", NegativePowerOfTwo(149), false},
        {"0." + Zeros(148) + "1", 2, 32, "00000001", "subnormal", NegativePowerOfTwo(149), true},
        // Around half the least subnormal double, 2^-1075: the last number
        // whose digits are computed, and the first decided by its zeros.
        {"0." + Zeros(1074) + "1", 2, 64, "0000000000000000", "zero", "0", false},
        {"0." + Zeros(1074) + "11", 2, 64, "0000000000000001", "subnormal", NegativePowerOfTwo(1074), false},
        {"0." + Zeros(1073) + "11", 2, 64, "0000000000000002", "subnormal", NegativePowerOfTwo(1073), false},
        // The largest subnormal number and half its last place round up to the least normal one.
        {"0." + Zeros(31) + "3FFFFFC", 16, 32, "00800000", "normal", NegativePowerOfTwo(126), false},
        // The largest double, the point halfway above it, and just below that point.
        {"FFFFFFFFFFFFF8" + Zeros(242), 16, 64, "7FEFFFFFFFFFFFFF", "normal", DBL_MAX_TEXT, true},
        {"FFFFFFFFFFFFFC" + Zeros(242), 16, 64, "7FF0000000000000", "infinity", "", false},
        {"FFFFFFFFFFFFFB" + Repeat('F', 242), 16, 64, "7FEFFFFFFFFFFFFF", "normal", DBL_MAX_TEXT, false},
        {"-FFFFFFFFFFFFFB" + Repeat('F', 242) + ".FFF", 16, 64, "FFEFFFFFFFFFFFFF", "normal", "-" + DBL_MAX_TEXT, false},
        {"1" + Zeros(1024), 2, 64, "7FF0000000000000", "infinity", "", false},
        {"1" + Zeros(1023), 2, 64, "7FE0000000000000", "normal", testdecimal::PowerOfTwo(1023), true},
    };
    for (const EncodeRow& row : rows) {
        SCOPED_TRACE(row.number.substr(0, 60) + " (base " + std::to_string(row.system) + ") in binary"
                     + std::to_string(row.width));
        FloatEncoding encoding;
        std::string fault;
        ASSERT_TRUE(EncodeFloat(row.number, row.system, Format(row.width), encoding, fault)) << fault;
        const FloatValue& v = encoding.value;
        EXPECT_EQ(v.hex, row.hex);
        EXPECT_STREQ(ClassName(v.kind), row.kind.c_str());
        EXPECT_EQ(v.stored, row.stored);
        EXPECT_EQ(encoding.rounding.exact, row.exact);
        EXPECT_EQ(v.Bits().size(), static_cast<size_t>(row.width));
        EXPECT_EQ(v.format.width, row.width);
    }
}

TEST(Floats, FieldsOfThePoint1Float)
{
    FloatEncoding e;
    std::string fault;
    ASSERT_TRUE(EncodeFloat("0.1", 10, Format(32), e, fault));
    EXPECT_EQ(e.value.signField, "0");
    EXPECT_EQ(e.value.exponentField, "01111011");
    EXPECT_EQ(e.value.mantissaField, "10011001100110011001101");
    EXPECT_EQ(e.value.exponent, 123u);
    EXPECT_EQ(e.value.mantissa, 0x4CCCCDu);
    EXPECT_EQ(e.value.significand, 0xCCCCCDu);
    EXPECT_EQ(e.value.scale, -27);
    // The rounding: 0.1 = 1.1001100...₂ · 2^-4; the 24 bits kept end in ...1100,
    // the first dropped is 1 and ones follow it: up.
    const FloatRounding& r = e.rounding;
    EXPECT_EQ(r.path, FloatRounding::COMPUTED);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.leading, -4);
    EXPECT_EQ(r.scale, -27);
    EXPECT_EQ(r.kept, 0xCCCCCCu);
    EXPECT_TRUE(r.roundBit);
    EXPECT_TRUE(r.sticky);
    EXPECT_TRUE(r.roundedUp);
    EXPECT_FALSE(r.fractionEnds);
    EXPECT_EQ(r.wholeBits, "0");
    EXPECT_EQ(e.whole, "");
    EXPECT_EQ(e.fraction, "1");
    EXPECT_FALSE(e.negative);
}

TEST(Floats, LongNumbersDecidedByLength)
{
    const auto start = std::chrono::steady_clock::now();
    FloatEncoding e;
    std::string fault;
    ASSERT_TRUE(EncodeFloat(Repeat('9', 32767), 10, Format(64), e, fault));
    EXPECT_EQ(e.rounding.path, FloatRounding::TOO_LARGE);
    EXPECT_EQ(e.value.kind, FloatClass::INFINITE_VALUE);
    ASSERT_TRUE(EncodeFloat("-0." + Zeros(32765) + "1", 10, Format(64), e, fault));
    EXPECT_EQ(e.rounding.path, FloatRounding::TOO_SMALL);
    EXPECT_EQ(e.value.hex, "8000000000000000");
    // Long, in range, and long in both parts: computed, from a few digits of each.
    ASSERT_TRUE(EncodeFloat("0." + Repeat('3', 32765), 10, Format(64), e, fault));
    EXPECT_EQ(e.rounding.path, FloatRounding::COMPUTED);
    EXPECT_EQ(e.value.hex, "3FD5555555555555");
    ASSERT_TRUE(EncodeFloat(Repeat('7', 300) + "." + Repeat('7', 32000), 8, Format(64), e, fault));
    EXPECT_EQ(e.value.kind, FloatClass::NORMAL);
    ASSERT_TRUE(EncodeFloat("1." + Zeros(32000) + "1", 10, Format(64), e, fault));
    EXPECT_EQ(e.value.hex, "3FF0000000000000");
    EXPECT_FALSE(e.rounding.exact);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(), 200);
}

TEST(Floats, Refusals)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", "Операция невозможна:\n\nИсходное число не задано"},
        {"1.2.3", "Введено неверное значение:\n\nНесколько разделителей частей числа"},
        {"0.1A", "Введено неверное значение:\n\nДиапазон 10-ной системы счисления: {0..9}."},
        {"5.", "Введено неверное значение:\n\nОжидается дробная часть числа"},
    };
    for (const auto& row : rows) {
        FloatEncoding e;
        e.whole = "untouched";
        std::string fault;
        EXPECT_FALSE(EncodeFloat(row.first, 10, Format(32), e, fault)) << row.first;
        EXPECT_EQ(fault, row.second);
        EXPECT_EQ(e.whole, "untouched");
    }
    // Only the positional systems: any other is refused with no message.
    for (int system : {-1, 0, 1, 17}) {
        FloatEncoding e;
        FloatValue v;
        std::string fault = "untouched";
        EXPECT_FALSE(EncodeFloat("1", system, Format(32), e, fault)) << system;
        EXPECT_EQ(fault, "");
        fault = "untouched";
        EXPECT_FALSE(DecodeFloat("1", system, Format(32), v, fault)) << system;
        EXPECT_EQ(fault, "");
    }
    FloatFormat format;
    for (int width : {0, 8, 80, 128, -32})
        EXPECT_FALSE(FloatFormatOf(width, format)) << width;
}

struct DecodeRow {
    std::string code;
    int system, width;
    std::string kind, stored;
    bool negative;
};

TEST(Floats, BitsReadBack)
{
    const DecodeRow rows[] = {
        {"3FB999999999999A", 16, 64, "normal", "0.1000000000000000055511151231257827021181583404541015625", false},
        {"3DCCCCCD", 16, 32, "normal", "0.100000001490116119384765625", false},
        {"7FC00000", 16, 32, "nan", "", false},
        {"7F800001", 16, 32, "nan", "", false},
        {"FFC00000", 16, 32, "nan", "", true},
        {"7F800000", 16, 32, "infinity", "", false},
        {"FF800000", 16, 32, "infinity", "", true},
        {"7C00", 16, 16, "infinity", "", false},
        {"FC00", 16, 16, "infinity", "", true},
        {"7E00", 16, 16, "nan", "", false},
        {"7FF0000000000000", 16, 64, "infinity", "", false},
        {"FFF8000000000000", 16, 64, "nan", "", true},
        {"7FF0000000000001", 16, 64, "nan", "", false},
        {"0", 16, 64, "zero", "0", false},
        {"8000", 16, 16, "zero", "-0", true},
        {"1", 16, 16, "subnormal", NegativePowerOfTwo(24), false},
        {"3FF", 16, 16, "subnormal", "0.000060975551605224609375", false},
        {"1", 2, 32, "subnormal", NegativePowerOfTwo(149), false},
        {"1", 16, 64, "subnormal", NegativePowerOfTwo(1074), false},
        {"0010000000000000", 16, 64, "normal", NegativePowerOfTwo(1022), false},
        {"7FEFFFFFFFFFFFFF", 16, 64, "normal", DBL_MAX_TEXT, false},
        {"1100000000100000000000000000000000000000000000000000000000000000", 2, 64, "normal", "-8", true},
        {"00011110000000000", 2, 16, "normal", "1", false},
        {"1065353216", 10, 32, "normal", "1", false},
    };
    for (const DecodeRow& row : rows) {
        SCOPED_TRACE(row.code + " in binary" + std::to_string(row.width));
        FloatValue v;
        std::string fault;
        ASSERT_TRUE(DecodeFloat(row.code, row.system, Format(row.width), v, fault)) << fault;
        EXPECT_STREQ(ClassName(v.kind), row.kind.c_str());
        EXPECT_EQ(v.stored, row.stored);
        EXPECT_EQ(v.negative, row.negative);
        EXPECT_EQ(v.signField, row.negative ? "1" : "0");
    }
}

TEST(Floats, CodesRefusedWhenRead)
{
    const std::string longer = "Код не помещается в 16-разрядную сетку:\n\nв нём больше 16 двоичных разрядов.";
    const std::pair<std::string, std::string> rows[] = {
        {"10000", longer},
        {"-3C00", "Введено неверное значение:\n\nКод записывается цифрами, без знака и без дробной части."},
        {"3C.00", "Введено неверное значение:\n\nКод записывается цифрами, без знака и без дробной части."},
        {"3G00", "Введено неверное значение:\n\nДиапазон 16-ной системы счисления: {0..F}."},
        {"", "Операция невозможна:\n\nИсходное число не задано"},
    };
    for (const auto& row : rows) {
        FloatValue v;
        v.stored = "untouched";
        std::string fault;
        EXPECT_FALSE(DecodeFloat(row.first, 16, Format(16), v, fault)) << row.first;
        EXPECT_EQ(fault, row.second);
        EXPECT_EQ(v.stored, "untouched");
    }
}

}  // namespace
