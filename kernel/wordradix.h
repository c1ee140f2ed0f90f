// The radix of a vector of 32-bit words: 2^32 for a binary number, or any
// radix from 2 to 2^32 - 1 (such as 10^9 or 7^11) for a number kept in words
// of several digits. Carrying a wide column sum into such words divides it by
// the radix; a precomputed reciprocal (Moller and Granlund's method) does that
// with two 32-by-32-bit multiplications per word, on 32-bit targets as well.
// A radix known when the program is compiled is a FixedRadix, whose division
// the compiler turns into a multiplication itself.
#ifndef KALVORIX_KERNEL_WORDRADIX_H
#define KALVORIX_KERNEL_WORDRADIX_H

#include <cstdint>

#include "check.h"

namespace words {

class WordRadix {
public:
    static constexpr WordRadix Binary() { return WordRadix(); }

    // radix from 2 to 2^32 - 1.
    explicit constexpr WordRadix(uint32_t radix) : value_(radix), shift_(0), normalized_(radix), reciprocal_(0)
    {
        while (!(normalized_ & 0x80000000u)) {
            normalized_ <<= 1;
            ++shift_;
        }
        reciprocal_ = static_cast<uint32_t>(UINT64_MAX / normalized_ - (uint64_t(1) << 32));
    }

    constexpr bool IsBinary() const { return value_ == 0; }

    // The radix itself, as a 64-bit number so that 2^32 fits.
    constexpr uint64_t Value() const { return IsBinary() ? uint64_t(1) << 32 : value_; }

    // Splits v = high * 2^64 + low, with high below the radix: word receives
    // v mod radix, and v / radix is returned.
    uint64_t Split(uint32_t high, uint64_t low, uint32_t& word) const
    {
        if (IsBinary()) {
            word = static_cast<uint32_t>(low);
            return (uint64_t(high) << 32) | (low >> 32);
        }
        // Shifted so that the divisor's top bit is set; high < radix keeps
        // the top 32 bits of the shifted value zero.
        const uint32_t mid = static_cast<uint32_t>(low >> 32), bottom = static_cast<uint32_t>(low);
        uint32_t u2 = high, u1 = mid, u0 = bottom;
        if (shift_ > 0) {
            u2 = (high << shift_) | (mid >> (32 - shift_));
            u1 = (mid << shift_) | (bottom >> (32 - shift_));
            u0 = bottom << shift_;
        }
        uint32_t rest;
        const uint32_t q1 = Divide(u2, u1, rest);
        const uint32_t q0 = Divide(rest, u0, rest);
        word = rest >> shift_;
        return (uint64_t(q1) << 32) | q0;
    }

    // The same for v below radix * 2^32, whose quotient fits a word: one
    // division by the reciprocal.
    uint64_t Split(uint64_t v, uint32_t& word) const
    {
        KERNEL_ASSERT((v >> 32) < Value());
        if (IsBinary()) {
            word = static_cast<uint32_t>(v);
            return v >> 32;
        }
        const uint64_t shifted = v << shift_;  // below normalized_ * 2^32
        uint32_t rest;
        const uint32_t q = Divide(static_cast<uint32_t>(shifted >> 32), static_cast<uint32_t>(shifted), rest);
        word = rest >> shift_;
        return q;
    }

private:
    constexpr WordRadix() : value_(0), shift_(0), normalized_(0), reciprocal_(0) {}

    // (u1 * 2^32 + u0) / normalized_ for u1 < normalized_; rest receives the remainder.
    uint32_t Divide(uint32_t u1, uint32_t u0, uint32_t& rest) const
    {
        const uint64_t q = uint64_t(reciprocal_) * u1 + ((uint64_t(u1) << 32) | u0);
        uint32_t q1 = static_cast<uint32_t>(q >> 32) + 1;
        const uint32_t q0 = static_cast<uint32_t>(q);
        uint32_t r = u0 - q1 * normalized_;
        if (r > q0) {
            --q1;
            r += normalized_;
        }
        if (r >= normalized_) {
            ++q1;
            r -= normalized_;
        }
        rest = r;
        return q1;
    }

    uint32_t value_;  // 0 stands for 2^32
    int shift_;
    uint32_t normalized_;
    uint32_t reciprocal_;
};

// A radix from 2 to 2^32 fixed at compile time, with WordRadix's Value and
// 64-bit Split (for any 64-bit value).
template <uint64_t RADIX>
struct FixedRadix {
    static_assert(RADIX >= 2 && RADIX <= (uint64_t(1) << 32), "a word radix is 2 to 2^32");

    static constexpr uint64_t Value() { return RADIX; }

    static uint64_t Split(uint64_t v, uint32_t& word)
    {
        word = static_cast<uint32_t>(v % RADIX);
        return v / RADIX;
    }
};

using BinaryRadix = FixedRadix<uint64_t(1) << 32>;

}  // namespace words

#endif
