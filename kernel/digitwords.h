// Digits into words and back: a word of radix base^k carries k digits of
// base, a binary word 32 bits of a bit stream. Every reader and writer of
// number texts and digit vectors packs and unpacks its digits here; which
// digit stands where, and what a digit that is not of the base is worth,
// each caller says through a function of the digit's place.
#ifndef KALVORIX_KERNEL_DIGITWORDS_H
#define KALVORIX_KERNEL_DIGITWORDS_H

#include <cstddef>
#include <cstdint>

#include "check.h"
#include "spans.h"

namespace words {

// The largest power of a base that fits 32 bits (or is at most limit), and
// its exponent: how many digits of that base one word carries.
struct WordPower {
    uint64_t power;
    int exponent;
};

constexpr WordPower LargestPower(int base, uint64_t limit = UINT32_MAX)
{
    WordPower r{1, 0};
    while (r.power * static_cast<uint64_t>(base) <= limit) {
        r.power *= static_cast<uint64_t>(base);
        ++r.exponent;
    }
    return r;
}

// The value of the digits digit(first) ... digit(first + count - 1), the
// first the most significant, by Horner's rule; it must fit a Value (a
// 32-bit word's is cheaper on a 32-bit processor).
template <typename Value = uint64_t, typename DigitAt>
Value ValueOfDigits(size_t first, size_t count, Value base, DigitAt digit)
{
    Value value = 0;
    for (size_t i = first; i < first + count; ++i)
        value = value * base + static_cast<Value>(digit(i));
    return value;
}

// The count digits digit(0) (the most significant) to digit(count - 1) in
// words of base^perWord (which fits a word), least significant first. A whole number is grouped
// from its last digit, so its top word takes the digits left over; a
// fraction (topAligned) from its first, its lowest word filled up with zeros.
template <typename DigitAt>
Words PackDigits(size_t count, uint32_t base, int perWord, bool topAligned, DigitAt digit)
{
    KERNEL_ASSERT(perWord > 0);
    const size_t k = static_cast<size_t>(perWord);
    Words words((count + k - 1) / k);
    size_t at = 0;
    if (!topAligned && count % k != 0) {
        at = count % k;
        words.back() = ValueOfDigits<uint32_t>(0, at, base, digit);
    }
    for (size_t w = words.size() - (at > 0 ? 1 : 0); w-- > 0; at += k) {
        const size_t whole = at + k <= count ? k : count - at;
        uint32_t value = ValueOfDigits<uint32_t>(at, whole, base, digit);
        for (size_t pad = whole; pad < k; ++pad)
            value *= base;
        words[w] = value;
    }
    return words;
}

// Calls put(i, d) for the count digits d of value in base, from the least
// significant (i = 0) up; value is below base^count.
template <typename Put>
void UnpackWord(uint32_t value, uint32_t base, int count, Put put)
{
    for (int i = 0; i < count; ++i, value /= base)
        put(i, static_cast<int>(value % base));
}

// A bit stream read: calls take(piece) for the binary number x[0, n) in
// pieces of `bits` (1 to 31), least significant first, the last one what
// is left of the top word.
template <typename Take>
void ForEachPiece(const uint32_t* x, size_t n, int bits, Take take)
{
    KERNEL_ASSERT(bits > 0 && bits < 32);
    const uint32_t mask = (uint32_t(1) << bits) - 1;
    uint64_t pending = 0;
    int filled = 0;
    for (size_t i = 0; i < n; ++i) {
        pending |= uint64_t(x[i]) << filled;
        for (filled += 32; filled >= bits; filled -= bits, pending >>= bits)
            take(static_cast<uint32_t>(pending) & mask);
    }
    if (filled > 0)
        take(static_cast<uint32_t>(pending));
}

// A bit stream written: the binary number whose count pieces of `bits`
// (1 to 31) are piece(0) (the least significant) to piece(count - 1).
template <typename PieceAt>
Words PackPieces(size_t count, int bits, PieceAt piece)
{
    KERNEL_ASSERT(bits > 0 && bits < 32);
    Words number((count * static_cast<size_t>(bits) + 31) / 32);
    uint32_t* word = number.data();
    uint64_t pending = 0;
    int filled = 0;
    for (size_t i = 0; i < count; ++i) {
        pending |= static_cast<uint64_t>(piece(i)) << filled;
        filled += bits;
        if (filled >= 32) {
            *word++ = static_cast<uint32_t>(pending);
            pending >>= 32;
            filled -= 32;
        }
    }
    if (filled > 0)
        *word = static_cast<uint32_t>(pending);
    return number;
}

}  // namespace words

#endif
