// The codes of signed whole numbers: the textbook's cases, the edges of the
// widths, refusals with their messages, and round trips against native
// 64-bit arithmetic.
#include "bitstring.h"
#include "codes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>
#include <string>

#include "test_decimal.h"

namespace {

using testdecimal::PowerOfTwo;

std::string Repeat(char ch, int count)
{
    return std::string(static_cast<size_t>(count), ch);
}

// A decimal number that does not end in 0, less one.
std::string LessOne(std::string digits)
{
    --digits.back();
    return digits;
}

struct CodeRow {
    std::string number;
    int system, width;
    std::string direct, ones, twos, hex, decimal;  // direct and ones empty where none exists
};

TEST(Codes, TextbookCases)
{
    const CodeRow rows[] = {
        {"-45", 10, 8, "10101101", "11010010", "11010011", "D3", "-45"},
        {"45", 10, 8, "00101101", "00101101", "00101101", "2D", "45"},
        {"-2D", 16, 8, "10101101", "11010010", "11010011", "D3", "-45"},
        {"-101101", 2, 8, "10101101", "11010010", "11010011", "D3", "-45"},
        {"127", 10, 8, "01111111", "01111111", "01111111", "7F", "127"},
        {"-127", 10, 8, "11111111", "10000000", "10000001", "81", "-127"},
        {"-128", 10, 8, "", "", "10000000", "80", "-128"},
        {"0", 10, 8, "00000000", "00000000", "00000000", "00", "0"},
        {"-0", 10, 8, "10000000", "11111111", "00000000", "00", "-0"},
        {"-1", 10, 8, "10000001", "11111110", "11111111", "FF", "-1"},
        {"0007", 10, 8, "00000111", "00000111", "00000111", "07", "7"},
        {"-5.000", 10, 8, "10000101", "11111010", "11111011", "FB", "-5"},
        {"1", 10, 2, "01", "01", "01", "1", "1"},
        {"-1", 10, 2, "11", "10", "11", "3", "-1"},
        {"-2", 10, 2, "", "", "10", "2", "-2"},
        {"-1", 10, 5, "10001", "11110", "11111", "1F", "-1"},
        {"-32768", 10, 16, "", "", "1000000000000000", "8000", "-32768"},
        {"-1", 10, 64, "1" + Repeat('0', 62) + "1", "1" + Repeat('1', 62) + "0", Repeat('1', 64), Repeat('F', 16), "-1"},
        {"-8" + Repeat('0', 255), 16, 1024, "", "", "1" + Repeat('0', 1023), "8" + Repeat('0', 255),
         "-" + PowerOfTwo(1023)},
        {"7" + Repeat('F', 255), 16, 1024, "0" + Repeat('1', 1023), "0" + Repeat('1', 1023), "0" + Repeat('1', 1023),
         "7" + Repeat('F', 255), LessOne(PowerOfTwo(1023))},
    };
    for (const CodeRow& row : rows) {
        SCOPED_TRACE(row.number + " in " + std::to_string(row.width) + " bits");
        IntegerCodes codes;
        std::string fault;
        ASSERT_TRUE(EncodeInteger(row.number, row.system, row.width, codes, fault)) << fault;
        EXPECT_EQ(codes.hasDirect, !row.direct.empty());
        EXPECT_EQ(codes.signMagnitude, row.direct);
        EXPECT_EQ(codes.onesComplement, row.ones);
        EXPECT_EQ(codes.twosComplement, row.twos);
        EXPECT_EQ(codes.hex, row.hex);
        EXPECT_EQ(codes.decimal, row.decimal);
        EXPECT_EQ(codes.width, row.width);
        EXPECT_EQ(codes.negative, row.number[0] == '-');
    }
}

struct RefusalRow {
    std::string number;
    int system, width;
    std::string fault;
};

TEST(Codes, Refusals)
{
    const std::string range8 = "Число не помещается в 8-разрядную сетку:\n\nв дополнительном коде 8 разрядов "
                               "записываются числа от -128 до 127.";
    const std::string widthFault = "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов.";
    const RefusalRow rows[] = {
        {"128", 10, 8, range8},
        {"-129", 10, 8, range8},
        {"80", 16, 8, range8},
        {Repeat('9', 32767), 10, 8, range8},
        {"-" + Repeat('1', 9), 2, 8, range8},
        {"2", 10, 2, "Число не помещается в 2-разрядную сетку:\n\nв дополнительном коде 2 разрядов записываются "
                     "числа от -2 до 1."},
        {"-9223372036854775809", 10, 64, "Число не помещается в 64-разрядную сетку:\n\nв дополнительном коде 64 "
                                         "разрядов записываются числа от -9223372036854775808 до 9223372036854775807."},
        {"8" + Repeat('0', 255), 16, 1024, "Число не помещается в 1024-разрядную сетку:\n\nв дополнительном коде 1024 "
                                           "разрядов записываются числа от -2^1023 до 2^1023-1."},
        {"45.5", 10, 8, "Операция невозможна:\n\nкод строится только для целого числа."},
        {"-0.1", 2, 8, "Операция невозможна:\n\nкод строится только для целого числа."},
        {"", 10, 8, "Операция невозможна:\n\nИсходное число не задано"},
        {"12A", 10, 8, "Введено неверное значение:\n\nДиапазон 10-ной системы счисления: {0..9}."},
        {"5", 10, 1, widthFault},
        {"5", 10, 1025, widthFault},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.number.substr(0, 20) + " in " + std::to_string(row.width) + " bits");
        IntegerCodes codes;
        codes.decimal = "untouched";
        std::string fault;
        EXPECT_FALSE(EncodeInteger(row.number, row.system, row.width, codes, fault));
        EXPECT_EQ(fault, row.fault);
        EXPECT_EQ(codes.decimal, "untouched");
    }
}

