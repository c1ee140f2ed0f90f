// The program's results against exact arithmetic that shares none of its
// code: whole numbers converted there and back and compared by value, cut
// fractions bracketed exactly, bdouble results bracketed by their exact
// rational values, Roman numerals round trip through the conversion command.
// Numbers of tens of thousands of digits, and products of thousands of words,
// reach the divide-and-conquer conversions and the fast products: there the
// exact arithmetic is too slow, and residues modulo two primes, computed from
// the digits and words directly, stand in for it.
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
#include "words.h"

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

// The value of a digit text modulo q, by Horner's rule.
uint64_t Residue(const std::string& digits, int base, uint64_t q)
{
    uint64_t r = 0;
    for (char ch : digits)
        r = (r * static_cast<uint64_t>(base) + static_cast<uint64_t>(ch <= '9' ? ch - '0' : ch - 'A' + 10)) % q;
    return r;
}

const uint64_t PRIMES[] = {2147483647ull, 4294967291ull};

// Up to 40,000 digits from bytes: each byte a digit (its low four bits) and
// how often it repeats (its high four bits, up to 46 times), so that long
// runs of zeros and of the largest digit, the longest carries, come often.
std::string LongDigits(const std::string& bytes, int base)
{
    std::string digits;
    for (std::size_t k = 0; k < bytes.size() && digits.size() < 40000; ++k) {
        const unsigned byte = static_cast<unsigned char>(bytes[k]);
        digits.append(1 + 3 * (byte >> 4), DIGIT_CHARS[(byte & 15) % static_cast<unsigned>(base)]);
    }
    return digits;
}

void CheckLongWhole(FuzzInput& input)
{
    const int base = BaseOf(input.Byte());
    const int newBase = BaseOf(input.Byte());
    const std::string digits = LongDigits(input.Rest(), base);
    const std::string converted = Converter(digits, base).Convert(newBase);
    FUZZ_CHECK(!converted.empty() && (converted == "0" || converted[0] != '0'));
    for (const uint64_t q : PRIMES)
        FUZZ_CHECK(Residue(converted, newBase, q) == Residue(digits, base, q));
    const std::size_t first = digits.find_first_not_of('0');
    FUZZ_CHECK(Converter(converted, newBase).Convert(base) == (first == std::string::npos ? "0" : digits.substr(first)));
}

// Word vectors of up to 3,000 words in one of the radices the program
// multiplies in: words.h's product against the schoolbook's and residues.
void CheckProduct(FuzzInput& input)
{
    static const uint32_t RADICES[] = {0, 1000000000u, 3486784401u, 429981696u, 1977326743u, 2357947691u};
    const uint32_t choice = RADICES[input.Byte() % 6];
    const words::WordRadix radix = choice ? words::WordRadix(choice) : words::WordRadix::Binary();
    std::size_t sizes[2];
    for (std::size_t& size : sizes) {
        const unsigned high = input.Byte();
        size = 1 + (high * 256u + input.Byte()) % 3000;
    }
    const std::size_t na = sizes[0], nb = sizes[1];
    // The rest of the bytes say which words are random and which the largest.
    const std::string shape = input.Rest();
    uint64_t state = 0x9E3779B97F4A7C15ull ^ shape.size();
    auto next = [&](std::size_t k) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const bool largest = !shape.empty() && (static_cast<unsigned char>(shape[k % shape.size()]) & 1);
        return static_cast<uint32_t>(largest ? radix.Value() - 1 : (state >> 16) % radix.Value());
    };
    words::Words a(na), b(nb);
    for (std::size_t k = 0; k < na; ++k)
        a[k] = next(k);
    for (std::size_t k = 0; k < nb; ++k)
        b[k] = next(k + na);
    const words::Words product = words::Multiply(a, b, radix);
    words::Words expected(na + nb);
    words::Schoolbook(a.data(), na, b.data(), nb, expected.data(), radix);
    words::Trim(expected);
    FUZZ_CHECK(product == expected);
    for (const uint64_t q : PRIMES) {
        auto residue = [&](const words::Words& x) {
            uint64_t r = 0;
            for (std::size_t k = x.size(); k-- > 0;)
                r = (r * (radix.Value() % q) + x[k]) % q;
            return r;
        };
        FUZZ_CHECK(residue(product) == residue(a) * residue(b) % q);
    }
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
    // Bytes from 0xE0 choose the long checks; below, the choice of the seeds
    // found before them stays as it was.
    const uint8_t kind = input.Byte();
    switch (kind < 0xE0 ? kind % 4 : 4 + kind % 2) {
    case 0:
        CheckWhole(input);
        break;
    case 1:
        CheckFraction(input);
        break;
    case 2:
        CheckBdouble(input);
        break;
    case 3:
        CheckRoman(input);
        break;
    case 4:
        CheckLongWhole(input);
        break;
    default:
        CheckProduct(input);
        break;
    }
    return 0;
}
