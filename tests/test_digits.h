// Helpers shared by the arithmetic tests: digit vectors written most
// significant first, and a slow reference multiplication to check against.
#ifndef KALVORIX_TESTS_TEST_DIGITS_H
#define KALVORIX_TESTS_TEST_DIGITS_H

#include <random>
#include <string>
#include <vector>

namespace testdigits {

// "1234" -> {4, 3, 2, 1}.
inline std::vector<int> V(const std::string& text)
{
    std::vector<int> v;
    for (auto it = text.rbegin(); it != text.rend(); ++it)
        v.push_back(*it - '0');
    return v;
}

// {4, 3, 2, 1} -> "1234"; every element is written, high zeros included.
inline std::string S(const std::vector<int>& v)
{
    std::string text;
    for (auto it = v.rbegin(); it != v.rend(); ++it)
        text += static_cast<char>('0' + *it);
    return text;
}

// Plain schoolbook product with a carry pass at the end, trimmed.
inline std::vector<int> SlowMul(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<long long> cells(a.size() + b.size() + 1, 0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t k = 0; k < b.size(); ++k)
            cells[i + k] += static_cast<long long>(a[i]) * b[k];
    std::vector<int> r(cells.size(), 0);
    long long carry = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        long long t = cells[i] + carry;
        r[i] = static_cast<int>(t % 10);
        carry = t / 10;
    }
    while (r.size() > 1 && r.back() == 0)
        r.pop_back();
    return r;
}

// The digits in the order of their values: the test's own key to them.
constexpr char ALPHABET[] = "0123456789ABCDEF";

// Value of a digit of ALPHABET.
inline int ValueOf(char digit)
{
    return static_cast<int>(std::string(ALPHABET).find(digit));
}

// Text of `length` random digits of base, the first one not zero.
inline std::string RandomDigits(std::mt19937_64& rng, size_t length, int base = 10)
{
    const char* alphabet = ALPHABET;
    std::uniform_int_distribution<int> digit(0, base - 1), lead(1, base - 1);
    std::string text;
    for (size_t i = 0; i < length; ++i)
        text += alphabet[i == 0 ? lead(rng) : digit(rng)];
    return text;
}

}  // namespace testdigits

#endif
