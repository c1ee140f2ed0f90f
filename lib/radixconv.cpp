#include "radixconv.h"

#include <algorithm>
#include <cstdint>

#include "constantbase.h"
#include "digitwords.h"
#include "systems.h"

namespace radixconv {

namespace {

using words::LargestPower;
using words::WordRadix;
using words::Words;

// Words of a short number in radix `from`, in radix `to`, by Horner's rule.
using Horner = Words (*)(const uint32_t* source, size_t count, uint32_t from);

// x * 2^bits for a binary x.
void ShiftLeft(Words& x, size_t bits)
{
    const int part = static_cast<int>(bits % 32);
    if (part > 0) {
        uint32_t carry = 0;
        for (uint32_t& word : x) {
            const uint32_t next = word >> (32 - part);
            word = (word << part) | carry;
            carry = next;
        }
        if (carry)
            x.push_back(carry);
    }
    x.insert(x.begin(), bits / 32, 0u);
}

// The number of factors 2 in a non-zero v.
int TwosIn(uint32_t v)
{
    int twos = 0;
    for (; !(v & 1); v >>= 1)
        ++twos;
    return twos;
}

// The number held by words of one radix, in another: the source's high half
// times from^half plus its low half, each half converted the same way down to
// Horner's rule. from^(2^k) in the target radix is kept for every k in use.
// Into binary, the powers of an even radix end in zero bits: only their odd
// part is multiplied and the product shifted, which makes the products of
// base 10 some 30% shorter.
class RadixChange {
public:
    RadixChange(uint32_t from, const WordRadix& to, Horner horner, size_t hornerMax)
        : from_(from), to_(to), horner_(horner), hornerMax_(hornerMax), twos_(to.IsBinary() ? TwosIn(from) : 0)
    {
    }

    Words Convert(const uint32_t* source, size_t count)
    {
        count = words::Significant(source, count);
        if (count <= hornerMax_)
            return horner_(source, count, from_);
        size_t level = 0;
        while ((size_t(2) << level) < count)
            ++level;
        const size_t half = size_t(1) << level;  // half < count <= 2 * half
        const Words high = Convert(source + half, count - half);
        Words result = PowerOfFrom(level).Times(high, to_);
        if (twos_ > 0)
            ShiftLeft(result, static_cast<size_t>(twos_) << level);
        words::AddShifted(result, Convert(source, half), 0, to_);
        return result;
    }

private:
    // Made when first needed: a short number allocates nothing here.
    words::Factor& PowerOfFrom(size_t level)
    {
        if (powers_.empty())
            powers_.emplace_back(Words{from_ >> twos_});
        while (powers_.size() <= level)
            powers_.emplace_back(powers_.back().Squared(to_));
        return powers_[level];
    }

