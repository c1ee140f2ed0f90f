// Products of natural numbers held as vectors of 32-bit words, least
// significant first, in a radix of 2^32 or below (see wordradix.h; the sums,
// differences and small products are in spans.h). Products are schoolbook for
// short numbers, Karatsuba's for longer ones and number-theoretic transforms
// (ntt.h) for long ones, so a product of n words costs O(n log n) at length.
#ifndef KALVORIX_KERNEL_WORDS_H
#define KALVORIX_KERNEL_WORDS_H

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "ntt.h"
#include "spans.h"
#include "wordradix.h"

namespace words {

// Below this many words in the shorter factor the schoolbook product is
// used, from it on Karatsuba's. Measured (core_bench Product/...): the two
// draw level at about 128 words, 6.5 microseconds either way.
constexpr size_t KARATSUBA_MIN = 128;
// From this many words in the shorter factor on, transforms. Measured: alone
// they overtake Karatsuba between 512 and 768 words, but in the radix
// conversions, where a power keeps its transforms, from about 400 (16->10 and
// 7->11 at a million digits 8% faster than with 600).
constexpr size_t NTT_MIN = 400;

// a += b * radix^offset.
void AddShifted(Words& a, const Words& b, size_t offset, const WordRadix& radix);

// a * b, trimmed; both factors' words below the radix.
Words Multiply(const Words& a, const Words& b, const WordRadix& radix);

// A number that many products share (a power, in the radix conversions):
// transformed once for each transform length it is used at, it is
// transformed no more in the products that follow, which saves a third of
// their transforms.
class Factor {
public:
    explicit Factor(Words value) : value_(std::move(value)) {}

    const Words& Value() const { return value_; }

    // a * this, trimmed.
    Words Times(const Words& a, const WordRadix& radix);

    // this * this, trimmed.
    Words Squared(const WordRadix& radix);

private:
    // The transforms for a product of `columns` columns, made if need be.
    const ntt::Spectrum& SpectrumFor(size_t columns);

    Words value_;
    std::vector<ntt::Spectrum> spectra_;
};

// result[0, na + nb) = a[0, na) * b[0, nb) by the schoolbook method, for
// tests and for the basecase; result must not overlap a or b.
void Schoolbook(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result, const WordRadix& radix);

}  // namespace words

#endif
