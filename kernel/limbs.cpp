#include "limbs.h"

#include <algorithm>

namespace limbs {

namespace {

const uint32_t POW10[BASE_DIGITS + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
};

uint32_t ClampDigit(int d)
{
    return d < 0 ? 0u : d > 9 ? 9u : static_cast<uint32_t>(d);
}

// Decimal digit count of a non-zero x.
size_t DigitCount(const Limbs& x)
{
    size_t count = (x.size() - 1) * BASE_DIGITS;
    for (uint32_t top = x.back(); top != 0; top /= 10)
        ++count;
    return count;
}

}  // namespace

Limbs FromDigits(const std::vector<int>& digits, size_t begin, size_t end)
{
    end = std::min(end, digits.size());
    Limbs x;
    if (begin >= end)
        return x;
    x.reserve((end - begin) / BASE_DIGITS + 1);
    for (size_t at = begin; at < end; at += BASE_DIGITS) {
        size_t stop = std::min(end, at + BASE_DIGITS);
        uint32_t limb = 0;
        for (size_t i = stop; i-- > at;)
            limb = limb * 10 + ClampDigit(digits[i]);
        x.push_back(limb);
    }
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
        for (int k = 0; k < BASE_DIGITS; ++k, limb /= 10)
            digits.push_back(static_cast<int>(limb % 10));
    while (digits.size() > 1 && digits.back() == 0)
        digits.pop_back();
    if (digits.empty())
        digits.push_back(0);
    return digits;
}

Limbs Pow10(int n)
{
    Limbs x(static_cast<size_t>(n / BASE_DIGITS), 0);
    x.push_back(POW10[n % BASE_DIGITS]);
    return x;
}

void Trim(Limbs& x)
{
    while (!x.empty() && x.back() == 0)
        x.pop_back();
}

int Compare(const Limbs& a, const Limbs& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

void AddTo(Limbs& a, const Limbs& b)
{
    if (a.size() < b.size())
        a.resize(b.size(), 0);
    uint32_t carry = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (i >= b.size() && carry == 0)
            return;
        uint32_t sum = a[i] + (i < b.size() ? b[i] : 0) + carry;
        carry = sum >= BASE;
        a[i] = carry ? sum - BASE : sum;
    }
    if (carry)
        a.push_back(carry);
}

void MulSmallAdd(Limbs& a, uint32_t m, uint32_t add)
{
    uint64_t carry = add;
    for (uint32_t& limb : a) {
        uint64_t t = uint64_t(limb) * m + carry;
        limb = static_cast<uint32_t>(t % BASE);
        carry = t / BASE;
    }
    if (carry)
        a.push_back(static_cast<uint32_t>(carry));
    Trim(a);
}

uint32_t DivSmall(Limbs& a, uint32_t d)
{
    uint64_t rem = 0;
    for (size_t i = a.size(); i-- > 0;) {
        uint64_t t = rem * BASE + a[i];
        a[i] = static_cast<uint32_t>(t / d);
        rem = t % d;
    }
    Trim(a);
    return static_cast<uint32_t>(rem);
}

// Karatsuba's method and transforms for long factors (words.h).
Limbs Mul(const Limbs& a, const Limbs& b)
{
    return words::Multiply(a, b, words::Radix(BASE));
}

// Long division in base 10^9 with quotient digits estimated from the top
// limbs (Knuth's algorithm D). The operands are first scaled so that the
// divisor's top limb is at least BASE / 2, which makes each estimate at most
// two too large; the rare overshoot left after the refinement is undone by
// adding the divisor back.
Limbs DivMod(const Limbs& a, const Limbs& b, Limbs& r)
{
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
        int64_t borrow = 0;
        uint64_t carry = 0;
        for (size_t i = 0; i < n; ++i) {
            uint64_t p = qhat * v[i] + carry;
            carry = p / BASE;
            int64_t t = int64_t(u[i + j]) - int64_t(p % BASE) + borrow;
            borrow = t < 0 ? -1 : 0;
            u[i + j] = static_cast<uint32_t>(t < 0 ? t + BASE : t);
        }
        int64_t top = int64_t(u[j + n]) - int64_t(carry) + borrow;
        if (top < 0) {
            --qhat;
            uint32_t back = 0;
            for (size_t i = 0; i < n; ++i) {
                uint32_t sum = u[i + j] + v[i] + back;
                back = sum >= BASE;
                u[i + j] = back ? sum - BASE : sum;
            }
            top += back;
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
    Limbs x = Pow10(static_cast<int>((DigitCount(a) + 1) / 2));
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
