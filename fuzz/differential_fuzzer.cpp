// The program's results against exact arithmetic that shares none of its
// code: whole numbers converted there and back and compared by value, cut
// fractions bracketed exactly, bdouble results bracketed by their exact
// rational values, Roman numerals round trip through the conversion command.
#include <cstddef>
#include <cstdint>
#include <string>

#include "bdouble.h"
#include "convert.h"
#include "converter.h"
#include "exact.h"
#include "fraction.h"
#include "input.h"
#include "roman.h"
#include "state.h"
#include "systems.h"
#include "text.h"
#include "validate.h"

namespace {

const char DIGIT_CHARS[] = "0123456789ABCDEF";

// Digits of base made from bytes, at most limit of them.
std::string DigitsOf(const std::string& bytes, int base, std::size_t limit)
{
    std::string digits;
    for (std::size_t k = 0; k < bytes.size() && k < limit; ++k)
        digits += DIGIT_CHARS[static_cast<unsigned char>(bytes[k]) % base];
    return digits;
}

int BaseOf(uint8_t byte)
{
    return 2 + byte % 15;
}

void CheckWhole(FuzzInput& input)
{
    const int base = BaseOf(input.Byte());
    const int newBase = BaseOf(input.Byte());
    const std::string digits = DigitsOf(input.Rest(), base, 300);
    const std::string converted = Converter(digits, base).Convert(newBase);
    FUZZ_CHECK(!converted.empty() && (converted == "0" || converted[0] != '0'));
    FUZZ_CHECK(Natural::FromDigits(converted, newBase) == Natural::FromDigits(digits, base));
    const std::string back = Converter(converted, newBase).Convert(base);
    const std::size_t first = digits.find_first_not_of('0');
    FUZZ_CHECK(back == (first == std::string::npos ? "0" : digits.substr(first)));
}

// D = the count digits after "0.": D / newBase^count <= N / base^k < (D + 1) / newBase^count.
void CheckFraction(FuzzInput& input)
{
    const int base = BaseOf(input.Byte());
    const int newBase = BaseOf(input.Byte());
    const int count = 1 + input.Byte() % 150;
    const std::string digits = DigitsOf(input.Rest(), base, 150);
    const std::string converted = ConvertFraction(digits, base, newBase, count);
    FUZZ_CHECK(converted.size() == static_cast<std::size_t>(count) + 2 && converted.compare(0, 2, "0.") == 0);
    const std::string resultDigits = converted.substr(2);
    for (char ch : resultDigits)
        FUZZ_CHECK(std::string(DIGIT_CHARS, static_cast<std::size_t>(newBase)).find(ch) != std::string::npos);
    const Natural d = Natural::FromDigits(resultDigits, newBase);
    const Natural scale = Natural::Power(static_cast<unsigned>(base), static_cast<int>(digits.size()));
    const Natural scaled = Natural::FromDigits(digits, base) * Natural::Power(static_cast<unsigned>(newBase), count);
    FUZZ_CHECK(d * scale <= scaled);
    FUZZ_CHECK(scaled < (d + Natural(1)) * scale);
}

// A decimal number text from bytes: sign, up to 40 whole and 40 fraction digits.
std::string NumberText(FuzzInput& input)
{
    const uint8_t shape = input.Byte();
    std::string text = shape & 1 ? "-" : "";
    const std::string body = input.Text('\n');
    const std::size_t wholeLength = (shape >> 1) % 41;
    text += DigitsOf(body.substr(0, wholeLength), 10, 40);
    if (text.empty() || text == "-")
        text += '0';
    if (body.size() > wholeLength)
        text += "." + DigitsOf(body.substr(wholeLength), 10, 40);
    return text;
}

bool IsZeroValue(const Scaled& value)
{
    return value.magnitude.IsZero();
}

// The printed result has the sign and magnitude of exact (zero of any sign).
void CheckExact(const bdouble& result, bool negative, const Natural& magnitude)
{
    const Scaled printed = ReadScaled(result.print(), DoubleSize);
    FUZZ_CHECK(printed.magnitude == magnitude);
    FUZZ_CHECK(magnitude.IsZero() || printed.negative == negative);
}

// low <= |result| * step < high, read from the printed result.
void CheckBracket(const bdouble& result, bool negative, const Natural& exact, const Natural& step)
{
    const Scaled printed = ReadScaled(result.print(), DoubleSize);
    FUZZ_CHECK(printed.magnitude * step <= exact);
    FUZZ_CHECK(exact < (printed.magnitude + Natural(1)) * step);
    FUZZ_CHECK(printed.magnitude.IsZero() || printed.negative == negative);
}

void CheckBdouble(FuzzInput& input)
{
    SetPrec(input.Byte() % 40);
    const std::string firstText = NumberText(input);
    const std::string secondText = NumberText(input);
    const Scaled a = ReadScaled(firstText, DoubleSize);
    const Scaled b = ReadScaled(secondText, DoubleSize);
    const bdouble x(firstText);
    const bdouble y(secondText);
    const Natural one = Natural::Power(10, DoubleSize);

    // Sums and differences are exact: signed magnitudes added by hand.
    for (const bool subtract : {false, true}) {
        const bool bNegative = subtract ? !b.negative : b.negative;
        bool negative = a.negative;
        Natural magnitude;
        if (a.negative == bNegative) {
            magnitude = a.magnitude + b.magnitude;
        } else if (b.magnitude <= a.magnitude) {
            magnitude = a.magnitude - b.magnitude;
        } else {
            magnitude = b.magnitude - a.magnitude;
            negative = bNegative;
        }
        CheckExact(subtract ? x - y : x + y, negative, magnitude);
    }
    const bool productNegative = a.negative != b.negative;
    CheckBracket(x * y, productNegative, a.magnitude * b.magnitude, one);
    const bdouble quotient = x / y;
    if (IsZeroValue(b)) {
        FUZZ_CHECK(bdGetLastError() == 1);
        FUZZ_CHECK(ReadScaled(quotient.print(), DoubleSize).magnitude.IsZero());
    } else {
        FUZZ_CHECK(bdGetLastError() == 0);
        CheckBracket(quotient, productNegative, a.magnitude * one, b.magnitude);
    }
    // sqrt: r^2 <= |a| * 10^d < (r + 1)^2, all scaled by 10^d.
    const Scaled root = ReadScaled(bsqrt(x).print(), DoubleSize);
    const Natural radicand = a.magnitude * one;
    FUZZ_CHECK(root.magnitude * root.magnitude <= radicand);
    FUZZ_CHECK(radicand < (root.magnitude + Natural(1)) * (root.magnitude + Natural(1)));
    FUZZ_CHECK(cmp(x, y) == -cmp(y, x));
}

// Every numeral of 1 to ROMAN_MAX reads back as its number, by itself and through
// the conversion command in both directions.
void CheckRoman(FuzzInput& input)
{
    const int high = input.Byte();
    const int n = (high * 256 + input.Byte()) % ROMAN_MAX + 1;
    const std::string numeral = ArabToRoman(static_cast<unsigned short>(n));
    FUZZ_CHECK(RomanToArab(numeral.c_str()) == n);
    FUZZ_CHECK(CheckValid(numeral.data(), static_cast<int>(numeral.size()), ROMAN));
    const int base = BaseOf(input.Byte());
    const std::string inBase = Converter(NumToStr(n), 10).Convert(base);
    const Outcome fromRoman = ConvertRequest(numeral, "4", ROMAN, base);
    FUZZ_CHECK(fromRoman.kind == Outcome::OUTPUT && fromRoman.text == inBase && strM_BUF == NumToStr(n));
    const Outcome toRoman = ConvertRequest(inBase, "4", base, ROMAN);
    FUZZ_CHECK(toRoman.kind == Outcome::OUTPUT && toRoman.text == numeral);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    switch (input.Byte() % 4) {
    case 0:
        CheckWhole(input);
        break;
    case 1:
        CheckFraction(input);
        break;
    case 2:
        CheckBdouble(input);
        break;
    default:
        CheckRoman(input);
        break;
    }
    return 0;
}
