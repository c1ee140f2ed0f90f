#include "ntt.h"

#include <algorithm>
#include <vector>

#include "check.h"
#include "cpu.h"

namespace ntt {

namespace {

constexpr uint32_t PowMod(uint32_t base, uint64_t exponent, uint32_t p)
{
    uint64_t result = 1, b = base % p;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = result * b % p;
        b = b * b % p;
    }
    return static_cast<uint32_t>(result);
}

// A root of order exactly 2^k: x^((p - 1) / 2^k) for a quadratic non-residue
// x, whose power x^((p - 1) / 2) is -1.
constexpr Prime MakePrime(uint32_t p, int k)
{
    uint32_t x = 2;
    while (PowMod(x, (p - 1) / 2, p) != p - 1)
        ++x;
    return Prime{p, PowMod(x, (p - 1) >> k, p), k};
}

// 63 * 2^25 + 1, 15 * 2^27 + 1, 27 * 2^26 + 1: their product exceeds 2^92,
// and a column sum of 2^21 products of two words stays below 2^85.
constexpr Prime PRIMES[3] = {MakePrime(2113929217u, 25), MakePrime(2013265921u, 27), MakePrime(1811939329u, 26)};
static_assert(MAX_LOG_LENGTH <= 25, "the primes allow transforms of 2^25 points at most");

// Arithmetic modulo p < 2^31 in Montgomery's form with R = 2^32: Mul(a, b)
// gives a * b / R, so a factor kept as b * R multiplies plainly.
class Field {
public:
    explicit Field(uint32_t p)
        : p_(p), negInverse_(NegInverse(p)), r2_(PowMod(static_cast<uint32_t>((uint64_t(1) << 32) % p), 2, p))
    {
    }

    uint32_t P() const { return p_; }

    // t < p * 2^32.
    uint32_t Reduce(uint64_t t) const
    {
        const uint32_t m = static_cast<uint32_t>(t) * negInverse_;
        return Lower(static_cast<uint32_t>((t + uint64_t(m) * p_) >> 32));
    }
    uint32_t Mul(uint32_t a, uint32_t b) const { return Reduce(uint64_t(a) * b); }
    uint32_t ToMontgomery(uint32_t a) const { return Mul(a, r2_); }
    uint32_t Add(uint32_t a, uint32_t b) const { return Lower(a + b); }
    uint32_t Sub(uint32_t a, uint32_t b) const { return Fold(a - b); }
    uint32_t Negate(uint32_t a) const { return Sub(0, a); }
    // Any 32-bit word, reduced: p > 2^30.5 leaves at most two multiples.
    uint32_t FromWord(uint32_t w) const
    {
        const uint32_t twice = 2 * p_;
        return Lower(w - (twice & (0u - static_cast<uint32_t>(w >= twice))));
    }

private:
    // Without branches, which random residues would mispredict half the time
    // (and which keep the loops from the vector units): d is a difference
    // in (-p, p) held modulo 2^32, r a value below 2p; p < 2^31 makes the top
    // bit the sign.
    uint32_t Fold(uint32_t d) const { return d + (p_ & (0u - (d >> 31))); }
    uint32_t Lower(uint32_t r) const { return Fold(r - p_); }

    static uint32_t NegInverse(uint32_t p)
    {
        uint32_t inverse = p;  // right in 3 bits; each step doubles them
        for (int k = 0; k < 4; ++k)
            inverse *= 2 - p * inverse;
        return 0u - inverse;
    }

