#include "digits.h"

#include <algorithm>

#include "limbs.h"
#include "spans.h"

namespace {

// A digit read beyond the end of its vector counts as 0.
int DigitAt(const std::vector<int>& v, size_t i)
{
    return i < v.size() ? v[i] : 0;
}

}  // namespace

std::vector<int> shift_left(std::vector<int> v, int n)
{
    if (n > 0)
        v.insert(v.begin(), static_cast<size_t>(n), 0);
    return v;
}

std::vector<int> shift_right(std::vector<int> v, int n)
{
    if (n > 0)
        v.erase(v.begin(), v.begin() + std::min(static_cast<size_t>(n), v.size()));
    return v;
}

int cmp(const std::vector<int>& a, const std::vector<int>& b)
{
    for (size_t i = std::max(a.size(), b.size()); i-- > 0;) {
        int da = DigitAt(a, i), db = DigitAt(b, i);
        if (da != db)
            return da > db ? 1 : -1;
    }
    return 0;
}

int zcmp(const std::vector<int>& v)
{
    return std::all_of(v.begin(), v.end(), [](int d) { return d == 0; }) ? 1 : 0;
}

std::vector<int> add(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> result(std::max(a.size(), b.size()) + 1, 0);
    for (size_t i = 0; i + 1 < result.size(); ++i) {
        result[i] += DigitAt(a, i) + DigitAt(b, i);
        result[i + 1] += result[i] / 10;
        result[i] %= 10;
    }
    words::Trim(result, 1);
    return result;
}

std::vector<int> sub(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> result = a;
    sub_from(result, b);
    return result;
}

void sub_from(std::vector<int>& a, const std::vector<int>& b)
{
    // The borrow waits in the next cell; the top cell keeps whatever is left.
    for (size_t i = 0; i < a.size(); ++i) {
        a[i] -= DigitAt(b, i);
        if (a[i] < 0 && i + 1 < a.size()) {
            a[i] += 10;
            a[i + 1] -= 1;
        }
    }
    words::Trim(a, 1);
}

std::vector<int> mul(const std::vector<int>& a, const std::vector<int>& b)
{
    return limbs::ToDigits(limbs::Mul(limbs::FromDigits(a), limbs::FromDigits(b)));
}

std::vector<int> div(const std::vector<int>& a, const std::vector<int>& b, std::vector<int>& r)
{
    limbs::Limbs divisor = limbs::FromDigits(b);
    limbs::Limbs dividend = limbs::FromDigits(a);
    if (divisor.empty()) {
        r = limbs::ToDigits(dividend);
        return a.empty() ? std::vector<int>() : std::vector<int>{0};
    }
    limbs::Limbs rest;
    limbs::Limbs quotient = limbs::DivMod(dividend, divisor, rest);
    r = limbs::ToDigits(rest);
    // The quotient is as long as a before trimming, so an empty a stays empty.
    return a.empty() ? std::vector<int>() : limbs::ToDigits(quotient);
}

std::vector<int> sqrt(const std::vector<int>& a)
{
    std::vector<int> root = limbs::ToDigits(limbs::Isqrt(limbs::FromDigits(a)));
    root.resize((a.size() + 1) / 2, 0);
    return root;
}
