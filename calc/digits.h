// Unsigned integers of any length held one decimal digit per element, least
// significant first; the empty vector is zero. add, sub, sub_from, mul and div
// trim their results (no high zero elements, zero is {0}); the shifts and sqrt
// do not. Inputs may carry high zeros.
#ifndef KALVORIX_CALC_DIGITS_H
#define KALVORIX_CALC_DIGITS_H

#include <vector>

// v times 10^n (n zero elements put at the low end); v itself when n <= 0.
std::vector<int> shift_left(std::vector<int> v, int n);

// v divided by 10^n, truncated (the lowest min(n, size) elements go); v itself when n <= 0.
std::vector<int> shift_right(std::vector<int> v, int n);

// 1, 0 or -1 as a is greater than, equal to or less than b, by value.
int cmp(const std::vector<int>& a, const std::vector<int>& b);

// 1 when v is zero (every element 0, or empty), else 0.
int zcmp(const std::vector<int>& v);

std::vector<int> add(const std::vector<int>& a, const std::vector<int>& b);

// a - b; needs a >= b (otherwise the top element is left negative).
std::vector<int> sub(const std::vector<int>& a, const std::vector<int>& b);

// a becomes a - b, trimmed; needs a >= b.
void sub_from(std::vector<int>& a, const std::vector<int>& b);

std::vector<int> mul(const std::vector<int>& a, const std::vector<int>& b);

// Quotient of a by b; r receives the remainder. A zero divisor gives the
// quotient 0 and the remainder a: callers test the divisor with zcmp first.
std::vector<int> div(const std::vector<int>& a, const std::vector<int>& b, std::vector<int>& r);

// Largest x with x * x <= a, in exactly (size of a + 1) / 2 elements.
std::vector<int> sqrt(const std::vector<int>& a);

#endif
