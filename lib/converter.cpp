#include "converter.h"

#include <algorithm>
#include <cstdint>

#include "radix.h"
#include "radixconv.h"
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

// The value of digits[first..] in base, as a binary number. Bases that are
// powers of two are packed bit by bit; the others go through radixconv.
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
    return radixconv::ReadDigits(digits, first, base);
}

// A non-zero binary number written in a base that is a power of two: its
// digits are known in number from its bit length, and filled in from the last.
std::string WriteBits(const Words& number, int bits)
{
    size_t top = number.size();
    while (number[top - 1] == 0)
        --top;
    size_t length = (top - 1) * 32 + 1;  // bits, the top word's highest found by halving
    uint32_t word = number[top - 1];
    for (int half = 16; half > 0; half /= 2)
        if (word >> half) {
            word >>= half;
            length += static_cast<size_t>(half);
        }
    std::string text((length + static_cast<size_t>(bits) - 1) / static_cast<size_t>(bits), '0');
    const uint32_t mask = (1u << bits) - 1;
    uint64_t pending = 0;
    int filled = 0;
    size_t at = text.size();
    for (size_t i = 0; i < top; ++i) {
        pending |= static_cast<uint64_t>(number[i]) << filled;
        for (filled += 32; filled >= bits && at > 0; filled -= bits, pending >>= bits)
            text[--at] = DigitChar(static_cast<int>(pending & mask));
    }
    if (at > 0)
        text[0] = DigitChar(static_cast<int>(pending & mask));
    return text;
}

std::string WriteBase(const Words& number, int newBase)
{
    if (const int bits = PowerOfTwo(newBase))
        return WriteBits(number, bits);
    return radixconv::WriteDigits(number, newBase);
}

// How many digits of base any 64-bit value holds: a number of no more digits
// fits one machine word.
constexpr int WordDigits(int base)
{
    int count = 0;
    for (uint64_t power = 1; power <= UINT64_MAX / static_cast<uint64_t>(base); power *= static_cast<uint64_t>(base))
        ++count;
    return count;
}

struct WordDigitsTable {
    int of[NSmax + 1];
};

constexpr WordDigitsTable MakeWordDigits()
{
    WordDigitsTable table{};
    for (int base = NSmin; base <= NSmax; ++base)
        table.of[base] = WordDigits(base);
    return table;
}

constexpr WordDigitsTable WORD_DIGITS = MakeWordDigits();

// The value of digits[first..], which fits one word, by Horner's rule; what
// value gives for an element is its digit value, one that is no digit read as 0.
template <typename Digits, typename Value>
uint64_t ReadWord(const Digits& digits, size_t first, int base, Value value)
{
    uint64_t number = 0;
    for (size_t i = first; i < digits.size(); ++i)
        number = number * static_cast<uint64_t>(base) + static_cast<uint64_t>(std::max(value(digits[i]), 0));
    return number;
}

// A non-zero value written in NEW_BASE, filled in from the last digit; the
// base is a constant, so the division becomes a multiplication.
template <int NEW_BASE>
std::string WriteWord(uint64_t value)
{
    char text[64];
    char* at = text + sizeof text;
    for (; value != 0; value /= NEW_BASE)
        *--at = DigitChar(static_cast<int>(value % NEW_BASE));
    return std::string(at, text + sizeof text);
}

// A number of a few digits, the common case of a list of numbers, goes
// through one machine word instead of a vector of words.
std::string WriteSmall(uint64_t value, int newBase)
{
    return radix::WithConstantBase(newBase, [value](auto base) { return WriteWord<decltype(base)::value>(value); });
}

}  // namespace

Converter::Converter(std::string text, int base) : digits(text.size()), base(base)
{
    for (size_t i = 0; i < text.size(); ++i)
        digits[i] = CharToInt(text[i]);
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
        result.resize(digits.size() - first);
        for (size_t i = first; i < digits.size(); ++i)
            result[i - first] = IntToChar(std::max(digits[i], 0));
    } else if (digits.size() - first <= static_cast<size_t>(WORD_DIGITS.of[base])) {
        result = WriteSmall(ReadWord(digits, first, base, [](int digit) { return digit; }), newBase);
    } else {
        result = WriteBase(ReadBinary(digits, first, base), newBase);
    }
    std::fill(digits.begin(), digits.end(), 0);
    return result;
}

std::string ConvertText(const std::string& text, int base, int newBase)
{
    const bool validBases = base >= NSmin && base <= NSmax && newBase >= NSmin && newBase <= NSmax;
    if (validBases && base == newBase) {
        const size_t first = text.find_first_not_of('0');
        return first == std::string::npos ? std::string("0") : text.substr(first);
    }
    if (validBases && text.size() <= static_cast<size_t>(WORD_DIGITS.of[base])) {
        const uint64_t value = ReadWord(text, 0, base, [base](char ch) { return DigitValue(ch, base); });
        return value == 0 ? std::string("0") : WriteSmall(value, newBase);
    }
    return Converter(text, base).Convert(newBase);
}

std::vector<uint32_t> DigitsToBinary(const std::string& text, int base)
{
    std::vector<int> digits(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        digits[i] = DigitValue(text[i], base);
    size_t first = 0;
    while (first < digits.size() && digits[first] <= 0)
        ++first;
    if (first == digits.size() || base < NSmin || base > NSmax)
        return Words();
    Words number = ReadBinary(digits, first, base);
    while (!number.empty() && number.back() == 0)
        number.pop_back();
    return number;
}

std::string BinaryToDigits(const std::vector<uint32_t>& number, int base)
{
    size_t top = number.size();
    while (top > 0 && number[top - 1] == 0)
        --top;
    if (top == 0 || base < NSmin || base > NSmax)
        return "0";
    return WriteBase(number, base);
}
