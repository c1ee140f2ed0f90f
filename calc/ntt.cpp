#include "ntt.h"

#include <algorithm>
#include <vector>

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
    explicit Field(uint32_t p) : p_(p), negInverse_(NegInverse(p)), r2_(PowMod(static_cast<uint32_t>((uint64_t(1) << 32) % p), 2, p)) {}

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
void FillRoots(std::vector<uint32_t>& roots, size_t n, uint32_t root, const Field& f)
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
void InvertRoots(std::vector<uint32_t>& roots, size_t n, const Field& f)
{
    for (size_t len = 2; len < n; len *= 2)
        std::reverse(roots.begin() + static_cast<std::ptrdiff_t>(len + 1), roots.begin() + static_cast<std::ptrdiff_t>(2 * len));
    for (size_t i = 3; i < n; ++i)
        if (i & (i - 1))  // not the first of a run
            roots[i] = f.Negate(roots[i]);
}

// Decimation in frequency: natural order in, bit-reversed order out. The
// two last stages, whose runs are too short for the vector units, go apart;
// every first root of a run is 1.
void Forward(uint32_t* x, size_t n, const uint32_t* roots, const Field f)
{
    for (size_t len = n / 2; len >= 4; len /= 2) {
        const uint32_t* __restrict__ w = roots + len;
        for (size_t start = 0; start < n; start += 2 * len) {
            uint32_t* __restrict__ lo = x + start;
            uint32_t* __restrict__ hi = lo + len;
            for (size_t j = 0; j < len; ++j) {
                const uint32_t u = lo[j], v = hi[j];
                lo[j] = f.Add(u, v);
                hi[j] = f.Mul(f.Sub(u, v), w[j]);
            }
        }
    }
    if (n >= 4) {
        const uint32_t quarter = roots[3];
        for (size_t start = 0; start < n; start += 4) {
            uint32_t* q = x + start;
            const uint32_t u0 = q[0], u1 = q[1], v0 = q[2], v1 = q[3];
            q[0] = f.Add(u0, v0);
            q[2] = f.Sub(u0, v0);
            q[1] = f.Add(u1, v1);
            q[3] = f.Mul(f.Sub(u1, v1), quarter);
        }
    }
    for (size_t start = 0; n >= 2 && start < n; start += 2) {
        const uint32_t u = x[start], v = x[start + 1];
        x[start] = f.Add(u, v);
        x[start + 1] = f.Sub(u, v);
    }
}

// Decimation in time with the inverse roots: bit-reversed order in, natural
// order out, every value n times too large.
void Inverse(uint32_t* x, size_t n, const uint32_t* roots, const Field f)
{
    for (size_t start = 0; n >= 2 && start < n; start += 2) {
        const uint32_t u = x[start], v = x[start + 1];
        x[start] = f.Add(u, v);
        x[start + 1] = f.Sub(u, v);
    }
    if (n >= 4) {
        const uint32_t quarter = roots[3];
        for (size_t start = 0; start < n; start += 4) {
            uint32_t* q = x + start;
            const uint32_t u0 = q[0], u1 = q[1], v0 = q[2], v1 = f.Mul(q[3], quarter);
            q[0] = f.Add(u0, v0);
            q[2] = f.Sub(u0, v0);
            q[1] = f.Add(u1, v1);
            q[3] = f.Sub(u1, v1);
        }
    }
    for (size_t len = 4; len < n; len *= 2) {
        const uint32_t* __restrict__ w = roots + len;
        for (size_t start = 0; start < n; start += 2 * len) {
            uint32_t* __restrict__ lo = x + start;
            uint32_t* __restrict__ hi = lo + len;
            for (size_t j = 0; j < len; ++j) {
                const uint32_t u = lo[j], v = f.Mul(hi[j], w[j]);
                lo[j] = f.Add(u, v);
                hi[j] = f.Sub(u, v);
            }
        }
    }
}

void Load(uint32_t* x, size_t n, const uint32_t* a, size_t na, const Field& f)
{
    for (size_t i = 0; i < na; ++i)
        x[i] = f.FromWord(a[i]);
    for (size_t i = na; i < n; ++i)
        x[i] = 0;
}

