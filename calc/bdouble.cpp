#include "bdouble.h"

#include "digits.h"
#include "text.h"

int DoubleSize = 4;  // owned by SetPrec; lives for the whole run

namespace {

int ERR_CODE = 0;  // 1 after a division by zero, 0 after any other division; read by bdGetLastError

}  // namespace

void SetPrec(int prec)
{
    DoubleSize = prec;
}

int bdGetLastError()
{
    return ERR_CODE;
}

namespace {

// The value every arithmetic result starts from: zero, normalized, sign +1.
bdouble Zero()
{
    return bdouble("0.0");
}

}  // namespace

bdouble::bdouble(std::string text) : sign(1)
{
    sscan(std::move(text));
}

bdouble::bdouble(const bdouble& other) = default;
bdouble& bdouble::operator=(const bdouble& other) = default;
bdouble::~bdouble() = default;

void bdouble::sscan(std::string text)
{
    sign = 1;
    size_t from = 0;
    if (!text.empty() && text[0] == '-') {
        sign = -1;
        from = 1;
    }
    const size_t n = text.size();
    size_t point = text.find('.', from);
    if (point == std::string::npos)
        point = n;
    const size_t size = DoubleSize > 0 ? static_cast<size_t>(DoubleSize) : 0;
    digits.assign(size, 0);
    // The first fraction digit lands just below the units; digits past
    // DoubleSize of them are cut.
    for (size_t j = point + 1; j < n && j - point <= size; ++j)
        digits[size - (j - point)] = text[j] - '0';
    digits.reserve(size + (point - from));
    for (size_t i = point; i-- > from;)
        digits.push_back(text[i] - '0');
}

void bdouble::normal()
{
    if (DoubleSize >= 0 && digits.size() < static_cast<size_t>(DoubleSize) + 1)
        digits.resize(static_cast<size_t>(DoubleSize) + 1, 0);
}

std::string bdouble::print() const
{
    std::string text;
    text.reserve(digits.size() + 2);
    if (sign < 0)
        text += '-';
    const size_t units = static_cast<size_t>(DoubleSize);
    for (size_t i = digits.size(); i-- > 0;) {
        int d = digits[i];
        if (d >= 0 && d <= 9)
            text += static_cast<char>('0' + d);
        else
            text += NumToStr(d);
        if (i == units)
            text += '.';
    }
    return text;
}

bdouble operator-(bdouble x)
{
    x.sign = static_cast<int8_t>(-x.sign);
    return x;
}

int cmp(bdouble a, bdouble b)
{
    if (a.sign != b.sign)
        return a.sign > b.sign ? 1 : -1;
    return cmp(a.digits, b.digits) * a.sign;
}

int zcmp(bdouble x)
{
    return zcmp(x.digits);
}

bdouble operator+(bdouble a, bdouble b)
{
    if (a.sign == b.sign) {
        bdouble result = Zero();
        result.digits = add(a.digits, b.digits);
        result.sign = a.sign;
        result.normal();
        return result;
    }
    if (b.sign < 0)
        return a - (-b);
    return b - (-a);
}

bdouble operator-(bdouble a, bdouble b)
{
    if (cmp(a, b) < 0)
        return -(b - a);
    if (b.sign < 0)
        return a + (-b);
    bdouble result = Zero();
    result.digits = sub(a.digits, b.digits);
    result.sign = 1;
    result.normal();
    return result;
}

bdouble operator*(bdouble a, bdouble b)
{
    bdouble result = Zero();
    result.digits = shift_right(mul(a.digits, b.digits), DoubleSize);
    result.sign = static_cast<int8_t>(a.sign * b.sign);
    result.normal();
    return result;
}

bdouble operator/(bdouble a, bdouble b)
{
    bdouble result = Zero();
    if (zcmp(b)) {
        ERR_CODE = 1;
        return result;
    }
    ERR_CODE = 0;
    std::vector<int> remainder;
    result.digits = div(shift_left(a.digits, DoubleSize), b.digits, remainder);
    result.sign = static_cast<int8_t>(a.sign * b.sign);
    result.normal();
    return result;
}

bdouble bsqrt(bdouble a)
{
    bdouble result = Zero();
    result.digits = sqrt(shift_left(a.digits, DoubleSize));
    result.sign = 1;
    result.normal();
    return result;
}
