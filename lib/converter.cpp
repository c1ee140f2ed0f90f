#include "converter.h"

#include <algorithm>
#include <cstdint>

#include "radix.h"
#include "systems.h"

namespace {

using Words = std::vector<uint32_t>;  // a binary number, least significant word first

// log2 of base when it is a power of two, else 0.
int PowerOfTwo(int base)
{
    switch (base) {
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    case 16: return 4;
    default: return 0;
    }
}

using radix::LargestPower;
using radix::Radix;

// The value of digits[first..] in base, as a binary number. Bases that are
// powers of two are packed bit by bit; the others by Horner's rule, one word
// of several digits at a time (N = N * base^k + next k digits), whose inner
// loop carries no division.
Words ReadBinary(const std::vector<int>& digits, size_t first, int base)
{
    Words number;
    if (const int bits = PowerOfTwo(base)) {
        number.reserve((digits.size() - first) * static_cast<size_t>(bits) / 32 + 1);
        uint64_t pending = 0;
        int filled = 0;
        for (size_t i = digits.size(); i-- > first;) {
            pending |= static_cast<uint64_t>(std::max(digits[i], 0)) << filled;
            filled += bits;
            if (filled >= 32) {
                number.push_back(static_cast<uint32_t>(pending));
                pending >>= 32;
                filled -= 32;
            }
        }
        if (filled > 0)
            number.push_back(static_cast<uint32_t>(pending));
        return number;
    }
    const Radix chunk = LargestPower(base);
    const size_t count = digits.size() - first;
    number.reserve(count / static_cast<size_t>(chunk.exponent) + 1);
    size_t at = first;
    size_t length = count % static_cast<size_t>(chunk.exponent);
    if (length == 0)
        length = static_cast<size_t>(chunk.exponent);
    while (at < digits.size()) {
        uint64_t carry = 0;
        for (size_t k = 0; k < length; ++k, ++at)
            carry = carry * static_cast<uint64_t>(base) + static_cast<uint64_t>(std::max(digits[at], 0));
        for (uint32_t& word : number) {
            uint64_t t = word * chunk.power + carry;
            word = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        if (carry)
            number.push_back(static_cast<uint32_t>(carry));
        length = static_cast<size_t>(chunk.exponent);
    }
    return number;
}

// A non-zero binary number written in a base that is a power of two.
std::string WriteBits(const Words& number, int bits)
{
    std::string reversed;
    reversed.reserve(number.size() * 32 / static_cast<size_t>(bits) + 1);
    const uint32_t mask = (1u << bits) - 1;
    uint64_t pending = 0;
    int filled = 0;
    for (uint32_t word : number) {
        pending |= static_cast<uint64_t>(word) << filled;
        filled += 32;
        while (filled >= bits) {
            reversed += DigitChar(static_cast<int>(pending & mask));
            pending >>= bits;
            filled -= bits;
        }
    }
    if (filled > 0)
        reversed += DigitChar(static_cast<int>(pending & mask));
    reversed.erase(reversed.find_last_not_of('0') + 1);
    return std::string(reversed.rbegin(), reversed.rend());
}

// A non-zero binary number written in NEW_BASE: Horner's rule again, from the
// top word down, into words of radix NEW_BASE^k (D = D * 2^32 + next word).
// The radix is a constant of the instantiation, so the division in the inner
// loop becomes a multiplication.
template <int NEW_BASE>
std::string WriteHorner(const Words& number)
{
    constexpr Radix radix = LargestPower(NEW_BASE);
    std::vector<uint32_t> out;  // radix words, least significant first
    out.reserve(number.size() * 32 / 3 / radix.exponent + 2);
    for (size_t i = number.size(); i-- > 0;) {
        uint64_t carry = number[i];
        for (uint32_t& word : out) {
            uint64_t t = (static_cast<uint64_t>(word) << 32) + carry;
            word = static_cast<uint32_t>(t % radix.power);
            carry = t / radix.power;
        }
        while (carry) {
            out.push_back(static_cast<uint32_t>(carry % radix.power));
            carry /= radix.power;
        }
    }
    std::string text;
    text.reserve(out.size() * radix.exponent);
    char word[40];
    for (size_t i = out.size(); i-- > 0;) {
        uint32_t value = out[i];
        for (int k = radix.exponent; k-- > 0; value /= NEW_BASE)
            word[k] = DigitChar(static_cast<int>(value % NEW_BASE));
        int skip = 0;
        if (i + 1 == out.size())
            while (skip + 1 < radix.exponent && word[skip] == '0')
                ++skip;
        text.append(word + skip, word + radix.exponent);
    }
    return text;
}

std::string WriteBase(const Words& number, int newBase)
{
    if (const int bits = PowerOfTwo(newBase))
        return WriteBits(number, bits);
    switch (newBase) {
    case 3: return WriteHorner<3>(number);
    case 5: return WriteHorner<5>(number);
    case 6: return WriteHorner<6>(number);
    case 7: return WriteHorner<7>(number);
    case 9: return WriteHorner<9>(number);
    case 10: return WriteHorner<10>(number);
    case 11: return WriteHorner<11>(number);
    case 12: return WriteHorner<12>(number);
    case 13: return WriteHorner<13>(number);
    case 14: return WriteHorner<14>(number);
    default: return WriteHorner<15>(number);
    }
}

}  // namespace

Converter::Converter(std::string text, int base) : base(base)
{
    digits.reserve(text.size());
    for (char ch : text)
        digits.push_back(CharToInt(ch));
}

Converter::~Converter() = default;

int Converter::CharToInt(char ch) const
{
    return DigitValue(ch, base);
}

char Converter::IntToChar(int v) const
{
    return DigitChar(v);
}

int Converter::NextNumber(int newBase)
{
    int r = 0;
    for (int& digit : digits) {
        int t = digit + base * r;
        digit = t / newBase;
        r = t % newBase;
    }
    return r;
}

bool Converter::IsZero() const
{
    return std::all_of(digits.begin(), digits.end(), [](int d) { return d == 0; });
}

// Gives the text that digit-by-digit short division would give, through a
// binary number read and written word by word. Digits that are not of the
// base (left as -1 by CharToInt) are read as 0.
std::string Converter::Convert(int newBase)
{
    const bool validBases = base >= NSmin && base <= NSmax && newBase >= NSmin && newBase <= NSmax;
    size_t first = 0;
    while (first < digits.size() && digits[first] <= 0)
        ++first;
    std::string result;
    if (first == digits.size() || !validBases) {
        result = "0";
    } else if (newBase == base) {
        result.reserve(digits.size() - first);
        for (size_t i = first; i < digits.size(); ++i)
            result += IntToChar(std::max(digits[i], 0));
    } else {
        result = WriteBase(ReadBinary(digits, first, base), newBase);
    }
    std::fill(digits.begin(), digits.end(), 0);
    return result;
}
