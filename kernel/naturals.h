// Natural numbers in binary: vectors of 32-bit words in the radix 2^32 (the
// words of words.h), least significant first, without high zero words, so
// that zero is the empty vector. Besides the sums and products they have long
// division by a long divisor and the greatest common divisor, which exact
// common fractions need.
#ifndef KALVORIX_KERNEL_NATURALS_H
#define KALVORIX_KERNEL_NATURALS_H

#include <cstddef>
#include <cstdint>

#include "words.h"

namespace naturals {

using Natural = words::Words;

// The number v.
Natural FromWord(uint64_t v);

// Removes high zero words.
void Trim(Natural& x);

// Sign of a - b: -1, 0 or 1.
int Compare(const Natural& a, const Natural& b);

Natural Add(const Natural& a, const Natural& b);

// a - b for a >= b.
Natural Subtract(const Natural& a, const Natural& b);

// a * b, by the products of words.h (Karatsuba's and transforms for long factors).
Natural Multiply(const Natural& a, const Natural& b);

// x = x * m + add.
void MultiplyAdd(Natural& x, uint32_t m, uint32_t add);

// x = x / d in place for d > 0; returns x mod d.
uint32_t DivideSmall(Natural& x, uint32_t d);

// x mod d for d > 0, x untouched.
uint32_t RemainderSmall(const Natural& x, uint32_t d);

// x * 2^bits and x / 2^bits (cut).
Natural ShiftLeft(const Natural& x, size_t bits);
Natural ShiftRight(const Natural& x, size_t bits);

// Bits of x without its leading zeros; 0 for zero.
size_t BitLength(const Natural& x);

// base^exponent for base > 0, by squaring.
Natural Power(uint32_t base, uint64_t exponent);

// From this many words in the divisor and in the quotient on, long division
// is recursive. Measured (32-bit, 8192 by 4096 words and 4200 by 120): from
// 20 to 80 the times are level within the noise.
constexpr size_t DIVIDE_RECURSIVE_MIN = 60;

// quotient = a / b and remainder = a mod b for b not zero; quotient and
// remainder must not be a or b. Knuth's algorithm D for short operands,
// Burnikel and Ziegler's recursion on the fast products for long ones.
void DivMod(const Natural& a, const Natural& b, Natural& quotient, Natural& remainder);

// The greatest common divisor; gcd(0, b) = b. When it is below 2^floorBits,
// zero (the empty number) instead: the search stops as soon as that is sure,
// which saves most of the work for a caller with no use for a small divisor.
Natural Gcd(Natural a, Natural b, size_t floorBits = 0);

// Divides x by the prime p as often as it goes, at most cap times; returns
// how often it went. Zero is left as it is.
uint64_t RemoveFactor(Natural& x, uint32_t p, uint64_t cap);

// The least k from 1 to most with base^k = 1 modulo m, or 0 when there is
// none that small; m above 1 and prime to base (2 to 2^16).
uint64_t OrderUpTo(uint32_t base, const Natural& m, uint64_t most);

}  // namespace naturals

#endif
