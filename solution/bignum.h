// What the worked solution needs of natural numbers beyond kernel/limbs.h:
// the low digits of numbers too long to write out, modulo 10^18.
#ifndef KALVORIX_SOLUTION_BIGNUM_H
#define KALVORIX_SOLUTION_BIGNUM_H

#include <cstdint>

#include "limbs.h"

namespace bignum {

using limbs::Limbs;

// x mod 10^18, the low digits that a shortened text shows.
uint64_t LowDigits(const Limbs& x);

// (a * b) mod 10^18 for a, b below 10^18, without a 128-bit type (the
// Windows program is 32-bit).
uint64_t MulLow(uint64_t a, uint64_t b);

// base^exponent mod 10^18.
uint64_t PowerLow(uint64_t base, uint64_t exponent);

}  // namespace bignum

#endif
