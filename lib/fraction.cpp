#include "fraction.h"

#include <algorithm>

#include "limbs.h"
#include "radix.h"
#include "systems.h"

namespace {

using radix::LargestPower;

// Multiplies the fraction held in exactly `fraction.size()` limbs by factor
// (below 2^32) and returns what overflows the top limb: the next digits.
uint64_t MulFraction(limbs::Limbs& fraction, uint64_t factor)
{
    uint64_t carry = 0;
    for (uint32_t& limb : fraction) {
        uint64_t t = limb * factor + carry;
        limb = static_cast<uint32_t>(t % limbs::BASE);
        carry = t / limbs::BASE;
    }
    return carry;
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

}  // namespace

// Term k of the sum is floor(v * 10^P / base^k). Since floor(floor(a / b) / c)
// equals floor(a / (b * c)), each possible digit value keeps its own running
// quotient, divided by base once per digit read; the sum stops growing when
// even the largest digit's quotient is zero.
bdouble bfConvertToDec(std::string text, int base)
{
    bdouble result("0.0");
    if (base < NSmin || base > NSmax)
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

    if (base >= NSmin && base <= NSmax) {
        const radix::Radix step = LargestPower(base);
        char block[32];
        while (result.size() < total && !IsZero(fraction)) {
            uint64_t next = MulFraction(fraction, step.power);
            for (int k = step.exponent; k-- > 0; next /= static_cast<uint64_t>(base))
                block[k] = DigitChar(static_cast<int>(next % static_cast<uint64_t>(base)));
            result.append(block, std::min(static_cast<size_t>(step.exponent), total - result.size()));
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
    if (base >= NSmin && base <= NSmax && newBase >= NSmin && newBase <= NSmax) {
        const uint64_t wordRadix = LargestPower(base).power;
        const int perWord = LargestPower(base).exponent;
        const radix::Radix out = LargestPower(newBase);
        std::vector<uint32_t> words;  // least significant first
        words.reserve(digits.size() / static_cast<size_t>(perWord) + 1);
        size_t end = digits.size();
        while (end > 0 && FractionDigit(digits[end - 1], base) == 0)
            --end;
        for (size_t at = 0; at < end; at += static_cast<size_t>(perWord)) {
            uint64_t word = 0;
            for (size_t k = at; k < at + static_cast<size_t>(perWord); ++k)
                word = word * static_cast<uint64_t>(base) + (k < end ? FractionDigit(digits[k], base) : 0);
            words.push_back(static_cast<uint32_t>(word));
        }
        std::reverse(words.begin(), words.end());
        size_t low = 0;  // words below it are zero and stay so
        char block[32];
        while (result.size() < total && low < words.size()) {
            uint64_t carry = 0;
            for (size_t i = low; i < words.size(); ++i) {
                uint64_t t = words[i] * out.power + carry;
                words[i] = static_cast<uint32_t>(t % wordRadix);
                carry = t / wordRadix;
            }
            for (int k = out.exponent; k-- > 0; carry /= static_cast<uint64_t>(newBase))
                block[k] = DigitChar(static_cast<int>(carry % static_cast<uint64_t>(newBase)));
            result.append(block, std::min(static_cast<size_t>(out.exponent), total - result.size()));
            while (low < words.size() && words[low] == 0)
                ++low;
        }
    }
    result.resize(total, '0');
    return result;
}

std::string RoundZ(std::string text)
{
    size_t keep = text.find_last_not_of('0');
    if (keep == std::string::npos)
        return std::string();
    text.erase(keep + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}
