#include "radixconv.h"

#include <algorithm>
#include <cstdint>

#include "radix.h"
#include "systems.h"

namespace radixconv {

namespace {

using radix::LargestPower;
using words::Radix;
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
    RadixChange(uint32_t from, const Radix& to, Horner horner, size_t hornerMax)
        : from_(from), to_(to), horner_(horner), hornerMax_(hornerMax), twos_(to.IsBinary() ? TwosIn(from) : 0)
    {
    }

    Words Convert(const uint32_t* source, size_t count)
    {
        while (count > 0 && source[count - 1] == 0)
            --count;
        if (count <= hornerMax_)
            return horner_(source, count, from_);
        size_t level = 0;
        while ((size_t(2) << level) < count)
            ++level;
        const size_t half = size_t(1) << level;  // half < count <= 2 * half
        const Words high = Convert(source + half, count - half);
        Words result = Power(level).Times(high, to_);
        if (twos_ > 0)
            ShiftLeft(result, static_cast<size_t>(twos_) << level);
        words::AddShifted(result, Convert(source, half), 0, to_);
        return result;
    }

private:
    // Made when first needed: a short number allocates nothing here.
    words::Factor& Power(size_t level)
    {
        if (powers_.empty())
            powers_.emplace_back(Words{from_ >> twos_});
        while (powers_.size() <= level)
            powers_.emplace_back(powers_.back().Squared(to_));
        return powers_[level];
    }

    uint32_t from_;
    Radix to_;
    Horner horner_;
    size_t hornerMax_;
    int twos_;                           // factors 2 taken out of from
    std::vector<words::Factor> powers_;  // (from / 2^twos_)^(2^k) in radix to_
};

// N = N * from + word, in binary.
void HornerStep(Words& number, uint32_t from, uint32_t word)
{
    uint64_t carry = word;
    for (uint32_t& w : number) {
        const uint64_t t = uint64_t(w) * from + carry;
        w = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry)
        number.push_back(static_cast<uint32_t>(carry));
}

// The source's words from the top one down, into binary.
Words HornerToBinary(const uint32_t* source, size_t count, uint32_t from)
{
    Words number;
    number.reserve(count);
    for (size_t j = count; j-- > 0;)
        HornerStep(number, from, source[j]);
    return number;
}

// Calls take(word) for each word of base^k that digits[first..] make, the
// top one (which takes what is left over at the front) first; a digit value
// below 0 counts as 0.
template <typename Take>
void ForEachWord(const std::vector<int>& digits, size_t first, int base, Take take)
{
    const size_t k = static_cast<size_t>(LargestPower(base).exponent);
    const size_t count = digits.size() - first;
    size_t length = count % k == 0 ? k : count % k;
    for (size_t at = first; at < digits.size(); length = k) {
        uint64_t value = 0;
        for (size_t j = 0; j < length; ++j, ++at)
            value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(std::max(digits[at], 0));
        take(static_cast<uint32_t>(value));
    }
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
    constexpr uint64_t power = LargestPower(BASE).power;
    constexpr int bits = ChunkBits<BASE>();
    Words out;
    out.reserve(count);
    for (size_t j = count; j-- > 0;) {
        uint64_t carry = source[j];
        for (uint32_t& word : out) {
            const uint64_t t = (uint64_t(word) << bits) + carry;
            word = static_cast<uint32_t>(t % power);
            carry = t / power;
        }
        for (; carry; carry /= power)
            out.push_back(static_cast<uint32_t>(carry % power));
    }
    return out;
}

// The number's bits in pieces of `bits` (below 32), least significant first.
Words Chunks(const Words& number, int bits)
{
    const size_t total = number.size() * 32;
    Words chunks;
    chunks.reserve(total / static_cast<size_t>(bits) + 1);
    const uint32_t mask = (uint32_t(1) << bits) - 1;
    uint64_t pending = 0;
    int filled = 0;
    for (uint32_t word : number) {
        pending |= uint64_t(word) << filled;
        filled += 32;
        for (; filled >= bits; filled -= bits, pending >>= bits)
            chunks.push_back(static_cast<uint32_t>(pending) & mask);
    }
    if (filled > 0)
        chunks.push_back(static_cast<uint32_t>(pending));
    return chunks;
}

// Words of BASE^k, the top one non-zero, as digits: the top word without
// leading zeros, every other one with all k of its digits.
template <int BASE>
std::string TextOf(const Words& out)
{
    constexpr radix::Radix radix = LargestPower(BASE);
    std::string text;
    text.reserve(out.size() * static_cast<size_t>(radix.exponent));
    char word[40];
    for (size_t i = out.size(); i-- > 0;) {
        uint32_t value = out[i];
        for (int k = radix.exponent; k-- > 0; value /= BASE)
            word[k] = DigitChar(static_cast<int>(value % BASE));
        int skip = 0;
        if (i + 1 == out.size())
            while (skip + 1 < radix.exponent && word[skip] == '0')
                ++skip;
        text.append(word + skip, word + radix.exponent);
    }
    return text;
}

// A non-zero binary number in BASE: its pieces changed into words of BASE^k,
// and those written out.
template <int BASE>
std::string Write(const Words& number)
{
    constexpr int bits = ChunkBits<BASE>();
    const Words chunks = Chunks(number, bits);
    RadixChange change(uint32_t(1) << bits, Radix(static_cast<uint32_t>(LargestPower(BASE).power)),
                       HornerToPowerOf<BASE>, WRITE_HORNER_MAX);
    return TextOf<BASE>(change.Convert(chunks.data(), chunks.size()));
}

}  // namespace

// A short number goes by Horner's rule as its words are formed.
Words ReadDigits(const std::vector<int>& digits, size_t first, int base)
{
    const radix::Radix chunk = LargestPower(base);
    const size_t k = static_cast<size_t>(chunk.exponent);
    const size_t count = (digits.size() - first + k - 1) / k;
    const uint32_t from = static_cast<uint32_t>(chunk.power);
    Words number;
    if (count <= READ_HORNER_MAX) {
        number.reserve(count);
        ForEachWord(digits, first, base, [&](uint32_t word) { HornerStep(number, from, word); });
    } else {
        Words source(count);  // least significant first
        size_t at = count;
        ForEachWord(digits, first, base, [&](uint32_t word) { source[--at] = word; });
        number = RadixChange(from, Radix::Binary(), HornerToBinary, READ_HORNER_MAX).Convert(source.data(), count);
    }
    words::Trim(number);
    return number;
}

std::string WriteDigits(const Words& number, int base)
{
    return radix::WithConstantBase(base, [&number](auto constant) { return Write<decltype(constant)::value>(number); });
}

}  // namespace radixconv
