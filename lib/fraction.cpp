#include "fraction.h"

#include <algorithm>

#include "constantbase.h"
#include "digitwords.h"
#include "limbs.h"
#include "systems.h"

namespace {

using words::LargestPower;

// Appends to text the count digits of a word of base^count, but no more
// than make it total characters long.
void AppendDigits(std::string& text, uint32_t word, int base, int count, size_t total)
{
    char block[32];
    words::UnpackWord(word, static_cast<uint32_t>(base), count,
                      [&block, count](int at, int digit) { block[count - 1 - at] = DigitChar(digit); });
    text.append(block, std::min(static_cast<size_t>(count), total - text.size()));
}

// The value a fraction reader gives ch: its digit value, 0 for a character
// that is no digit of base.
uint32_t FractionDigit(char ch, int base)
{
    const int value = DigitValue(ch, base);
    return value > 0 ? static_cast<uint32_t>(value) : 0;
}

bool IsZero(const limbs::Limbs& x)
{
    for (uint32_t limb : x)
        if (limb != 0)
            return false;
    return true;
}

// The passes of ConvertFraction over a fraction in words of BASE^k, the
// radix a constant so that its division becomes a multiplication: each
// multiplies by newBase^m and appends the m digits carried out of the top.
template <int BASE>
void Expand(words::Words& fraction, int newBase, size_t total, std::string& result)
{
    constexpr words::FixedRadix<LargestPower(BASE).power> radix{};
    const words::WordPower out = LargestPower(newBase);
    size_t low = 0;  // words below it are zero and stay so
    while (result.size() < total && low < fraction.size()) {
        const uint32_t next = words::MulAdd(fraction.data() + low, fraction.size() - low,
                                            static_cast<uint32_t>(out.power), 0, radix);
        AppendDigits(result, next, newBase, out.exponent, total);
        while (low < fraction.size() && fraction[low] == 0)
            ++low;
    }
}

}  // namespace

// Term k of the sum is floor(v * 10^P / base^k). Since floor(floor(a / b) / c)
// equals floor(a / (b * c)), each possible digit value keeps its own running
// quotient, divided by base once per digit read; the sum stops growing when
// even the largest digit's quotient is zero.
bdouble bfConvertToDec(std::string text, int base)
{
    bdouble result("0.0");
    if (!IsBase(base))
        return result;
    const int precision = DoubleSize > 0 ? DoubleSize : 0;
    size_t at = text.find('.');
    at = at == std::string::npos ? 0 : at + 1;

    limbs::Limbs quotients[NSmax];
    const limbs::Limbs scale = limbs::Pow10(precision);
    for (int v = 1; v < base; ++v) {
        quotients[v] = scale;
        limbs::MulSmallAdd(quotients[v], static_cast<uint32_t>(v), 0);
    }
    limbs::Limbs sum;
    for (; at < text.size() && !quotients[base - 1].empty(); ++at) {
        for (int v = 1; v < base; ++v)
            limbs::DivSmall(quotients[v], static_cast<uint32_t>(base));
        if (const uint32_t v = FractionDigit(text[at], base))
            limbs::AddTo(sum, quotients[v]);
    }
    result.digits = limbs::ToDigits(sum);
    result.normal();
    return result;
}

// The digits are the exact base expansion of x's fraction, cut after prec.
// The fraction is held as an integer scaled to a whole number of limbs, and
// each pass multiplies it by the largest power of base below 2^32, so one pass
// yields several digits.
std::string bfConvertFromDec(bdouble x, int base, int prec)
{
    std::string result = "0.";
    if (prec <= 0)
        return result;
    result.reserve(static_cast<size_t>(prec) + 2);
    const size_t total = static_cast<size_t>(prec) + 2;
    const int precision = DoubleSize > 0 ? DoubleSize : 0;
    const int pad = (limbs::BASE_DIGITS - precision % limbs::BASE_DIGITS) % limbs::BASE_DIGITS;
    limbs::Limbs fraction = limbs::FromDigits(x.digits, 0, static_cast<size_t>(precision));
    limbs::MulSmallAdd(fraction, limbs::Pow10(pad)[0], 0);
    fraction.resize(static_cast<size_t>((precision + pad) / limbs::BASE_DIGITS), 0);

    if (IsBase(base)) {
        const words::WordPower step = LargestPower(base);
        while (result.size() < total && !IsZero(fraction)) {
            const uint32_t next = words::MulAdd(fraction.data(), fraction.size(), static_cast<uint32_t>(step.power), 0,
                                                limbs::Radix());
            AppendDigits(result, next, base, step.exponent, total);
        }
    }
    result.resize(total, '0');
    return result;
}

// The fraction is an integer over base^n, packed into words of base^k (k as
// large as fits 32 bits) and padded to whole words. Each pass multiplies it by
// newBase^m, the largest power that fits 32 bits; what carries out of the top
// word is the next m digits.
std::string ConvertFraction(const std::string& digits, int base, int newBase, int count)
{
    std::string result = "0.";
    if (count <= 0)
        return result;
    const size_t total = static_cast<size_t>(count) + 2;
    result.reserve(total);
    if (IsBase(base) && IsBase(newBase)) {
        const words::WordPower in = LargestPower(base);
        size_t end = digits.size();
        while (end > 0 && FractionDigit(digits[end - 1], base) == 0)
            --end;
        words::Words fraction = words::PackDigits(end, static_cast<uint32_t>(base), in.exponent, true,
                                                  [&digits, base](size_t i) { return FractionDigit(digits[i], base); });
        radix::WithConstantBase(base, [&](auto constant) {
            Expand<decltype(constant)::value>(fraction, newBase, total, result);
        });
    }
    result.resize(total, '0');
    return result;
}