    uint32_t p_;
    uint32_t negInverse_;
    uint32_t r2_;  // R^2 mod p
};

// roots[len + j] = w^j * R for j < len, w of order 2 * len, for len = 1, 2,
// 4, ... n / 2: every stage of a transform of n points reads its own run.
// root has order n. Each run is built from the one before (w^2j is the
// smaller run's w'^j), so its products do not wait on one another.
KALVORIX_INLINE void FillRoots(std::vector<uint32_t>& roots, size_t n, uint32_t root, const Field& f)
{
    roots.resize(n);
    if (n < 2)
        return;
    std::vector<uint32_t> powers;  // root^(2^k) times R, of order n / 2^k
    for (uint32_t w = root; (size_t(1) << powers.size()) < n; w = f.Mul(f.ToMontgomery(w), w))
        powers.push_back(f.ToMontgomery(w));
    roots[1] = f.ToMontgomery(1);
    size_t k = powers.size() - 1;  // order 2, the run of len 1
    for (size_t len = 2; len < n; len *= 2) {
        const uint32_t w = powers[--k];
        for (size_t j = 0; j < len / 2; ++j) {
            roots[len + 2 * j] = roots[len / 2 + j];
            roots[len + 2 * j + 1] = f.Mul(roots[len / 2 + j], w);
        }
    }
}

// The runs of FillRoots for the inverse roots: w^-j = -w^(len - j), as w^len = -1.
KALVORIX_INLINE void InvertRoots(std::vector<uint32_t>& roots, size_t n, const Field& f)
{
    for (size_t len = 2; len < n; len *= 2)
        std::reverse(roots.begin() + static_cast<std::ptrdiff_t>(len + 1), roots.begin() + static_cast<std::ptrdiff_t>(2 * len));
    for (size_t i = 3; i < n; ++i)
        if (i & (i - 1))  // not the first of a run
            roots[i] = f.Negate(roots[i]);
}

// One stage's butterflies on one run: the parameters are restrict-qualified
// so that the compiler may take the loop to the vector units.
KALVORIX_INLINE void ForwardRun(uint32_t* __restrict__ lo, uint32_t* __restrict__ hi, const uint32_t* __restrict__ w,
                                size_t len, const Field f)
{
    for (size_t j = 0; j < len; ++j) {
        const uint32_t u = lo[j], v = hi[j];
        lo[j] = f.Add(u, v);
        hi[j] = f.Mul(f.Sub(u, v), w[j]);
    }
}

KALVORIX_INLINE void InverseRun(uint32_t* __restrict__ lo, uint32_t* __restrict__ hi, const uint32_t* __restrict__ w,
                                size_t len, const Field f)
{
    for (size_t j = 0; j < len; ++j) {
        const uint32_t u = lo[j], v = f.Mul(hi[j], w[j]);
        lo[j] = f.Add(u, v);
        hi[j] = f.Sub(u, v);
    }
}

// A transform of two points, forward and inverse alike.
KALVORIX_INLINE void TwoPoints(uint32_t* x, const Field& f)
{
    const uint32_t u = x[0], v = x[1];
    x[0] = f.Add(u, v);
    x[1] = f.Sub(u, v);
}

// The forward transform's two last stages on four points: (x0, x2) and
// (x1, x3), the second pair times the root of order 4, then (x0, x1) and
// (x2, x3). With x1 and x2 exchanged it is the inverse's two first stages.
KALVORIX_INLINE void FourPoints(uint32_t& x0, uint32_t& x1, uint32_t& x2, uint32_t& x3, uint32_t quarter, const Field& f)
{
    const uint32_t ac = f.Add(x0, x2), acw = f.Sub(x0, x2);
    const uint32_t bd = f.Add(x1, x3), bdw = f.Mul(f.Sub(x1, x3), quarter);
    x0 = f.Add(ac, bd);
    x1 = f.Sub(ac, bd);
    x2 = f.Add(acw, bdw);
    x3 = f.Sub(acw, bdw);
}

// Decimation in frequency: natural order in, bit-reversed order out. The two
// last stages, whose runs are too short for the vector units, go together.
KALVORIX_INLINE void Forward(uint32_t* x, size_t n, const uint32_t* roots, const Field f)
{
    for (size_t len = n / 2; len >= 4; len /= 2)
        for (size_t start = 0; start < n; start += 2 * len)
            ForwardRun(x + start, x + start + len, roots + len, len, f);
    if (n >= 4) {
        for (size_t start = 0; start < n; start += 4)
            FourPoints(x[start], x[start + 1], x[start + 2], x[start + 3], roots[3], f);
    } else if (n == 2) {
        TwoPoints(x, f);
    }
}

// Decimation in time with the inverse roots: bit-reversed order in, natural
// order out, every value n times too large. Forward's stages backwards.
KALVORIX_INLINE void Inverse(uint32_t* x, size_t n, const uint32_t* roots, const Field f)
{
    if (n >= 4) {
        for (size_t start = 0; start < n; start += 4)
            FourPoints(x[start], x[start + 2], x[start + 1], x[start + 3], roots[3], f);
    } else if (n == 2) {
        TwoPoints(x, f);
    }
    for (size_t len = 4; len < n; len *= 2)
        for (size_t start = 0; start < n; start += 2 * len)
            InverseRun(x + start, x + start + len, roots + len, len, f);
}

KALVORIX_INLINE void Load(uint32_t* x, size_t n, const uint32_t* a, size_t na, const Field& f)
{
    for (size_t i = 0; i < na; ++i)
        x[i] = f.FromWord(a[i]);
    for (size_t i = na; i < n; ++i)
        x[i] = 0;
}

int LogOf(size_t n)
{
    int log = 0;
    while ((size_t(1) << log) < n)
        ++log;
    return log;
}

// The root of order n = 2^log modulo prime.
uint32_t RootFor(const Prime& prime, int log)
{
    return PowMod(prime.root, uint64_t(1) << (prime.orderLog - log), prime.p);
}

// The residues of the column sums from Garner's mixed-radix form
// x = r0 + p0 * t1 + p0 * p1 * t2: first t1 and t2 for every column, in place
// of r1 and r2 (a loop of residue arithmetic, for the vector units), then
// each x carried in the radix.
KALVORIX_INLINE void Rebuild(uint32_t* r0, uint32_t* r1, uint32_t* r2, size_t columns, uint32_t* result, const words::WordRadix& radix)
{
    const uint32_t p0 = PRIMES[0].p, p1 = PRIMES[1].p, p2 = PRIMES[2].p;
    const Field f1(p1), f2(p2);
    const uint32_t inverse01 = f1.ToMontgomery(PowMod(p0 % p1, p1 - 2, p1));  // p0^-1 mod p1, times R
    const uint32_t p0In2 = f2.ToMontgomery(p0 % p2);                            // p0 mod p2, times R
    const uint32_t inverse012 = f2.ToMontgomery(PowMod(static_cast<uint32_t>(uint64_t(p0) * p1 % p2), p2 - 2, p2));
    for (size_t i = 0; i < columns; ++i) {
        const uint32_t t1 = f1.Mul(f1.Sub(r1[i], f1.FromWord(r0[i])), inverse01);
        const uint32_t known = f2.Add(f2.FromWord(r0[i]), f2.Mul(t1, p0In2));
        r1[i] = t1;
        r2[i] = f2.Mul(f2.Sub(r2[i], known), inverse012);
    }
    const uint64_t p01 = uint64_t(p0) * p1;
    const uint64_t p01Low = p01 & 0xFFFFFFFFu, p01High = p01 >> 32;
    uint64_t carry = 0;
    for (size_t i = 0; i < columns; ++i) {
        uint64_t low = r0[i] + uint64_t(p0) * r1[i] + carry;  // below 2^62 + 2^59
        const uint64_t part = p01Low * r2[i];
        low += part;
        uint32_t high = low < part;
        const uint64_t upper = p01High * r2[i];
        const uint64_t shifted = upper << 32;
        low += shifted;
        high += static_cast<uint32_t>(upper >> 32) + (low < shifted);
        carry = radix.Split(high, low, result[i]);
    }
    result[columns] = static_cast<uint32_t>(carry);
}

// Mul(Mul(x, y), R^2 / n) = x * y / n, which the inverse transform's factor n
// turns into x * y.
KALVORIX_INLINE void MultiplyPoints(uint32_t* x, const uint32_t* y, size_t n, const Field& f)
{
    const uint32_t p = f.P();
    const uint32_t scale = f.ToMontgomery(f.ToMontgomery(PowMod(static_cast<uint32_t>(n % p), p - 2, p)));
    for (size_t i = 0; i < n; ++i)
        x[i] = f.Mul(f.Mul(x[i], y[i]), scale);
}

// values = the three transforms of a, 2^log points each.
KALVORIX_INLINE void TransformFactorBody(uint32_t* values, int log, const uint32_t* a, size_t na)
{
    const size_t n = size_t(1) << log;
    std::vector<uint32_t> roots;
    for (int k = 0; k < 3; ++k) {
        const Field f(PRIMES[k].p);
        FillRoots(roots, n, RootFor(PRIMES[k], log), f);
        Load(values + k * n, n, a, na, f);
        Forward(values + k * n, n, roots.data(), f);
    }
}

KALVORIX_CPU_COPIES(TransformFactor, TransformFactorBody, (uint32_t* values, int log, const uint32_t* a, size_t na),
                    (values, log, a, na))

}  // namespace

