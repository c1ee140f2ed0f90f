#include "words.h"

#include <algorithm>

#include "check.h"
#include "cpu.h"
#include "ntt.h"

namespace words {

namespace {

// r[0, n) = |x - y|, both read as n words; true when x < y.
bool AbsDifference(uint32_t* r, size_t n, const uint32_t* x, size_t nx, const uint32_t* y, size_t ny, uint64_t radix)
{
    const bool less = Compare(x, nx, y, ny) < 0;
    if (less)
        Sub(r, n, y, ny, x, nx, radix);
    else
        Sub(r, n, x, nx, y, ny, radix);
    return less;
}

void MultiplyBalanced(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, uint32_t* scratch,
                      const WordRadix& radix);

// Scratch words that MultiplyBalanced needs for n words.
size_t ScratchFor(size_t n)
{
    size_t total = 0;
    for (; n >= KARATSUBA_MIN; n -= n / 2)
        total += 6 * (n - n / 2) + 1;
    return total;
}

// With a = a1 * B^l + a0 and b = b1 * B^l + b0: a0 * b1 + a1 * b0 is
// z0 + z2 + (a0 - a1)(b1 - b0), three half-size products in all; the
// differences are taken as magnitudes and signs, so no product grows a word.
void Karatsuba(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, uint32_t* scratch, const WordRadix& radix)
{
    const uint64_t base = radix.Value();
    const bool square = a == b;
    const size_t l = n / 2, u = n - l;
    uint32_t* da = scratch;
    uint32_t* db = da + u;
    uint32_t* m = db + u;
    uint32_t* t = m + 2 * u;
    uint32_t* next = t + 2 * u + 1;

    // (a0 - a1)(b1 - b0) is negative when exactly one difference is; a
    // square's middle term (a0 - a1)(a1 - a0) is never positive.
    bool negative = AbsDifference(da, u, a, l, a + l, u, base);
    const uint32_t* dbUsed = da;
    if (square) {
        negative = true;
    } else {
        negative = negative != AbsDifference(db, u, b + l, u, b, l, base);
        dbUsed = db;
    }
    MultiplyBalanced(a, b, l, r, next, radix);
    MultiplyBalanced(a + l, b + l, u, r + 2 * l, next, radix);
    MultiplyBalanced(da, dbUsed, u, m, next, radix);

    std::copy(r, r + 2 * l, t);
    std::fill(t + 2 * l, t + 2 * u + 1, 0u);
    AddInto(t, 2 * u + 1, r + 2 * l, 2 * u, base);
    if (negative)
        Sub(t, 2 * u + 1, t, 2 * u + 1, m, 2 * u, base);
    else
        AddInto(t, 2 * u + 1, m, 2 * u, base);
    AddInto(r + l, 2 * n - l, t, 2 * u + 1, base);
}

void MultiplyBalanced(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, uint32_t* scratch,
                      const WordRadix& radix)
{
    if (n < KARATSUBA_MIN)
        Schoolbook(a, n, b, n, r, radix);
    else if (n >= NTT_MIN && 2 * n <= ntt::MAX_LENGTH)
        ntt::Multiply(a, n, b, n, r, radix);
    else
        Karatsuba(a, b, n, r, scratch, radix);
}

// Whether a product of na and nb words goes by transforms in one piece.
bool ByTransform(size_t na, size_t nb)
{
    return std::min(na, nb) >= NTT_MIN && na + nb <= ntt::MAX_LENGTH;
}

// r[0, na + nb) = a * b for na >= nb >= 1.
void MultiplySpans(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* r, const WordRadix& radix)
{
    if (nb < KARATSUBA_MIN) {
        Schoolbook(a, na, b, nb, r, radix);
        return;
    }
    if (ByTransform(na, nb)) {
        ntt::Multiply(a, na, b, nb, r, radix);
        return;
    }
    // Slices of a as long as b, each a balanced product.
    std::fill(r, r + na + nb, 0u);
    std::vector<uint32_t> scratch(ScratchFor(nb)), piece(2 * nb);
    size_t at = 0;
    for (; at + nb <= na; at += nb) {
        MultiplyBalanced(a + at, b, nb, piece.data(), scratch.data(), radix);
        AddInto(r + at, na + nb - at, piece.data(), 2 * nb, radix.Value());
    }
    if (at < na) {
        const size_t rest = na - at;
        MultiplySpans(b, nb, a + at, rest, piece.data(), radix);
        AddInto(r + at, na + nb - at, piece.data(), nb + rest, radix.Value());
    }
}

}  // namespace

void AddShifted(Words& a, const Words& b, size_t offset, const WordRadix& radix)
{
    if (b.empty())
        return;
    if (a.size() < offset + b.size())
        a.resize(offset + b.size(), 0);
    a.push_back(0);
    AddInto(a.data() + offset, a.size() - offset, b.data(), b.size(), radix.Value());
    Trim(a);
}

namespace {

// Column by column: the low and high halves of a column's products are summed
// apart (neither sum can overflow), then the column and the carry into it are
// split once by the radix.
KALVORIX_INLINE void SchoolbookBody(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
                                    const WordRadix& radix)
{
    uint64_t carry = 0;
    for (size_t c = 0; c + 1 < na + nb; ++c) {
        const size_t first = c < nb ? 0 : c - nb + 1;
        const size_t last = c < na ? c : na - 1;
        uint64_t low = 0, high = 0;
        for (size_t i = first; i <= last; ++i) {
            const uint64_t p = uint64_t(a[i]) * b[c - i];
            low += static_cast<uint32_t>(p);
            high += p >> 32;
        }
        uint64_t sum = low + carry;
        uint32_t top = sum < low;
        const uint64_t shifted = high << 32;
        sum += shifted;
        top += static_cast<uint32_t>(high >> 32) + (sum < shifted);
        carry = radix.Split(top, sum, result[c]);
    }
    result[na + nb - 1] = static_cast<uint32_t>(carry);
}


KALVORIX_CPU_COPIES(SchoolbookCopies, SchoolbookBody,
                    (const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
                     const WordRadix& radix),
                    (a, na, b, nb, result, radix))

}  // namespace

void Schoolbook(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result, const WordRadix& radix)
{
    KERNEL_ASSERT(na >= 1 && nb >= 1);
    KERNEL_ASSERT(check::Apart(result, na + nb, a, na) && check::Apart(result, na + nb, b, nb));
    SchoolbookCopies(a, na, b, nb, result, radix);
}

Words Multiply(const Words& a, const Words& b, const WordRadix& radix)
{
    if (a.empty() || b.empty())
        return Words();
    Words r(a.size() + b.size());
    if (a.size() >= b.size())
        MultiplySpans(a.data(), a.size(), b.data(), b.size(), r.data(), radix);
    else
        MultiplySpans(b.data(), b.size(), a.data(), a.size(), r.data(), radix);
    Trim(r);
    return r;
}

const ntt::Spectrum& Factor::SpectrumFor(size_t columns)
{
    for (const ntt::Spectrum& spectrum : spectra_)
        if (spectrum.Serves(columns))
            return spectrum;
    spectra_.emplace_back(value_.data(), value_.size(), columns);
    return spectra_.back();
}

Words Factor::Times(const Words& a, const WordRadix& radix)
{
    if (a.empty() || value_.empty() || !ByTransform(a.size(), value_.size()))
        return Multiply(a, value_, radix);
    Words r(a.size() + value_.size());
    ntt::Multiply(a.data(), a.size(), SpectrumFor(r.size() - 1), value_.size(), r.data(), radix);
    Trim(r);
    return r;
}

Words Factor::Squared(const WordRadix& radix)
{
    if (value_.empty() || !ByTransform(value_.size(), value_.size()))
        return Multiply(value_, value_, radix);
    Words r(2 * value_.size());
    ntt::Square(SpectrumFor(r.size() - 1), value_.size(), r.data(), radix);
    Trim(r);
    return r;
}

}  // namespace words
