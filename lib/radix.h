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

}  // namespace radix

#endif
