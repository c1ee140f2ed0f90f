#include "limbs.h"

#include <algorithm>

#include "check.h"
#include "digitwords.h"

namespace limbs {

namespace {

const uint32_t POW10[BASE_DIGITS + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
};

uint32_t ClampDigit(int d)
{
    return d < 0 ? 0u : d > 9 ? 9u : static_cast<uint32_t>(d);
}

// How many decimal digits a non-zero x has.
size_t DecimalLength(const Limbs& x)
{
    size_t count = (x.size() - 1) * BASE_DIGITS;
    for (uint32_t top = x.back(); top != 0; top /= 10)
        ++count;
    return count;
}

uint64_t SmallPower(uint32_t p, int exponent)
{
    uint64_t value = 1;
    for (int k = 0; k < exponent; ++k)
        value *= p;
    return value;
}

}  // namespace

Limbs FromDigits(const std::vector<int>& digits, size_t begin, size_t end)
{
    end = std::min(end, digits.size());
    if (begin >= end)
        return Limbs();
    Limbs x = words::PackDigits(end - begin, 10, BASE_DIGITS, false,
                                [&digits, end](size_t i) { return ClampDigit(digits[end - 1 - i]); });
    Trim(x);
    return x;
}

Limbs FromDigits(const std::vector<int>& digits)
{
    return FromDigits(digits, 0, digits.size());
}

std::vector<int> ToDigits(const Limbs& x)
{
    std::vector<int> digits;
    digits.reserve(x.size() * BASE_DIGITS + 1);
    for (uint32_t limb : x)
        words::UnpackWord(limb, 10, BASE_DIGITS, [&digits](int, int digit) { digits.push_back(digit); });
    Trim(digits, 1);
    if (digits.empty())
        digits.push_back(0);
    return digits;
}

Limbs FromDecimal(const std::string& digits)
{
    Limbs x = words::PackDigits(digits.size(), 10, BASE_DIGITS, false, [&digits](size_t i) {
        const char ch = digits[i];
        return ch >= '0' && ch <= '9' ? ch - '0' : 0;
    });
    Trim(x);
    return x;
}

std::string ToDecimal(const Limbs& x)
{
    const std::vector<int> digits = ToDigits(x);
    std::string text(digits.size(), '0');
    for (size_t k = 0; k < digits.size(); ++k)
        text[digits.size() - 1 - k] = static_cast<char>('0' + digits[k]);
    return text;
}

Limbs Pow10(int n)
{
    KERNEL_ASSERT(n >= 0);
    Limbs x(static_cast<size_t>(n / BASE_DIGITS), 0);
    x.push_back(POW10[n % BASE_DIGITS]);
    return x;
}

// The bits of the exponent from the top: square, then multiply by base where
// the bit is set.
Limbs Power(uint32_t base, uint64_t exponent)
{
    Limbs result{1};
    for (int bit = 63; bit >= 0; --bit) {
        if (result.size() > 1 || result[0] > 1)
            result = Mul(result, result);
        if ((exponent >> bit) & 1)
            MulSmallAdd(result, base, 0);
    }
    Trim(result);
    return result;
}

void AddTo(Limbs& a, const Limbs& b)
{
    words::AddShifted(a, b, 0, PRODUCT_RADIX);
}

void MulSmallAdd(Limbs& a, uint32_t m, uint32_t add)
{
    KERNEL_ASSERT(m < BASE && add < BASE);
    words::MulAddTo(a, m, add, Radix());
    Trim(a);
}

uint32_t DivSmall(Limbs& a, uint32_t d)
{
    const uint32_t rest = words::DivSmall(a.data(), a.size(), d, a.data(), Radix());
    Trim(a);
    return rest;
}

uint32_t Remainder(const Limbs& x, uint32_t m)
{
    return words::DivSmall(x.data(), x.size(), m, nullptr, Radix());
}

// Divides by the largest power of p that a limb division takes while it goes,
// then by halved powers, so a long run of factors costs few passes.
uint64_t RemoveFactor(Limbs& x, uint32_t p, uint64_t cap)
{
    if (x.empty() || cap == 0 || Remainder(x, p) != 0)
        return 0;
    int chunk = 0;
    while (SmallPower(p, chunk + 1) < BASE)
        ++chunk;
    uint64_t count = 0;
    while (chunk > 0 && count < cap) {
        const int use = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(chunk), cap - count));
        const uint32_t divisor = static_cast<uint32_t>(SmallPower(p, use));
        if (Remainder(x, divisor) == 0) {
            DivSmall(x, divisor);
            count += static_cast<uint64_t>(use);
        } else {
            chunk = use / 2;
        }
    }
    return count;
}

// Karatsuba's method and transforms for long factors (words.h).
Limbs Mul(const Limbs& a, const Limbs& b)
{
    return words::Multiply(a, b, PRODUCT_RADIX);
}

// Long division in base 10^9 with quotient digits estimated from the top
// limbs (Knuth's algorithm D). The operands are first scaled so that the
// divisor's top limb is at least BASE / 2, which makes each estimate at most
// two too large; the rare overshoot left after the refinement is undone by
// adding the divisor back.
Limbs DivMod(const Limbs& a, const Limbs& b, Limbs& r)
{
    KERNEL_ASSERT(!b.empty());
    if (Compare(a, b) < 0) {
        r = a;
        return Limbs();
    }
    if (b.size() == 1) {
        Limbs q = a;
        uint32_t rem = DivSmall(q, b[0]);
        r = rem ? Limbs{rem} : Limbs();
        return q;
    }
    const uint32_t scale = BASE / (b.back() + 1);
    Limbs u = a, v = b;
    MulSmallAdd(v, scale, 0);
    MulSmallAdd(u, scale, 0);
    const size_t n = v.size();
    if (u.size() == a.size())
        u.push_back(0);
    const size_t m = u.size() - n - 1;
    Limbs q(m + 1, 0);
    const uint64_t vTop = v[n - 1], vNext = v[n - 2];
    for (size_t j = m + 1; j-- > 0;) {
        uint64_t num = uint64_t(u[j + n]) * BASE + u[j + n - 1];
        uint64_t qhat = num / vTop, rhat = num % vTop;
        while (qhat >= BASE || qhat * vNext > rhat * BASE + u[j + n - 2]) {
            --qhat;
            rhat += vTop;
            if (rhat >= BASE)
                break;
        }
        int64_t top = int64_t(u[j + n]) - words::SubMul(u.data() + j, v.data(), n, static_cast<uint32_t>(qhat), Radix());
        if (top < 0) {
            --qhat;
            top += words::AddInto(u.data() + j, n, v.data(), n, BASE);
        }
        u[j + n] = static_cast<uint32_t>(top);
        q[j] = static_cast<uint32_t>(qhat);
    }
    u.resize(n);
    Trim(u);
    DivSmall(u, scale);
    r = u;
    Trim(q);
    return q;
}

// Newton's iteration from above: x = (x + a / x) / 2 falls monotonically
// to the floor of the root once started at or above it.
Limbs Isqrt(const Limbs& a)
{
    if (a.empty())
        return Limbs();
    Limbs x = Pow10(static_cast<int>((DecimalLength(a) + 1) / 2));
    for (;;) {
        Limbs rest;
        Limbs y = DivMod(a, x, rest);
        AddTo(y, x);
        DivSmall(y, 2);
        if (Compare(y, x) >= 0)
            return x;
        x = y;
    }
}

}  // namespace limbs
