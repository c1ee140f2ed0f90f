#include "naturals.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "check.h"
#include "digitwords.h"
#include "spans.h"

namespace naturals {

namespace {

// The radix of binary words, and the value the spans' sums carry at.
const words::BinaryRadix BINARY;
const uint64_t TWO_TO_32 = uint64_t(1) << 32;

// The products of words.h, the one call into the products' file.
Natural WordsProduct(const Natural& a, const Natural& b)
{
    return words::Multiply(a, b, words::WordRadix::Binary());
}

// Leading zero bits of a non-zero word.
int LeadingZeros(uint32_t word)
{
    int zeros = 0;
    for (int half = 16; half > 0; half /= 2)
        if ((word >> (32 - half)) == 0) {
            zeros += half;
            word <<= half;
        }
    return zeros;
}

// u[0, n] -= q * v[0, n), by the spans' SubMul and the top word here; u
// keeps what is left modulo 2^(32 (n + 1)). True when it went below zero.
bool MultiplySubtract(uint32_t* u, const uint32_t* v, size_t n, uint32_t q)
{
    const uint32_t taken = words::SubMul(u, v, n, q, BINARY);
    const uint32_t top = u[n];
    u[n] = top - taken;
    return top < taken;
}

// u[0, n] += v[0, n), the carry out of u[n] dropped: it cancels the borrow
// of a subtraction that went below zero.
void AddBack(uint32_t* u, const uint32_t* v, size_t n)
{
    words::AddInto(u, n + 1, v, n, TWO_TO_32);
}

// a = ca a + cb b and b = cc a + cd b in one pass, for cofactors below 2^31
// in size whose rows have opposite signs, when both results are known to be
// non-negative and below a. Each row's products are taken as magnitudes and
// their difference carried as a signed number.
void ApplyCofactors(Natural& a, Natural& b, int64_t ca, int64_t cb, int64_t cc, int64_t cd)
{
    const size_t n = a.size();
    b.resize(n, 0);
    const uint64_t ma = static_cast<uint64_t>(ca < 0 ? -ca : ca), mb = static_cast<uint64_t>(cb < 0 ? -cb : cb);
    const uint64_t mc = static_cast<uint64_t>(cc < 0 ? -cc : cc), md = static_cast<uint64_t>(cd < 0 ? -cd : cd);
    // Which term of a row is the positive one.
    const int64_t signA = ca < 0 || (ca == 0 && cb > 0) ? -1 : 1;
    const int64_t signB = cc < 0 || (cc == 0 && cd > 0) ? -1 : 1;
    int64_t carryA = 0, carryB = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint64_t x = a[i], y = b[i];
        carryA += signA * (static_cast<int64_t>(ma * x) - static_cast<int64_t>(mb * y));
        carryB += signB * (static_cast<int64_t>(mc * x) - static_cast<int64_t>(md * y));
        a[i] = static_cast<uint32_t>(carryA);
        b[i] = static_cast<uint32_t>(carryB);
        carryA >>= 32;  // an arithmetic shift: the carry keeps its sign
        carryB >>= 32;
    }
    Trim(a);
    Trim(b);
}

// The 64 bits of x from bit `shift` upwards: x / 2^shift, cut to 64 bits.
uint64_t BitsFrom(const Natural& x, size_t shift)
{
    const size_t at = shift / 32;
    const int bit = static_cast<int>(shift % 32);
    auto word = [&x](size_t k) { return k < x.size() ? uint64_t(x[k]) : 0; };
    const uint64_t low = word(at) | (word(at + 1) << 32);
    return bit == 0 ? low : (low >> bit) | (word(at + 2) << (64 - bit));
}

// The inverse of an odd d modulo 2^32, by Newton's iteration: each step
// doubles the bits that are right, and d is its own inverse modulo 8.
uint32_t InverseOf(uint32_t d)
{
    uint32_t inverse = d;
    for (int k = 0; k < 4; ++k)
        inverse *= 2 - d * inverse;
    return inverse;
}

// quotient = x / d for an odd d when d divides x, from the low word up by
// multiplying with the inverse of d (Jebelean's exact division): what is
// borrowed past the top word is zero exactly when d divides x. False when
// it does not, quotient then holding anything.
bool DivideExactly(const Natural& x, uint32_t d, Natural& quotient)
{
    const uint32_t inverse = InverseOf(d);
    quotient.resize(x.size());
    uint32_t borrow = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const uint32_t word = x[i];
        const uint32_t t = word - borrow;
        const uint32_t q = t * inverse;  // q * d = t modulo 2^32
        quotient[i] = q;
        borrow = static_cast<uint32_t>((uint64_t(q) * d) >> 32) + (word < borrow);
    }
    Trim(quotient);
    return borrow == 0;
}

