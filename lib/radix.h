// Small helpers of the library's word-at-a-time conversions.
#ifndef KALVORIX_LIB_RADIX_H
#define KALVORIX_LIB_RADIX_H

#include <cstdint>

namespace radix {

// The largest power of a base that fits 32 bits, and its exponent: how many
// digits of that base one 32-bit word carries.
struct Radix {
    uint64_t power;
    int exponent;
};

constexpr Radix LargestPower(int base)
{
    Radix r{1, 0};
    while (r.power * static_cast<uint64_t>(base) <= UINT32_MAX) {
        r.power *= static_cast<uint64_t>(base);
        ++r.exponent;
    }
    return r;
}

// "0"-"9", "A"-"F" for 0 to 15.
inline char DigitChar(uint64_t d)
{
    return static_cast<char>(d < 10 ? '0' + d : 'A' + d - 10);
}

// Value of ch as a digit of base; 0 for anything that is not one.
inline uint32_t DigitValue(char ch, int base)
{
    int v = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : 0;
    return v < base ? static_cast<uint32_t>(v) : 0;
}

}  // namespace radix

#endif