Spectrum::Spectrum(const uint32_t* a, size_t na, size_t columns) : log_(LogOf(columns))
{
    values_.resize(size_t(3) << log_);
    TransformFactor(values_.data(), log_, a, na);
}

bool Spectrum::Serves(size_t columns) const
{
    return LogOf(columns) == log_;
}

const uint32_t* Spectrum::Values(int prime) const
{
    return values_.data() + (static_cast<size_t>(prime) << log_);
}

namespace {

// x = the product's transforms: of a times b's, or b's squared when a is null.
KALVORIX_INLINE void ProductBody(const uint32_t* a, size_t na, const Spectrum& b, size_t nb, uint32_t* result,
                                 const words::WordRadix& radix)
{
    const int log = b.Log();
    const size_t n = size_t(1) << log;
    std::vector<uint32_t> residues(3 * n), roots;
    for (int k = 0; k < 3; ++k) {
        const Field f(PRIMES[k].p);
        uint32_t* x = residues.data() + k * n;
        const uint32_t* y = b.Values(k);
        FillRoots(roots, n, RootFor(PRIMES[k], log), f);
        if (a) {
            Load(x, n, a, na, f);
            Forward(x, n, roots.data(), f);
        } else {
            std::copy(y, y + n, x);
        }
        MultiplyPoints(x, y, n, f);
        InvertRoots(roots, n, f);
        Inverse(x, n, roots.data(), f);
    }
    Rebuild(residues.data(), residues.data() + n, residues.data() + 2 * n, (a ? na : nb) + nb - 1, result, radix);
}

KALVORIX_CPU_COPIES(Product, ProductBody,
                    (const uint32_t* a, size_t na, const Spectrum& b, size_t nb, uint32_t* result,
                     const words::WordRadix& radix),
                    (a, na, b, nb, result, radix))

}  // namespace

void Multiply(const uint32_t* a, size_t na, const Spectrum& b, size_t nb, uint32_t* result, const words::WordRadix& radix)
{
    KERNEL_ASSERT(na >= 1 && nb >= 1 && b.Serves(na + nb - 1));
    KERNEL_ASSERT(check::Apart(result, na + nb, a, na));
    Product(a, na, b, nb, result, radix);
}

void Square(const Spectrum& b, size_t nb, uint32_t* result, const words::WordRadix& radix)
{
    KERNEL_ASSERT(nb >= 1 && b.Serves(2 * nb - 1));
    Product(nullptr, 0, b, nb, result, radix);
}

void Multiply(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
              const words::WordRadix& radix)
{
    KERNEL_ASSERT(na >= 1 && nb >= 1 && na + nb <= MAX_LENGTH);
    KERNEL_ASSERT(check::Apart(result, na + nb, a, na) && check::Apart(result, na + nb, b, nb));
    const Spectrum spectrum(b, nb, na + nb - 1);
    if (a == b && na == nb)
        Square(spectrum, nb, result, radix);
    else
        Multiply(a, na, spectrum, nb, result, radix);
}

const Prime& PrimeAt(int index)
{
    return PRIMES[index];
}

}  // namespace ntt
