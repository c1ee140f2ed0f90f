// Products of long numbers by number-theoretic transforms: the words are
// convolved modulo three primes below 2^31 (each of the form c * 2^k + 1) and
// the exact column sums rebuilt by the Chinese remainder theorem, then carried
// in the numbers' radix. 32-bit arithmetic with 64-bit products only, so the
// same code serves 32-bit builds.
#ifndef KALVORIX_CALC_NTT_H
#define KALVORIX_CALC_NTT_H

#include <cstddef>
#include <cstdint>

#include "wordradix.h"

namespace ntt {

// The longest transform, 2^21 words, needs 48 MiB of working memory (six
// words per point); longer products are split before they come here.
constexpr int MAX_LOG_LENGTH = 21;
constexpr size_t MAX_LENGTH = size_t(1) << MAX_LOG_LENGTH;

// result[0, na + nb) = a[0, na) * b[0, nb), words below the radix, for
// na, nb >= 1 and na + nb <= MAX_LENGTH. With a == b and na == nb the number
// is squared, one transform fewer. result must not overlap a or b.
void Multiply(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
              const words::Radix& radix);

// One of the three primes p and a root of unity of order 2^orderLog modulo p.
struct Prime {
    uint32_t p;
    uint32_t root;
    int orderLog;
};

// index 0 to 2.
const Prime& PrimeAt(int index);

}  // namespace ntt

#endif