TEST(Codes, OnlyPositionalSystems)
{
    for (int system : {-1, 0, 1, 17, 100}) {
        IntegerCodes codes;
        CodeReading reading;
        std::string fault = "untouched";
        EXPECT_FALSE(EncodeInteger("XIV", system, 8, codes, fault)) << system;
        EXPECT_EQ(fault, "");
        fault = "untouched";
        EXPECT_FALSE(DecodeInteger("1", system, 8, reading, fault)) << system;
        EXPECT_EQ(fault, "");
    }
}

TEST(Codes, WidthsAsTyped)
{
    const std::pair<std::string, int> accepted[] = {{"2", 2}, {"8", 8}, {"0064", 64}, {"1024", 1024}};
    for (const auto& row : accepted) {
        int width = 0;
        std::string fault;
        EXPECT_TRUE(ReadCodeWidth(row.first, width, fault)) << row.first;
        EXPECT_EQ(width, row.second);
    }
    for (const std::string text : {"", "1", "0", "1025", "-8", "8.0", " 8", "99999999999", "00008"}) {
        int width = 77;
        std::string fault;
        EXPECT_FALSE(ReadCodeWidth(text, width, fault)) << text;
        EXPECT_EQ(width, 77);
        EXPECT_EQ(fault, "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов.");
    }
}

struct ReadingRow {
    std::string code;
    int system, width;
    std::string bits, unsignedValue, direct, ones, twos;
};

TEST(Codes, ReadFourWays)
{
    const ReadingRow rows[] = {
        {"11010011", 2, 8, "11010011", "211", "-83", "-44", "-45"},
        {"D3", 16, 8, "11010011", "211", "-83", "-44", "-45"},
        {"323", 8, 8, "11010011", "211", "-83", "-44", "-45"},
        {"211", 10, 8, "11010011", "211", "-83", "-44", "-45"},
        {"000011010011", 2, 8, "11010011", "211", "-83", "-44", "-45"},
        {"D3", 16, 12, "000011010011", "211", "211", "211", "211"},
        {"10000000", 2, 8, "10000000", "128", "-0", "-127", "-128"},
        {"11111111", 2, 8, "11111111", "255", "-127", "-0", "-1"},
        {"0", 2, 8, "00000000", "0", "0", "0", "0"},
        {"1", 2, 8, "00000001", "1", "1", "1", "1"},
        {"10", 2, 2, "10", "2", "-0", "-1", "-2"},
        {"11", 2, 2, "11", "3", "-1", "-0", "-1"},
        {"8000000000000000", 16, 64, "1" + Repeat('0', 63), "9223372036854775808", "-0", "-9223372036854775807",
         "-9223372036854775808"},
    };
    for (const ReadingRow& row : rows) {
        SCOPED_TRACE(row.code + " in " + std::to_string(row.width) + " bits");
        CodeReading reading;
        std::string fault;
        ASSERT_TRUE(DecodeInteger(row.code, row.system, row.width, reading, fault)) << fault;
        EXPECT_EQ(reading.code, row.bits);
        EXPECT_EQ(reading.width, row.width);
        EXPECT_EQ(reading.unsignedValue, row.unsignedValue);
        EXPECT_EQ(reading.signMagnitude, row.direct);
        EXPECT_EQ(reading.onesComplement, row.ones);
        EXPECT_EQ(reading.twosComplement, row.twos);
    }
}

