// Natural numbers in limbs of nine decimal digits, for the worked solution.
#include "bignum.h"

#include <algorithm>

namespace bignum {

namespace {

const uint64_t LOW_MODULUS = 1000000000000000000ULL;  // 10^18: two limbs

uint64_t SmallPower(uint32_t p, int exponent)
{
    uint64_t value = 1;
    for (int k = 0; k < exponent; ++k)
        value *= p;
    return value;
}

}  // namespace

Limbs FromDecimal(const std::string& digits)
{
    std::vector<int> values(digits.size());
    for (size_t k = 0; k < digits.size(); ++k) {
        const char ch = digits[digits.size() - 1 - k];
        values[k] = ch >= '0' && ch <= '9' ? ch - '0' : 0;
    }
    return limbs::FromDigits(values);
}

std::string ToDecimal(const Limbs& x)
{
    const std::vector<int> digits = limbs::ToDigits(x);
    std::string text(digits.size(), '0');
    for (size_t k = 0; k < digits.size(); ++k)
        text[digits.size() - 1 - k] = static_cast<char>('0' + digits[k]);
    return text;
}

Limbs FromSmall(uint64_t value)
{
    Limbs x;
    for (; value > 0; value /= limbs::BASE)
        x.push_back(static_cast<uint32_t>(value % limbs::BASE));
    return x;
}

Limbs Difference(const Limbs& a, const Limbs& b)
{
    Limbs result = a;
    int64_t borrow = 0;
    for (size_t k = 0; k < result.size(); ++k) {
        int64_t value = static_cast<int64_t>(result[k]) - borrow - (k < b.size() ? b[k] : 0);
        borrow = value < 0;
        if (borrow)
            value += limbs::BASE;
        result[k] = static_cast<uint32_t>(value);
    }
    limbs::Trim(result);
    return result;
}

// By the arithmetic's own product, which switches to transforms for long numbers.
Limbs Square(const Limbs& x)
{
    return limbs::Mul(x, x);
}

// The bits of the exponent from the top: square, then multiply by base where
// the bit is set.
Limbs Power(uint32_t base, uint64_t exponent)
{
    Limbs result{1};
    for (int bit = 63; bit >= 0; --bit) {
        if (result.size() > 1 || result[0] > 1)
            result = Square(result);
        if ((exponent >> bit) & 1)
            limbs::MulSmallAdd(result, base, 0);
    }
    limbs::Trim(result);
    return result;
}

uint32_t Remainder(const Limbs& x, uint32_t m)
{
    uint64_t rest = 0;
    for (size_t k = x.size(); k-- > 0;)
        rest = (rest * limbs::BASE + x[k]) % m;
    return static_cast<uint32_t>(rest);
}

// Divides by the largest power of p that a limb division takes while it goes,
// then by halved powers, so a long run of factors costs few passes.
uint64_t RemoveFactor(Limbs& x, uint32_t p, uint64_t cap)
{
    if (x.empty() || cap == 0 || Remainder(x, p) != 0)
        return 0;
    int chunk = 0;
    while (SmallPower(p, chunk + 1) < limbs::BASE)
        ++chunk;
    uint64_t count = 0;
    while (chunk > 0 && count < cap) {
        const int use = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(chunk), cap - count));
        const uint32_t divisor = static_cast<uint32_t>(SmallPower(p, use));
        if (Remainder(x, divisor) == 0) {
            limbs::DivSmall(x, divisor);
            count += static_cast<uint64_t>(use);
        } else {
            chunk = use / 2;
        }
    }
    return count;
}

uint64_t LowDigits(const Limbs& x)
{
    return (x.empty() ? 0 : x[0]) + (x.size() < 2 ? 0 : static_cast<uint64_t>(x[1]) * limbs::BASE);
}

// With a = a1 * 10^9 + a0 and b likewise, a1 * b1 * 10^18 vanishes.
uint64_t MulLow(uint64_t a, uint64_t b)
{
    const uint64_t a0 = a % limbs::BASE, a1 = a / limbs::BASE;
    const uint64_t b0 = b % limbs::BASE, b1 = b / limbs::BASE;
    const uint64_t middle = (a1 * b0 + a0 * b1) % limbs::BASE;
    return (middle * limbs::BASE + a0 * b0) % LOW_MODULUS;
}

uint64_t PowerLow(uint64_t base, uint64_t exponent)
{
    uint64_t result = 1 % LOW_MODULUS, square = base % LOW_MODULUS;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = MulLow(result, square);
        square = MulLow(square, square);
    }
    return result;
}

}  // namespace bignum
