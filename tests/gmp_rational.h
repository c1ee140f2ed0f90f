// Exact rational arithmetic and expansions in a base done by GMP alone, as
// an oracle for the program's own: a number read from its digits, and its
// expansion found by long division.
#ifndef KALVORIX_TESTS_GMP_RATIONAL_H
#define KALVORIX_TESTS_GMP_RATIONAL_H

#include <gmp.h>

#include <cctype>
#include <algorithm>
#include <string>

namespace gmporacle {

// An mpq_t that frees itself.
class Q {
public:
    Q() { mpq_init(value); }
    Q(const Q& other)
    {
        mpq_init(value);
        mpq_set(value, other.value);
    }
    Q& operator=(const Q& other)
    {
        mpq_set(value, other.value);
        return *this;
    }
    ~Q() { mpq_clear(value); }
    mpq_t value;
};

class Z {
public:
    Z() { mpz_init(value); }
    Z(const Z&) = delete;
    Z& operator=(const Z&) = delete;
    ~Z() { mpz_clear(value); }
    mpz_t value;
};

inline std::string Upper(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

inline std::string Text(const mpz_t n, int base)
{
    std::string out(mpz_sizeinbase(n, base) + 2, '\0');
    mpz_get_str(&out[0], base, n);
    out.resize(out.find('\0'));
    return Upper(out);
}

// The value of "[-]whole[.fraction]" in base.
inline Q Read(const std::string& text, int base)
{
    Q q;
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    const size_t point = digits.find_first_of(".,");
    size_t fractionDigits = 0;
    if (point != std::string::npos) {
        fractionDigits = digits.size() - point - 1;
        digits.erase(point, 1);
    }
    if (digits.empty())
        digits = "0";
    mpz_set_str(mpq_numref(q.value), digits.c_str(), base);
    mpz_ui_pow_ui(mpq_denref(q.value), static_cast<unsigned long>(base), fractionDigits);
    mpq_canonicalize(q.value);
    if (negative)
        mpq_neg(q.value, q.value);
    return q;
}

// |x| in base: the whole part, the first precision digits after the point
// (trailing zeros dropped), whether they are the whole value, and the exact
// digits with the period in parentheses when at most `longest` digits long.
struct Expansion {
    std::string whole;
    std::string fraction;
    bool exact = true;
    bool written = true;
    std::string exactFraction;
};

// The remainders of the long division, r -> r * base mod den, run into a
// cycle (0 for an expansion that ends); Brent's search finds its length and
// where it starts without keeping them. The digits are then written by long
// division.
inline Expansion Expand(const Q& x, int base, int precision, unsigned long longest)
{
    Expansion e;
    Z num, den, whole, start;
    mpz_abs(num.value, mpq_numref(x.value));
    mpz_set(den.value, mpq_denref(x.value));
    mpz_tdiv_qr(whole.value, start.value, num.value, den.value);
    e.whole = Text(whole.value, base);
    auto step = [&](mpz_t r) {
        mpz_mul_ui(r, r, static_cast<unsigned long>(base));
        mpz_tdiv_r(r, r, den.value);
    };
    Z tortoise, hare;
    mpz_set(tortoise.value, start.value);
    mpz_set(hare.value, start.value);
    step(hare.value);
    unsigned long power = 1, cycle = 1, steps = 1;
    while (mpz_cmp(tortoise.value, hare.value) != 0 && steps <= 4 * longest) {
        if (power == cycle) {
            mpz_set(tortoise.value, hare.value);
            power *= 2;
            cycle = 0;
        }
        step(hare.value);
        ++cycle;
        ++steps;
    }
    const bool found = mpz_cmp(tortoise.value, hare.value) == 0;
    unsigned long before = 0;
    if (found) {
        mpz_set(tortoise.value, start.value);
        mpz_set(hare.value, start.value);
        for (unsigned long k = 0; k < cycle; ++k)
            step(hare.value);
        while (mpz_cmp(tortoise.value, hare.value) != 0) {
            step(tortoise.value);
            step(hare.value);
            ++before;
        }
    }
    const bool ended = found && mpz_sgn(tortoise.value) == 0;
    const unsigned long length = ended ? before : before + cycle;
    e.written = found && length <= longest;
    // The digits: as many as the precision asks, or the exact ones.
    const unsigned long count = std::max<unsigned long>(static_cast<unsigned long>(precision), e.written ? length : 0);
    std::string digits;
    Z r, digit;
    mpz_set(r.value, start.value);
    e.exact = mpz_sgn(r.value) == 0;
    for (unsigned long k = 0; k < count; ++k) {
        mpz_mul_ui(r.value, r.value, static_cast<unsigned long>(base));
        mpz_tdiv_qr(digit.value, r.value, r.value, den.value);
        digits += "0123456789ABCDEF"[mpz_get_ui(digit.value)];
        if (k + 1 == static_cast<unsigned long>(precision))
            e.exact = mpz_sgn(r.value) == 0;  // nothing left after the cut digits
    }
    const std::string cut = digits.substr(0, static_cast<size_t>(precision));
    e.fraction = cut.substr(0, cut.find_last_not_of('0') + 1);
    if (e.written)
        e.exactFraction = ended ? digits.substr(0, before)
                                : digits.substr(0, before) + "(" + digits.substr(before, cycle) + ")";
    return e;
}

}  // namespace gmporacle

#endif
