// Products of long numbers by number-theoretic transforms: the words are
// convolved modulo three primes below 2^31 (each of the form c * 2^k + 1) and
// the exact column sums rebuilt by the Chinese remainder theorem, then carried
// in the numbers' radix. 32-bit arithmetic with 64-bit products only, so the
// same code serves 32-bit builds.
#ifndef KALVORIX_KERNEL_NTT_H
#define KALVORIX_KERNEL_NTT_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "wordradix.h"

namespace ntt {

// The longest transform, 2^21 points, needs 56 MiB of working memory (seven
// words per point); longer products are split before they come here.
constexpr int MAX_LOG_LENGTH = 21;
constexpr size_t MAX_LENGTH = size_t(1) << MAX_LOG_LENGTH;

// The transforms of one factor, kept for the products that share it: each
// product then transforms only its other factor.
class Spectrum {
public:
    // a[0, na) transformed at the length that a product of `columns` columns
    // needs (columns = na + nb - 1 for a product with nb words).
    Spectrum(const uint32_t* a, size_t na, size_t columns);

    // Whether the product of `columns` columns has this transform length.
    bool Serves(size_t columns) const;

    int Log() const { return log_; }

    // The transform modulo prime 0 to 2.
    const uint32_t* Values(int prime) const;

private:
    int log_;
    std::vector<uint32_t> values_;
};

// result[0, na + nb) = a[0, na) * b[0, nb), words below the radix, for
// na, nb >= 1 and na + nb <= MAX_LENGTH; result must not overlap a or b.
// With a == b and na == nb the number is squared, one transform fewer.
void Multiply(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
              const words::WordRadix& radix);

// The same with b's transforms given; spectrum.Serves(na + nb - 1) must hold.
void Multiply(const uint32_t* a, size_t na, const Spectrum& b, size_t nb, uint32_t* result, const words::WordRadix& radix);

// result[0, 2 nb) = b * b, from b's transforms; spectrum.Serves(2 nb - 1).
void Square(const Spectrum& b, size_t nb, uint32_t* result, const words::WordRadix& radix);

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