uint64_t WordGcd(uint64_t a, uint64_t b)
{
    while (b != 0) {
        const uint64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

}  // namespace

Natural FromWord(uint64_t v)
{
    Natural x;
    for (; v != 0; v >>= 32)
        x.push_back(static_cast<uint32_t>(v));
    return x;
}

void Trim(Natural& x)
{
    words::Trim(x);
}

int Compare(const Natural& a, const Natural& b)
{
    return words::Compare(a, b);
}

Natural Add(const Natural& a, const Natural& b)
{
    const Natural& longer = a.size() >= b.size() ? a : b;
    const Natural& shorter = a.size() >= b.size() ? b : a;
    Natural sum(longer.size() + 1);
    sum.back() = words::Add(sum.data(), longer.data(), longer.size(), shorter.data(), shorter.size(), TWO_TO_32);
    Trim(sum);
    return sum;
}

Natural Subtract(const Natural& a, const Natural& b)
{
    KERNEL_ASSERT(Compare(a, b) >= 0);
    Natural difference(a.size());
    words::Sub(difference.data(), a.size(), a.data(), a.size(), b.data(), b.size(), TWO_TO_32);
    Trim(difference);
    return difference;
}

Natural Multiply(const Natural& a, const Natural& b)
{
    if (a.empty() || b.empty())
        return Natural();
    return WordsProduct(a, b);
}

void MultiplyAdd(Natural& x, uint32_t m, uint32_t add)
{
    words::MulAddTo(x, m, add, BINARY);
    Trim(x);
}

// Two words at a time, by the reciprocal of d (wordradix.h): no 64-bit
// division, which a 32-bit build calls a library routine for (the spans'
// DivSmall divides by the machine's division, a word at a time).
uint32_t DivideSmall(Natural& x, uint32_t d)
{
    KERNEL_ASSERT(d != 0);
    if (d == 1 || x.empty())
        return 0;
    size_t i = x.size();
    uint32_t rest = 0;
    if (i % 2 != 0) {
        --i;
        rest = x[i] % d;
        x[i] /= d;
    }
    const words::WordRadix divisor(d);
    for (; i > 0; i -= 2) {
        const uint64_t q = divisor.Split(rest, (uint64_t(x[i - 1]) << 32) | x[i - 2], rest);
        x[i - 1] = static_cast<uint32_t>(q >> 32);
        x[i - 2] = static_cast<uint32_t>(q);
    }
    Trim(x);
    return rest;
}

uint32_t RemainderSmall(const Natural& x, uint32_t d)
{
    Natural copy = x;
    return DivideSmall(copy, d);
}

Natural ShiftLeft(const Natural& x, size_t bits)
{
    if (x.empty())
        return Natural();
    const size_t words = bits / 32;
    const int part = static_cast<int>(bits % 32);
    Natural r(x.size() + words + 1, 0);
    for (size_t i = 0; i < x.size(); ++i) {
        r[i + words] |= part == 0 ? x[i] : x[i] << part;
        if (part != 0)
            r[i + words + 1] = x[i] >> (32 - part);
    }
    Trim(r);
    return r;
}

Natural ShiftRight(const Natural& x, size_t bits)
{
    const size_t words = bits / 32;
    if (words >= x.size())
        return Natural();
    const int part = static_cast<int>(bits % 32);
    Natural r(x.size() - words);
    for (size_t i = 0; i < r.size(); ++i) {
        const uint32_t low = x[i + words];
        const uint32_t high = i + words + 1 < x.size() ? x[i + words + 1] : 0;
        r[i] = part == 0 ? low : (low >> part) | (high << (32 - part));
    }
    Trim(r);
    return r;
}

size_t BitLength(const Natural& x)
{
    return x.empty() ? 0 : x.size() * 32 - static_cast<size_t>(LeadingZeros(x.back()));
}

// The bits of the exponent from the top: square, then multiply by base where
// the bit is set.
Natural Power(uint32_t base, uint64_t exponent)
{
    Natural result = FromWord(1);
    for (int bit = 63; bit >= 0; --bit) {
        if (result.size() > 1 || result[0] > 1)
            result = Multiply(result, result);
        if ((exponent >> bit) & 1)
            MultiplyAdd(result, base, 0);
    }
    return result;
}

namespace {

// Long division with quotient words estimated from the top two words of the
// remainder (Knuth's algorithm D). Both operands are first shifted so that
// the divisor's top bit is set; the estimate is then at most two too large,
// and the test against the divisor's second word leaves it one too large in
// rare cases only, which adding the divisor back mends. Quadratic: for short
// divisors or short quotients, and for the leaves of the recursive division.
void SchoolbookDivMod(const Natural& a, const Natural& b, Natural& quotient, Natural& remainder)
{
    if (Compare(a, b) < 0) {
        quotient.clear();
        remainder = a;
        return;
    }
    if (b.size() == 1) {
        quotient = a;
        remainder = FromWord(DivideSmall(quotient, b[0]));
        return;
    }
    const int shift = LeadingZeros(b.back());
    const Natural v = ShiftLeft(b, static_cast<size_t>(shift));
    Natural u = ShiftLeft(a, static_cast<size_t>(shift));
    const size_t n = v.size();
    u.resize(a.size() + 1, 0);
    const size_t m = u.size() - n - 1;
    quotient.assign(m + 1, 0);
    const uint64_t top = v[n - 1], next = v[n - 2];
    for (size_t j = m + 1; j-- > 0;) {
        const uint64_t head = (uint64_t(u[j + n]) << 32) | u[j + n - 1];
        uint64_t q = head / top, rest = head % top;
        while (q > UINT32_MAX || q * next > ((rest << 32) | u[j + n - 2])) {
            --q;
            rest += top;
            if (rest > UINT32_MAX)
                break;
        }
        if (MultiplySubtract(&u[j], v.data(), n, static_cast<uint32_t>(q))) {
            --q;
            AddBack(&u[j], v.data(), n);
        }
        quotient[j] = static_cast<uint32_t>(q);
    }
    Trim(quotient);
    u.resize(n);
    Trim(u);
    remainder = ShiftRight(u, static_cast<size_t>(shift));
}

// Words [from, from + count) of x, as a number.
Natural Slice(const Natural& x, size_t from, size_t count)
{
    if (from >= x.size())
        return Natural();
    Natural part(x.begin() + static_cast<std::ptrdiff_t>(from),
                 x.begin() + static_cast<std::ptrdiff_t>(std::min(x.size(), from + count)));
    Trim(part);
    return part;
}

// x * 2^(32 words).
Natural WordsUp(const Natural& x, size_t words)
{
    if (x.empty())
        return Natural();
    Natural up(words, 0);
    up.insert(up.end(), x.begin(), x.end());
    return up;
}

void DivideThreeByTwo(const Natural& a, const Natural& b, size_t h, Natural& q, Natural& r);

// a / b for b of exactly n words, its top bit set, and a < b * 2^(32 n): the
// quotient fits n words. Two halves of the quotient, each a division of
// three half-blocks by two.
void DivideTwoByOne(const Natural& a, const Natural& b, size_t n, Natural& q, Natural& r)
{
    if (n % 2 != 0 || n < DIVIDE_RECURSIVE_MIN) {
        SchoolbookDivMod(a, b, q, r);
        return;
    }
    const size_t h = n / 2;
    Natural high, rest, low;
    DivideThreeByTwo(ShiftRight(a, 32 * h), b, h, high, rest);
    DivideThreeByTwo(Add(WordsUp(rest, h), Slice(a, 0, h)), b, h, low, r);
    q = Add(WordsUp(high, h), low);
}

// a / b for b of exactly 2h words, its top bit set, and a < b * 2^(32 h):
// the quotient found from the top half of b by DivideTwoByOne, then made
// right by the product with the low half, at most two too large.
void DivideThreeByTwo(const Natural& a, const Natural& b, size_t h, Natural& q, Natural& r)
{
    const Natural b1 = ShiftRight(b, 32 * h), b2 = Slice(b, 0, h);
    const Natural a12 = ShiftRight(a, 32 * h);
    Natural c;
    if (Compare(ShiftRight(a, 64 * h), b1) < 0) {
        DivideTwoByOne(a12, b1, h, q, c);
    } else {
        // The top half of a equals b1: the quotient 2^(32 h) - 1 is at most two too large.
        q.assign(h, UINT32_MAX);
        c = Add(Subtract(a12, WordsUp(b1, h)), b1);
    }
    const Natural product = Multiply(q, b2);
    Natural whole = Add(WordsUp(c, h), Slice(a, 0, h));
    while (Compare(whole, product) < 0) {
        q = Subtract(q, FromWord(1));
        whole = Add(whole, b);
    }
    r = Subtract(whole, product);
}

}  // namespace

// Burnikel and Ziegler's recursive division: the divisor is padded and
// shifted to n = j * 2^k words with its top bit set, the dividend cut into
// blocks of n words, and each pair of blocks divided by DivideTwoByOne,
// whose products are Karatsuba's or transforms. Short divisors and short
// quotients go by the schoolbook method.
void DivMod(const Natural& a, const Natural& b, Natural& quotient, Natural& remainder)
{
    KERNEL_ASSERT(!b.empty() && b.back() != 0);
    KERNEL_ASSERT(&quotient != &a && &quotient != &b && &remainder != &a && &remainder != &b && &quotient != &remainder);
    if (b.size() < DIVIDE_RECURSIVE_MIN || a.size() < b.size() + DIVIDE_RECURSIVE_MIN) {
        SchoolbookDivMod(a, b, quotient, remainder);
        return;
    }
    size_t k = 0;
    while ((b.size() >> k) >= DIVIDE_RECURSIVE_MIN)
        ++k;
    const size_t n = ((b.size() + (size_t(1) << k) - 1) >> k) << k;
    const size_t shift = (n - b.size()) * 32 + static_cast<size_t>(LeadingZeros(b.back()));
    const Natural divisor = ShiftLeft(b, shift);
    const Natural dividend = ShiftLeft(a, shift);
    // Blocks enough that the top one is below 2^(32 n - 1), so below the divisor.
    const size_t blocks = std::max<size_t>(2, BitLength(dividend) / (32 * n) + 1);
    quotient.assign((blocks - 1) * n, 0);
    Natural pair = Slice(dividend, (blocks - 2) * n, 2 * n);
    for (size_t i = blocks - 1; i-- > 0;) {
        Natural q, r;
        DivideTwoByOne(pair, divisor, n, q, r);
        std::copy(q.begin(), q.end(), quotient.begin() + static_cast<std::ptrdiff_t>(i * n));
        if (i == 0)
            remainder = ShiftRight(r, shift);
        else
            pair = Add(WordsUp(r, n), Slice(dividend, (i - 1) * n, n));
    }
    Trim(quotient);
}

// Lehmer's method: the quotients of Euclid's algorithm are found from the
// top 62 bits of both numbers as long as those bits decide them (Knuth's
// test with the cofactors), and their combined effect, a matrix of
// cofactors below 2^32, is applied to the long numbers in one pass. When the
// top bits decide no quotient, one long division step is taken instead.
Natural Gcd(Natural a, Natural b, size_t floorBits)
{
    Trim(a);
    Trim(b);
    if (Compare(a, b) < 0)
        std::swap(a, b);
    while (b.size() > 2) {
        // Every number of the sequence is a multiple of the divisor.
        if (BitLength(b) < floorBits)
            return Natural();
        const size_t shift = BitLength(a) - 62;
        int64_t x = static_cast<int64_t>(BitsFrom(a, shift)), y = static_cast<int64_t>(BitsFrom(b, shift));
        int64_t ca = 1, cb = 0, cc = 0, cd = 1;  // a' = ca a + cb b, b' = cc a + cd b
        // Quotients and cofactors kept below 2^31, so that no product overflows.
        const int64_t LIMIT = INT64_C(0x7FFFFFFF);
        for (;;) {
            if (y + cc <= 0 || y + cd <= 0)
                break;
            const int64_t q = (x + ca) / (y + cc);
            if (q != (x + cb) / (y + cd) || q > LIMIT)
                break;
            const int64_t nc = ca - q * cc, nd = cb - q * cd;
            if (nc > LIMIT || nc < -LIMIT || nd > LIMIT || nd < -LIMIT)
                break;
            ca = cc;
            cb = cd;
            cc = nc;
            cd = nd;
            const int64_t ny = x - q * y;
            x = y;
            y = ny;
        }
        if (cb == 0) {
            Natural q, r;
            DivMod(a, b, q, r);
            a = std::move(b);
            b = std::move(r);
            continue;
        }
        ApplyCofactors(a, b, ca, cb, cc, cd);
        if (Compare(a, b) < 0)
            std::swap(a, b);
    }
    if (b.empty())
        return BitLength(a) < floorBits ? Natural() : a;
    Natural q, r;
    DivMod(a, b, q, r);
    const uint64_t small = b.size() == 2 ? (uint64_t(b[1]) << 32) | b[0] : b[0];
    const uint64_t rest = r.empty() ? 0 : r.size() == 2 ? (uint64_t(r[1]) << 32) | r[0] : r[0];
    const Natural divisor = FromWord(WordGcd(small, rest));
    return BitLength(divisor) < floorBits ? Natural() : divisor;
}

// Factors 2 are the low zero bits, taken off by one shift. Other primes go by
// the largest power of p below 2^32 while it divides, then by halved powers,
// each pass an exact division that also tells whether it went.
uint64_t RemoveFactor(Natural& x, uint32_t p, uint64_t cap)
{
    KERNEL_ASSERT(p > 1);
    if (x.empty() || cap == 0)
        return 0;
    if (p == 2) {
        size_t zeros = 0;
        while (x[zeros / 32] == 0)
            zeros += 32;
        for (uint32_t low = x[zeros / 32]; !(low & 1); low >>= 1)
            ++zeros;
        const uint64_t count = std::min<uint64_t>(zeros, cap);
        x = ShiftRight(x, static_cast<size_t>(count));
        return count;
    }
    // p^0 to the largest power of p that fits a word: divisors of a step each.
    int chunk = words::LargestPower(static_cast<int>(p)).exponent;
    std::vector<uint32_t> powers(static_cast<size_t>(chunk) + 1, 1);
    for (size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * p;
    uint64_t count = 0;
    Natural quotient;
    while (chunk > 0 && count < cap) {
        const int use = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(chunk), cap - count));
        if (DivideExactly(x, powers[static_cast<size_t>(use)], quotient)) {
            x.swap(quotient);
            count += static_cast<uint64_t>(use);
        } else {
            chunk = use / 2;
        }
    }
    return count;
}

