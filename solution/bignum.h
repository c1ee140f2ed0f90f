// What the worked solution needs of natural numbers beyond kernel/limbs.h:
// decimal texts, subtraction, powers, small remainders and the removal of a
// small prime factor. Numbers are limbs::Limbs (base 10^9, least significant
// first, no high zero limbs), so their decimal text costs one linear pass.
#ifndef KALVORIX_SOLUTION_BIGNUM_H
#define KALVORIX_SOLUTION_BIGNUM_H

#include <cstdint>
#include <string>

#include "limbs.h"

namespace bignum {

using limbs::Limbs;

// The value of a text of decimal digits ("" is zero); other bytes count as 0.
Limbs FromDecimal(const std::string& digits);

// Decimal text without leading zeros, "0" for zero.
std::string ToDecimal(const Limbs& x);

Limbs FromSmall(uint64_t value);

// a - b for a >= b.
Limbs Difference(const Limbs& a, const Limbs& b);

// x * x.
Limbs Square(const Limbs& x);

// base^exponent, by squaring.
Limbs Power(uint32_t base, uint64_t exponent);

// x mod m for 0 < m < 2^32.
uint32_t Remainder(const Limbs& x, uint32_t m);

// Divides x by the prime p (below 32) as often as it goes, at most cap
// times; returns how often it went.
uint64_t RemoveFactor(Limbs& x, uint32_t p, uint64_t cap);

// x mod 10^18, the low digits that a shortened text shows.
uint64_t LowDigits(const Limbs& x);

// (a * b) mod 10^18 for a, b below 10^18, without a 128-bit type (the
// Windows program is 32-bit).
uint64_t MulLow(uint64_t a, uint64_t b);

// base^exponent mod 10^18.
uint64_t PowerLow(uint64_t base, uint64_t exponent);

}  // namespace bignum

#endif
