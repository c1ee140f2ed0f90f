#include "exact.h"

#include <algorithm>
#include <cstddef>

Natural::Natural(unsigned value)
{
    for (; value > 0; value /= 10)
        digits_.push_back(static_cast<unsigned char>(value % 10));
}

void Natural::Trim()
{
    while (!digits_.empty() && digits_.back() == 0)
        digits_.pop_back();
}

void Natural::MultiplyAdd(unsigned factor, unsigned addend)
{
    unsigned carry = addend;
    for (unsigned char& digit : digits_) {
        const unsigned value = digit * factor + carry;
        digit = static_cast<unsigned char>(value % 10);
        carry = value / 10;
    }
    for (; carry > 0; carry /= 10)
        digits_.push_back(static_cast<unsigned char>(carry % 10));
    Trim();
}

Natural Natural::FromDigits(const std::string& digits, int base)
{
    Natural value;
    for (char ch : digits) {
        const unsigned digit = ch <= '9' ? static_cast<unsigned>(ch - '0') : static_cast<unsigned>(ch - 'A' + 10);
        value.MultiplyAdd(static_cast<unsigned>(base), digit);
    }
    return value;
}

std::string Natural::Decimal() const
{
    if (digits_.empty())
        return "0";
    std::string text;
    for (std::size_t k = digits_.size(); k-- > 0;)
        text += static_cast<char>('0' + digits_[k]);
    return text;
}

Natural operator+(const Natural& a, const Natural& b)
{
    Natural sum;
    unsigned carry = 0;
    for (std::size_t k = 0; k < std::max(a.digits_.size(), b.digits_.size()) || carry; ++k) {
        const unsigned value = carry + (k < a.digits_.size() ? a.digits_[k] : 0) + (k < b.digits_.size() ? b.digits_[k] : 0);
        sum.digits_.push_back(static_cast<unsigned char>(value % 10));
        carry = value / 10;
    }
    sum.Trim();
    return sum;
}

Natural operator-(const Natural& a, const Natural& b)
{
    Natural difference = a;
    int borrow = 0;
    for (std::size_t k = 0; k < difference.digits_.size(); ++k) {
        int value = difference.digits_[k] - borrow - (k < b.digits_.size() ? b.digits_[k] : 0);
        borrow = value < 0;
        if (borrow)
            value += 10;
        difference.digits_[k] = static_cast<unsigned char>(value);
    }
    difference.Trim();
    return difference;
}

Natural operator*(const Natural& a, const Natural& b)
{
    if (a.IsZero() || b.IsZero())
        return Natural();
    std::vector<unsigned> columns(a.digits_.size() + b.digits_.size(), 0);
    for (std::size_t i = 0; i < a.digits_.size(); ++i)
        for (std::size_t j = 0; j < b.digits_.size(); ++j)
            columns[i + j] += static_cast<unsigned>(a.digits_[i]) * b.digits_[j];
    Natural product;
    unsigned long long carry = 0;
    for (unsigned column : columns) {
        carry += column;
        product.digits_.push_back(static_cast<unsigned char>(carry % 10));
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        product.digits_.push_back(static_cast<unsigned char>(carry % 10));
    product.Trim();
    return product;
}

int Compare(const Natural& a, const Natural& b)
{
    if (a.digits_.size() != b.digits_.size())
        return a.digits_.size() < b.digits_.size() ? -1 : 1;
    for (std::size_t k = a.digits_.size(); k-- > 0;)
        if (a.digits_[k] != b.digits_[k])
            return a.digits_[k] < b.digits_[k] ? -1 : 1;
    return 0;
}

Natural Natural::Power(unsigned base, int exponent)
{
    Natural value(1);
    for (int k = 0; k < exponent; ++k)
        value.MultiplyAdd(base, 0);
    return value;
}

bool operator<(const Natural& a, const Natural& b)
{
    return Compare(a, b) < 0;
}

bool operator<=(const Natural& a, const Natural& b)
{
    return Compare(a, b) <= 0;
}

bool operator==(const Natural& a, const Natural& b)
{
    return Compare(a, b) == 0;
}

Scaled ReadScaled(const std::string& text, int scale)
{
    Scaled value;
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        value.negative = true;
        ++at;
    }
    std::string digits;
    for (; at < text.size() && text[at] != '.'; ++at)
        digits += text[at];
    if (at < text.size())
        ++at;  // the point
    int fraction = 0;
    for (; at < text.size() && fraction < scale; ++at, ++fraction)
        digits += text[at];
    digits.append(static_cast<std::size_t>(scale - fraction), '0');
    value.magnitude = Natural::FromDigits(digits, 10);
    return value;
}
