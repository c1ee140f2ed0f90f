// Natural numbers in limbs of base 10^9, least significant first, without high
// zero limbs (zero is the empty vector): the words of spans.h in the radix
// 10^9. The digit vectors, the fractions and the worked solutions do their
// decimal work here: one limb carries nine decimal digits, so the schoolbook
// methods run about eighty times faster than on single digits, and moving
// between digits and limbs stays linear.
#ifndef KALVORIX_KERNEL_LIMBS_H
#define KALVORIX_KERNEL_LIMBS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "spans.h"
#include "words.h"

namespace limbs {

// Words of words.h in the radix BASE.
using Limbs = words::Words;

constexpr uint32_t BASE = 1000000000;
constexpr int BASE_DIGITS = 9;

// The radix for the primitives of spans.h and for the products of words.h.
using Radix = words::FixedRadix<BASE>;
constexpr words::WordRadix PRODUCT_RADIX(BASE);

// The number held by the digit elements [begin, end) (element begin is the
// units digit). Elements outside 0..9 come only from unvalidated text and are
// read as the nearest digit.
Limbs FromDigits(const std::vector<int>& digits, size_t begin, size_t end);
Limbs FromDigits(const std::vector<int>& digits);

// Trimmed digit vector of x ({0} for zero).
std::vector<int> ToDigits(const Limbs& x);

// The value of a text of decimal digits ("" is zero); other bytes count as 0.
Limbs FromDecimal(const std::string& digits);

// Decimal text without leading zeros, "0" for zero.
std::string ToDecimal(const Limbs& x);

// 10^n for n >= 0.
Limbs Pow10(int n);

// base^exponent, by squaring; base below BASE.
Limbs Power(uint32_t base, uint64_t exponent);

using words::Compare;
using words::Trim;

void AddTo(Limbs& a, const Limbs& b);

// a = a * m + add, for m and add below BASE.
void MulSmallAdd(Limbs& a, uint32_t m, uint32_t add);

// a = a / d in place for 0 < d < 2^32; returns a % d.
uint32_t DivSmall(Limbs& a, uint32_t d);

// x mod m for 0 < m < 2^32.
uint32_t Remainder(const Limbs& x, uint32_t m);

// Divides x by the prime p (below 32) as often as it goes, at most cap
// times; returns how often it went.
uint64_t RemoveFactor(Limbs& x, uint32_t p, uint64_t cap);

Limbs Mul(const Limbs& a, const Limbs& b);

// Quotient of a by b (b not zero); r receives the remainder.
Limbs DivMod(const Limbs& a, const Limbs& b, Limbs& r);

// Floor of the square root of a.
Limbs Isqrt(const Limbs& a);

}  // namespace limbs

#endif