// The cyclic convolution of a and b modulo prime, in x (n points).
void Convolve(uint32_t* x, size_t n, const uint32_t* a, size_t na, const uint32_t* b, size_t nb, const Prime& prime,
              std::vector<uint32_t>& roots, std::vector<uint32_t>& other)
{
    const Field f(prime.p);
    int log = 0;
    while ((size_t(1) << log) < n)
        ++log;
    const uint32_t root = PowMod(prime.root, uint64_t(1) << (prime.orderLog - log), prime.p);
    const bool square = a == b && na == nb;
    FillRoots(roots, n, root, f);
    Load(x, n, a, na, f);
    Forward(x, n, roots.data(), f);
    const uint32_t* y = x;
    if (!square) {
        other.resize(n);
        Load(other.data(), n, b, nb, f);
        Forward(other.data(), n, roots.data(), f);
        y = other.data();
    }
    // Mul(Mul(x, y), R^2 / n) = x * y / n.
    const uint32_t scale = f.ToMontgomery(f.ToMontgomery(PowMod(static_cast<uint32_t>(n % prime.p), prime.p - 2, prime.p)));
    for (size_t i = 0; i < n; ++i)
        x[i] = f.Mul(f.Mul(x[i], y[i]), scale);
    InvertRoots(roots, n, f);
    Inverse(x, n, roots.data(), f);
}

// The column sum whose residues are r[0..2], as high * 2^64 + low, by
// Garner's mixed-radix form x = r0 + p0 * t1 + p0 * p1 * t2.
class Rebuild {
public:
    Rebuild()
        : f1_(PRIMES[1].p), f2_(PRIMES[2].p),
          inverse01_(f1_.ToMontgomery(PowMod(PRIMES[0].p % PRIMES[1].p, PRIMES[1].p - 2, PRIMES[1].p))),
          p0In2_(f2_.ToMontgomery(PRIMES[0].p % PRIMES[2].p)),
          inverse012_(f2_.ToMontgomery(PowMod(static_cast<uint32_t>(uint64_t(PRIMES[0].p) * PRIMES[1].p % PRIMES[2].p),
                                              PRIMES[2].p - 2, PRIMES[2].p)))
    {
    }

    void operator()(uint32_t r0, uint32_t r1, uint32_t r2, uint32_t& high, uint64_t& low) const
    {
        const uint32_t p0 = PRIMES[0].p, p1 = PRIMES[1].p, p2 = PRIMES[2].p;
        const uint32_t t1 = f1_.Mul(f1_.Sub(r1, r0 >= p1 ? r0 - p1 : r0), inverse01_);
        const uint32_t known = f2_.Add(r0 >= p2 ? r0 - p2 : r0, f2_.Mul(t1, p0In2_));
        const uint32_t t2 = f2_.Mul(f2_.Sub(r2, known), inverse012_);
        const uint64_t p01 = uint64_t(p0) * p1;
        low = r0 + uint64_t(p0) * t1;
        const uint64_t part = (p01 & 0xFFFFFFFFu) * t2;
        low += part;
        high = low < part;
        const uint64_t upper = (p01 >> 32) * t2;
        const uint64_t shifted = upper << 32;
        low += shifted;
        high += static_cast<uint32_t>(upper >> 32) + (low < shifted);
    }

private:
    Field f1_, f2_;
    uint32_t inverse01_;   // p0^-1 mod p1, times R
    uint32_t p0In2_;       // p0 mod p2, times R
    uint32_t inverse012_;  // (p0 * p1)^-1 mod p2, times R
};

}  // namespace

void Multiply(const uint32_t* a, size_t na, const uint32_t* b, size_t nb, uint32_t* result,
              const words::Radix& radix)
{
    const size_t columns = na + nb - 1;
    size_t n = 1;
    while (n < columns)
        n *= 2;
    std::vector<uint32_t> residues(3 * n), roots, other;
    for (int k = 0; k < 3; ++k)
        Convolve(residues.data() + k * n, n, a, na, b, nb, PRIMES[k], roots, other);
    const Rebuild rebuild;
    uint64_t carry = 0;
    for (size_t i = 0; i < columns; ++i) {
        uint32_t high;
        uint64_t low;
        rebuild(residues[i], residues[n + i], residues[2 * n + i], high, low);
        low += carry;
        high += low < carry;
        carry = radix.Split(high, low, result[i]);
    }
    result[columns] = static_cast<uint32_t>(carry);
}

const Prime& PrimeAt(int index)
{
    return PRIMES[index];
}

}  // namespace ntt
