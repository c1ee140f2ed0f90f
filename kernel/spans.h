// The primitives of natural numbers held as spans of 32-bit words, least
// significant first, in any radix of wordradix.h: comparison, sum,
// difference, the product and the quotient by one word, and the trimming of
// high zeros. Every module that does arithmetic on words (the products, the
// decimal limbs, the radix conversions, the fractions) does it with these.
// Inline, and templates over the radix, so that a radix known at compile
// time divides by a multiplication; the radix is taken by value, so that the
// words written cannot alias it and its reciprocal stays in registers.
#ifndef KALVORIX_KERNEL_SPANS_H
#define KALVORIX_KERNEL_SPANS_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "check.h"
#include "wordradix.h"

namespace words {

using Words = std::vector<uint32_t>;

// The length of x[0, n) without its high zero elements, but at least `least`.
template <typename T>
size_t Significant(const T* x, size_t n, size_t least = 0)
{
    while (n > least && x[n - 1] == 0)
        --n;
    return n;
}

// Removes high zero elements, but leaves at least `least` of them.
template <typename T>
void Trim(std::vector<T>& x, size_t least = 0)
{
    x.resize(Significant(x.data(), x.size(), least));
}

// Sign of x - y; high zero words count for nothing.
inline int Compare(const uint32_t* x, size_t nx, const uint32_t* y, size_t ny)
{
    for (size_t i = std::max(nx, ny); i-- > 0;) {
        const uint32_t a = i < nx ? x[i] : 0, b = i < ny ? y[i] : 0;
        if (a != b)
            return a < b ? -1 : 1;
    }
    return 0;
}

inline int Compare(const Words& x, const Words& y)
{
    return Compare(x.data(), x.size(), y.data(), y.size());
}

// r[0, nx) = x + y for nx >= ny; r may be x. Returns the carry out.
inline uint32_t Add(uint32_t* r, const uint32_t* x, size_t nx, const uint32_t* y, size_t ny, uint64_t radix)
{
    KERNEL_ASSERT(ny <= nx);
    KERNEL_ASSERT(check::SameOrApart(r, x, nx) && check::Apart(r, nx, y, ny));
    uint32_t carry = 0;
    for (size_t i = 0; i < nx; ++i) {
        const uint64_t s = uint64_t(x[i]) + (i < ny ? y[i] : 0) + carry;
        carry = s >= radix;
        r[i] = static_cast<uint32_t>(carry ? s - radix : s);
    }
    return carry;
}

// r[0, nr) += x[0, nx) for nx <= nr; returns the carry out of r's top word.
inline uint32_t AddInto(uint32_t* r, size_t nr, const uint32_t* x, size_t nx, uint64_t radix)
{
    KERNEL_ASSERT(nx <= nr);
    uint32_t carry = Add(r, r, nx, x, nx, radix);
    for (size_t i = nx; carry && i < nr; ++i) {
        const uint64_t s = uint64_t(r[i]) + carry;
        carry = s >= radix;
        r[i] = static_cast<uint32_t>(carry ? s - radix : s);
    }
    return carry;
}

// r[0, n) = x - y, both read as n words (missing high words are zeros), for
// nx, ny <= n; r may be x. Returns the borrow out: 1 when x < y.
inline uint32_t Sub(uint32_t* r, size_t n, const uint32_t* x, size_t nx, const uint32_t* y, size_t ny,
                    uint64_t radix)
{
    KERNEL_ASSERT(nx <= n && ny <= n);
    KERNEL_ASSERT((r == x || check::Apart(r, n, x, nx)) && check::Apart(r, n, y, ny));
    uint32_t borrow = 0;
    for (size_t i = 0; i < n; ++i) {
        const int64_t d = int64_t(i < nx ? x[i] : 0) - (i < ny ? y[i] : 0) - borrow;
        borrow = d < 0;
        r[i] = static_cast<uint32_t>(borrow ? d + int64_t(radix) : d);
    }
    return borrow;
}

// x[0, n) = x * m + carry, for a carry below the radix; returns the word
// carried out of the top: at most m, or carry itself when n is 0.
template <typename Radix>
uint32_t MulAdd(uint32_t* x, size_t n, uint32_t m, uint32_t carry, Radix radix)
{
    uint64_t c = carry;
    for (size_t i = 0; i < n; ++i)
        c = radix.Split(uint64_t(x[i]) * m + c, x[i]);
    return static_cast<uint32_t>(c);
}

// a = a * m + add, a word longer when the product carries out of its top.
template <typename Radix>
void MulAddTo(Words& a, uint32_t m, uint32_t add, const Radix& radix)
{
    const uint32_t carry = MulAdd(a.data(), a.size(), m, add, radix);
    KERNEL_ASSERT(carry < radix.Value());
    if (carry)
        a.push_back(carry);
}

// x[0, n) -= y[0, n) * m, for x and y apart; returns what is to be taken
// from the word above x: the top word of the product and the borrow.
template <typename Radix>
uint32_t SubMul(uint32_t* x, const uint32_t* y, size_t n, uint32_t m, Radix radix)
{
    KERNEL_ASSERT(check::Apart(x, n, y, n));
    uint64_t carry = 0;
    uint32_t borrow = 0;
    for (size_t i = 0; i < n; ++i) {
        uint32_t low;
        carry = radix.Split(uint64_t(y[i]) * m + carry, low);
        const int64_t d = int64_t(x[i]) - low - borrow;
        borrow = d < 0;
        x[i] = static_cast<uint32_t>(borrow ? d + int64_t(radix.Value()) : d);
    }
    return static_cast<uint32_t>(carry + borrow);
}

// quotient[0, n) = x[0, n) / d for d > 0, quotient being x itself, a span
// apart from it, or null when only the remainder is wanted; returns x mod d.
template <typename Radix>
uint32_t DivSmall(const uint32_t* x, size_t n, uint32_t d, uint32_t* quotient, Radix radix)
{
    KERNEL_ASSERT(d != 0);
    KERNEL_ASSERT(quotient == nullptr || check::SameOrApart(quotient, x, n));
    uint64_t rest = 0;
    for (size_t i = n; i-- > 0;) {
        const uint64_t t = rest * radix.Value() + x[i];
        if (quotient)
            quotient[i] = static_cast<uint32_t>(t / d);
        rest = t % d;
    }
    return static_cast<uint32_t>(rest);
}

}  // namespace words

#endif