// The powers base^k below m are not 1, so the search starts past the
// largest of them that the bit length of m shows. Each step multiplies by
// base and takes off m as often as the top words say (as in DivMod), in the
// form shifted so that m's top bit is set.
uint64_t OrderUpTo(uint32_t base, const Natural& m, uint64_t most)
{
    KERNEL_ASSERT(base > 1 && !m.empty() && (m.size() > 1 || m[0] > 1));
    // base^k < 2^(bits of m - 1) <= m while k * (bits of base) < bits of m.
    uint64_t k = (BitLength(m) - 1) / BitLength(FromWord(base));
    if (k >= most)
        return 0;
    if (m.size() == 1) {
        uint64_t y = RemainderSmall(Power(base, k), m[0]);
        while (k < most) {
            ++k;
            y = y * base % m[0];
            if (y == 1)
                return k;
        }
        return 0;
    }
    const size_t shift = static_cast<size_t>(LeadingZeros(m.back()));
    const Natural v = ShiftLeft(m, shift);
    const Natural one = ShiftLeft(FromWord(1), shift);
    const size_t n = v.size();
    Natural y = ShiftLeft(Power(base, k), shift);
    y.resize(n + 1, 0);
    const uint64_t top = v[n - 1];
    while (k < most) {
        ++k;
        // y * base < base * m: the quotient is below base (16 at most), so
        // every product stays below 2^37. Estimated from the top words, it is
        // off by one now and then, which the checks after the pass mend.
        const uint64_t head = uint64_t(y[n - 1]) * base + ((uint64_t(y[n - 2]) * base) >> 32);
        const uint64_t q = head / top;
        int64_t carry = 0;
        for (size_t i = 0; i < n; ++i) {
            carry += static_cast<int64_t>(uint64_t(y[i]) * base) - static_cast<int64_t>(q * v[i]);
            y[i] = static_cast<uint32_t>(carry);
            carry >>= 32;
        }
        y[n] = static_cast<uint32_t>(carry);
        while (carry < 0) {
            AddBack(y.data(), v.data(), n);
            carry = static_cast<int32_t>(y[n]);
        }
        while (y[n] != 0 || !std::lexicographical_compare(y.rend() - static_cast<std::ptrdiff_t>(n), y.rend(),
                                                          v.rbegin(), v.rend())) {
            MultiplySubtract(y.data(), v.data(), n, 1);
        }
        if (std::equal(one.begin(), one.end(), y.begin())
            && std::all_of(y.begin() + static_cast<std::ptrdiff_t>(one.size()), y.end(), [](uint32_t w) { return w == 0; }))
            return k;
    }
    return 0;
}

}  // namespace naturals