TEST(Codes, CodesRefusedWhenRead)
{
    const std::string signOrPoint = "Введено неверное значение:\n\nКод записывается цифрами, без знака и без дробной части.";
    const RefusalRow rows[] = {
        {"111010011", 2, 8, "Код не помещается в 8-разрядную сетку:\n\nв нём больше 8 двоичных разрядов."},
        {"100", 16, 8, "Код не помещается в 8-разрядную сетку:\n\nв нём больше 8 двоичных разрядов."},
        {"256", 10, 8, "Код не помещается в 8-разрядную сетку:\n\nв нём больше 8 двоичных разрядов."},
        {Repeat('1', 40000), 2, 1024, "Код не помещается в 1024-разрядную сетку:\n\nв нём больше 1024 двоичных разрядов."},
        {"-101", 2, 8, signOrPoint},
        {"1.1", 2, 8, signOrPoint},
        {"102", 2, 8, "Введено неверное значение:\n\nДиапазон 2-ной системы счисления: {0..1}."},
        {"", 2, 8, "Операция невозможна:\n\nИсходное число не задано"},
        {"1", 2, 1025, "Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов."},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.number.substr(0, 20));
        CodeReading reading;
        reading.code = "untouched";
        std::string fault;
        EXPECT_FALSE(DecodeInteger(row.number, row.system, row.width, reading, fault));
        EXPECT_EQ(fault, row.fault);
        EXPECT_EQ(reading.code, "untouched");
    }
}

// For widths up to 63 the two's complement is the value modulo 2^width in
// native arithmetic, and every code read back by its own rule is the value.
TEST(Codes, RoundTripsAgainstNativeArithmetic)
{
    std::mt19937_64 rng(22);
    for (int round = 0; round < 3000; ++round) {
        const int width = 2 + static_cast<int>(rng() % 62);
        const int64_t top = int64_t(1) << (width - 1);
        const int64_t value = static_cast<int64_t>(rng() % (static_cast<uint64_t>(top) * 2)) - top;
        const int base = 2 + static_cast<int>(rng() % 15);
        const uint64_t magnitude = value < 0 ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
        std::string digits;
        for (uint64_t m = magnitude; m > 0; m /= static_cast<uint64_t>(base))
            digits.insert(digits.begin(), "0123456789ABCDEF"[m % static_cast<uint64_t>(base)]);
        const std::string number = (value < 0 ? "-" : "") + (digits.empty() ? "0" : digits);
        SCOPED_TRACE(number + " (base " + std::to_string(base) + ") in " + std::to_string(width) + " bits");
        IntegerCodes codes;
        std::string fault;
        ASSERT_TRUE(EncodeInteger(number, base, width, codes, fault)) << fault;
        const uint64_t mask = (uint64_t(1) << width) - 1;
        EXPECT_EQ(codes.twosComplement, BitsOf(static_cast<uint64_t>(value) & mask, width));
        EXPECT_EQ(codes.decimal, std::to_string(value));
        EXPECT_EQ(ReadingOf(codes.twosComplement).twosComplement, std::to_string(value));
        EXPECT_EQ(codes.hasDirect, value != -top);
        if (codes.hasDirect) {
            EXPECT_EQ(ReadingOf(codes.signMagnitude).signMagnitude, std::to_string(value));
            EXPECT_EQ(ReadingOf(codes.onesComplement).onesComplement, std::to_string(value));
        }
        EXPECT_EQ(ReadingOf(codes.twosComplement).unsignedValue, std::to_string(static_cast<uint64_t>(value) & mask));
    }
}

// Wide registers: the codes of random numbers of up to 1024 bits read back
// to the number, and the two's complement of -x plus x is 0 in the register.
TEST(Codes, WideRoundTrips)
{
    std::mt19937_64 rng(23);
    for (int round = 0; round < 300; ++round) {
        const int width = 64 + static_cast<int>(rng() % 961);
        const int length = 1 + static_cast<int>(rng() % static_cast<uint64_t>(width - 1));
        std::string bits = "1";
        for (int k = 1; k < length; ++k)
            bits += static_cast<char>('0' + rng() % 2);
        SCOPED_TRACE(std::to_string(length) + " bits in " + std::to_string(width));
        IntegerCodes negative, positive;
        std::string fault;
        ASSERT_TRUE(EncodeInteger("-" + bits, 2, width, negative, fault)) << fault;
        ASSERT_TRUE(EncodeInteger(bits, 2, width, positive, fault)) << fault;
        EXPECT_EQ(ReadingOf(negative.twosComplement).twosComplement, "-" + positive.decimal);
        EXPECT_EQ(ReadingOf(negative.onesComplement).onesComplement, "-" + positive.decimal);
        EXPECT_EQ(ReadingOf(negative.signMagnitude).signMagnitude, "-" + positive.decimal);
        EXPECT_EQ(AddInColumn(negative.twosComplement, positive.twosComplement).sum, Repeat('0', width));
        EXPECT_EQ(HexOfBits(negative.twosComplement).size(), static_cast<size_t>((width + 3) / 4));
    }
}

