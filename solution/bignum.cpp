// The low digits of long numbers, for the worked solution.
#include "bignum.h"

namespace bignum {

namespace {

const uint64_t LOW_MODULUS = 1000000000000000000ULL;  // 10^18: two limbs

}  // namespace

uint64_t LowDigits(const Limbs& x)
{
    return (x.empty() ? 0 : x[0]) + (x.size() < 2 ? 0 : static_cast<uint64_t>(x[1]) * limbs::BASE);
}

// With a = a1 * 10^9 + a0 and b likewise, a1 * b1 * 10^18 vanishes.
uint64_t MulLow(uint64_t a, uint64_t b)
{
    const uint64_t a0 = a % limbs::BASE, a1 = a / limbs::BASE;
    const uint64_t b0 = b % limbs::BASE, b1 = b / limbs::BASE;
    const uint64_t middle = (a1 * b0 + a0 * b1) % limbs::BASE;
    return (middle * limbs::BASE + a0 * b0) % LOW_MODULUS;
}

uint64_t PowerLow(uint64_t base, uint64_t exponent)
{
    uint64_t result = 1 % LOW_MODULUS, square = base % LOW_MODULUS;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = MulLow(result, square);
        square = MulLow(square, square);
    }
    return result;
}

}  // namespace bignum