    uint32_t from_;
    WordRadix to_;
    Horner horner_;
    size_t hornerMax_;
    int twos_;                           // factors 2 taken out of from
    std::vector<words::Factor> powers_;  // (from / 2^twos_)^(2^k) in radix to_
};

// The source's words from the top one down, into binary: N = N * from + word.
Words HornerToBinary(const uint32_t* source, size_t count, uint32_t from)
{
    Words number;
    number.reserve(count);
    for (size_t j = count; j-- > 0;)
        words::MulAddTo(number, from, source[j], words::BinaryRadix());
    return number;
}

// The source's words from the top one down, into limbs: N = N * from + word.
Words HornerToLimbs(const uint32_t* source, size_t count, uint32_t from)
{
    Words number;
    number.reserve(count);
    for (size_t j = count; j-- > 0;)
        words::MulAddTo(number, from, source[j], limbs::Radix{});
    return number;
}

// Writing reads the binary number in pieces of ChunkBits bits, 2^ChunkBits
// the largest power of two below the word radix base^k, so that
// 2^(ChunkBits * 2^j) fills nearly 2^j words of base^k and the products of
// the division stay close to a power of two in length.
template <int BASE>
constexpr int ChunkBits()
{
    int bits = 0;
    while ((uint64_t(2) << bits) < LargestPower(BASE).power)
        ++bits;
    return bits;
}

// D = D * 2^ChunkBits + next piece, in words of BASE^k; the radix is a
// constant of the instantiation, so the division becomes a multiplication.
template <int BASE>
Words HornerToPowerOf(const uint32_t* source, size_t count, uint32_t)
{
    constexpr words::FixedRadix<LargestPower(BASE).power> radix{};
    constexpr uint32_t factor = uint32_t(1) << ChunkBits<BASE>();
    Words out;
    out.reserve(count);
    for (size_t j = count; j-- > 0;)
        words::MulAddTo(out, factor, source[j], radix);
    return out;
}

// Words of BASE^k, the top one non-zero, as digits: the top word without
// leading zeros, every other one with all k of its digits.
template <int BASE>
std::string TextOf(const Words& out)
{
    constexpr int k = LargestPower(BASE).exponent;
    std::string text;
    text.reserve(out.size() * static_cast<size_t>(k));
    char word[k];
    for (size_t i = out.size(); i-- > 0;) {
        words::UnpackWord(out[i], BASE, k, [&word](int at, int digit) { word[k - 1 - at] = DigitChar(digit); });
        int skip = 0;
        if (i + 1 == out.size())
            while (skip + 1 < k && word[skip] == '0')
                ++skip;
        text.append(word + skip, word + k);
    }
    return text;
}

// A non-zero binary number in BASE: its pieces changed into words of BASE^k,
// and those written out.
template <int BASE>
std::string Write(const Words& number)
{
    constexpr int bits = ChunkBits<BASE>();
    Words chunks;
    chunks.reserve(number.size() * 32 / bits + 1);
    words::ForEachPiece(number.data(), number.size(), bits, [&chunks](uint32_t piece) { chunks.push_back(piece); });
    RadixChange change(uint32_t(1) << bits, WordRadix(static_cast<uint32_t>(LargestPower(BASE).power)),
                       HornerToPowerOf<BASE>, WRITE_HORNER_MAX);
    return TextOf<BASE>(change.Convert(chunks.data(), chunks.size()));
}

}  // namespace

// The digits are packed into words of base^k, which change radix.
Words ReadDigits(const std::vector<int>& digits, size_t first, int base)
{
    const words::WordPower chunk = LargestPower(base);
    const Words source = words::PackDigits(digits.size() - first, static_cast<uint32_t>(base), chunk.exponent, false,
                                           [&digits, first](size_t i) { return std::max(digits[first + i], 0); });
    const uint32_t from = static_cast<uint32_t>(chunk.power);
    Words number = RadixChange(from, WordRadix::Binary(), HornerToBinary, READ_HORNER_MAX)
                       .Convert(source.data(), source.size());
    words::Trim(number);
    return number;
}

limbs::Limbs ReadLimbs(const std::string& digits, int base)
{
    // A source word must be a limb itself: base^k up to the limbs' radix,
    // which base 10 fills exactly and no radix change is left to do.
    const words::WordPower chunk = LargestPower(base, limbs::BASE);
    Words source = words::PackDigits(digits.size(), static_cast<uint32_t>(base), chunk.exponent, false,
                                     [&digits, base](size_t i) { return std::max(DigitValue(digits[i], base), 0); });
    if (chunk.power != limbs::BASE)
        source = RadixChange(static_cast<uint32_t>(chunk.power), limbs::PRODUCT_RADIX, HornerToLimbs, READ_HORNER_MAX)
                     .Convert(source.data(), source.size());
    words::Trim(source);
    return source;
}

std::string WriteDigits(const Words& number, int base)
{
    return radix::WithConstantBase(base, [&number](auto constant) { return Write<decltype(constant)::value>(number); });
}

}  // namespace radixconv