TEST(Codes, LongNumbersAreRefusedFast)
{
    const auto start = std::chrono::steady_clock::now();
    IntegerCodes codes;
    CodeReading reading;
    std::string fault;
    EXPECT_FALSE(EncodeInteger("-" + Repeat('7', 32767), 8, 1024, codes, fault));
    EXPECT_FALSE(DecodeInteger(Repeat('F', 32767), 16, 1024, reading, fault));
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(), 50);
}

TEST(BitStrings, GroupsSumsAndHex)
{
    EXPECT_EQ(GroupedByFour("11010011"), "1101 0011");
    EXPECT_EQ(GroupedByFour("10011001100110011001101"), "100 1100 1100 1100 1100 1101");
    EXPECT_EQ(GroupedByFour("1"), "1");
    EXPECT_EQ(GroupedByFour(""), "");
    EXPECT_EQ(HexOfBits("11010011"), "D3");
    EXPECT_EQ(HexOfBits("111010011"), "1D3");
    EXPECT_EQ(HexOfBits("01"), "1");
    EXPECT_EQ(Inverted("0110"), "1001");
    const ColumnSum sum = AddInColumn("11010010", "00000001");
    EXPECT_EQ(sum.sum, "11010011");
    EXPECT_EQ(sum.carries, "00000000");
    EXPECT_FALSE(sum.carryOut);
    const ColumnSum carried = AddInColumn("10111111", "00000001");
    EXPECT_EQ(carried.sum, "11000000");
    EXPECT_EQ(carried.carries, "01111110");
    EXPECT_FALSE(carried.carryOut);
    const ColumnSum zero = AddInColumn("11010011", "00101101");
    EXPECT_EQ(zero.sum, "00000000");
    EXPECT_EQ(zero.carries, "11111110");
    EXPECT_TRUE(zero.carryOut);
    EXPECT_EQ(BitsOf(0xD3, 8), "11010011");
    EXPECT_EQ(BitsOf(5, 70), Repeat('0', 67) + "101");
    EXPECT_EQ(ValueOfBits("1111111111111111111111111111111111111111111111111111111111111111"), ~uint64_t(0));
}

TEST(BitStrings, ExactValues)
{
    EXPECT_EQ(DecimalOfScaled("1", -3), "0.125");
    EXPECT_EQ(DecimalOfScaled("0011", -1), "1.5");
    EXPECT_EQ(DecimalOfScaled("101", 2), "20");
    EXPECT_EQ(DecimalOfScaled("000", -5), "0");
    EXPECT_EQ(DecimalOfScaled("1", -20), "0.00000095367431640625");
    EXPECT_EQ(BinaryOfWhole("2D", 16), "101101");
    EXPECT_EQ(BinaryOfWhole("000", 10), "0");
    EXPECT_EQ(BinaryOfFraction("1", 10, 10), "0001100110");
    EXPECT_EQ(BitsPerDigitAtLeast(2), 1);
    EXPECT_EQ(BitsPerDigitAtLeast(3), 1);
    EXPECT_EQ(BitsPerDigitAtLeast(10), 3);
    EXPECT_EQ(BitsPerDigitAtLeast(16), 4);
    // 0.5 = 0.1 in binary; 0.1 in decimal never ends in binary; 0.6 in base 12
    // is 1/2; 0.3 in base 6 is 1/2; 0.1 in base 3 never ends.
    EXPECT_TRUE(FractionEquals("5", 10, "1"));
    EXPECT_TRUE(FractionEquals("5000", 10, "1000"));
    EXPECT_FALSE(FractionEquals("5", 10, "0"));
    EXPECT_FALSE(FractionEquals("1", 10, "0001100110011"));
    EXPECT_TRUE(FractionEquals("6", 12, "1"));
    EXPECT_TRUE(FractionEquals("3", 6, "1"));
    EXPECT_FALSE(FractionEquals("1", 3, "0101010101"));
    EXPECT_TRUE(FractionEquals("", 3, "000"));
    EXPECT_TRUE(FractionEquals("0625", 10, "0001"));
    EXPECT_FALSE(FractionEquals("0625", 10, "001"));
    EXPECT_TRUE(FractionEquals("A8", 16, "10101"));
}

}  // namespace
