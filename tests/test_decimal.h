// Decimal texts of powers of two, worked out digit by digit: an oracle of
// its own for the exact values the codes and the floating-point formats give.
#ifndef KALVORIX_TESTS_TEST_DECIMAL_H
#define KALVORIX_TESTS_TEST_DECIMAL_H

#include <string>

namespace testdecimal {

// The decimal digits of factor^n, most significant first.
inline std::string Power(int factor, int n)
{
    std::string digits = "1";  // least significant first
    for (int k = 0; k < n; ++k) {
        int carry = 0;
        for (char& digit : digits) {
            const int product = (digit - '0') * factor + carry;
            digit = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        for (; carry > 0; carry /= 10)
            digits += static_cast<char>('0' + carry % 10);
    }
    return std::string(digits.rbegin(), digits.rend());
}

// 2^n in decimal.
inline std::string PowerOfTwo(int n)
{
    return Power(2, n);
}

// 2^-n in decimal, for n > 0: 5^n / 10^n.
inline std::string NegativePowerOfTwo(int n)
{
    const std::string fives = Power(5, n);
    return "0." + std::string(static_cast<size_t>(n) - fives.size(), '0') + fives;
}

}  // namespace testdecimal

#endif
