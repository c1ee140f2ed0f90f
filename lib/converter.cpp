#include "converter.h"

#include <algorithm>
#include <cstdint>

#include "constantbase.h"
#include "digitwords.h"
#include "radixconv.h"
#include "systems.h"
#include "text.h"

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
    if (const int bits = PowerOfTwo(base)) {
        const size_t last = digits.size() - 1;
        return words::PackPieces(digits.size() - first, bits,
                                 [&digits, last](size_t i) { return static_cast<uint32_t>(std::max(digits[last - i], 0)); });
    }
    return radixconv::ReadDigits(digits, first, base);
}

// A non-zero binary number written in a base that is a power of two: its
// digits are known in number from its bit length, and filled in from the last.
std::string WriteBits(const Words& number, int bits)
{
    const size_t top = words::Significant(number.data(), number.size());
    size_t length = (top - 1) * 32 + 1;  // bits, the top word's highest found by halving
    uint32_t word = number[top - 1];
    for (int half = 16; half > 0; half /= 2)
        if (word >> half) {
            word >>= half;
            length += static_cast<size_t>(half);
        }
    std::string text((length + static_cast<size_t>(bits) - 1) / static_cast<size_t>(bits), '0');
    size_t at = text.size();
    words::ForEachPiece(number.data(), top, bits, [&text, &at](uint32_t piece) {
        if (at > 0)  // the pieces above the top bit are zeros
            text[--at] = DigitChar(static_cast<int>(piece));
    });
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
    return words::ValueOfDigits(first, digits.size() - first, static_cast<uint64_t>(base),
                                [&digits, value](size_t i) { return std::max(value(digits[i]), 0); });
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
    const bool validBases = IsBase(base) && IsBase(newBase);
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
    const bool validBases = IsBase(base) && IsBase(newBase);
    if (validBases && base == newBase) {
        std::string digits = trimleft(text);
        return digits.empty() ? std::string("0") : digits;
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
    if (first == digits.size() || !IsBase(base))
        return Words();
    Words number = ReadBinary(digits, first, base);
    words::Trim(number);
    return number;
}

std::string BinaryToDigits(const std::vector<uint32_t>& number, int base)
{
    if (words::Significant(number.data(), number.size()) == 0 || !IsBase(base))
        return "0";
    return WriteBase(number, base);
}
