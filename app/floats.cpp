// Rounding a number's exact binary digits to a format, and reading a format's
// bits, in whole numbers only: the significand of binary64 has 53 bits, so a
// 64-bit integer holds every one the formats have.
#include "floats.h"

#include <algorithm>

#include "bitstring.h"
#include "text.h"

namespace {

uint64_t LowBits(int count)
{
    return count >= 64 ? ~uint64_t(0) : (uint64_t(1) << count) - 1;
}

// The exponent of the leading 1 of the digits; false when every one is 0.
bool LeadingOne(const FloatRounding& r, int& place)
{
    const size_t one = r.wholeBits.find('1');
    if (one != std::string::npos) {
        place = static_cast<int>(r.wholeBits.size() - 1 - one);
        return true;
    }
    const size_t first = r.fractionBits.find('1');
    place = -static_cast<int>(first) - 1;
    return first != std::string::npos;
}

uint64_t InfinityBits(const FloatFormat& format)
{
    return LowBits(format.exponentBits) << format.mantissaBits;
}

// Rounds the computed digits of a non-zero number to the nearest value of
// format, ties to the even significand; the bits without the sign.
uint64_t Round(const FloatFormat& format, FloatRounding& r)
{
    const int precision = format.Precision();
    r.found = LeadingOne(r, r.leading);
    if (!r.found) {
        // Every digit down to the place of half the least subnormal is 0.
        r.exact = false;
        return 0;
    }
    if (r.leading > format.MaxExponent()) {
        r.exact = false;
        return InfinityBits(format);
    }
    r.scale = std::max(r.leading, format.MinExponent()) - precision + 1;
    for (int place = r.scale + precision - 1; place >= r.scale; --place)
        r.kept = (r.kept << 1) | (r.BitAt(place) ? 1u : 0u);
    r.roundBit = r.BitAt(r.scale - 1);
    r.sticky = r.OneBelow(r.scale - 1) || !r.fractionEnds;
    r.exact = !r.roundBit && !r.sticky;
    r.roundedUp = r.roundBit && (r.sticky || (r.kept & 1) != 0);
    uint64_t significand = r.kept + (r.roundedUp ? 1 : 0);
    int scale = r.scale;
    if (significand >> precision) {
        significand >>= 1;
        ++scale;
    }
    const uint64_t hidden = uint64_t(1) << format.mantissaBits;
    if (significand < hidden)
        return significand;  // a subnormal number, or zero: the exponent field is 0
    const int biased = scale + precision - 1 + format.Bias();
    if (biased > 2 * format.Bias()) {
        r.exact = false;
        return InfinityBits(format);
    }
    return (static_cast<uint64_t>(biased) << format.mantissaBits) | (significand - hidden);
}

// The digits the rounding needs: the whole part, and the fraction down to
// the place after the last bit that could be kept, the first one dropped.
uint64_t Computed(const FloatFormat& format, const FloatEncoding& e, FloatRounding& r)
{
    r.path = FloatRounding::COMPUTED;
    r.wholeBits = e.whole.empty() ? std::string("0") : BinaryOfWhole(e.whole, e.system);
    const int precision = format.Precision();
    const int count = e.whole.empty() ? precision - format.MinExponent()
                                      : std::max(0, precision - static_cast<int>(r.wholeBits.size()) + 1);
    r.fractionBits = BinaryOfFraction(e.fraction, e.system, count);
    r.fractionEnds = FractionEquals(e.fraction, e.system, r.fractionBits);
    return Round(format, r);
}

// The bits of a non-zero number without the sign, decided by its length
// when that is enough: at least 2^(MaxExponent() + 1) overflows, below
// 2^(MinExponent() - Precision()) (half the least subnormal) gives zero.
uint64_t Magnitude(const FloatFormat& format, const FloatEncoding& e, FloatRounding& r)
{
    const uint64_t perDigit = static_cast<uint64_t>(BitsPerDigitAtLeast(e.system));
    if (!e.whole.empty() && (e.whole.size() - 1) * perDigit >= static_cast<uint64_t>(format.MaxExponent() + 1)) {
        r.path = FloatRounding::TOO_LARGE;
        r.exact = false;
        return InfinityBits(format);
    }
    const size_t zeros = e.fraction.find_first_not_of('0');
    if (e.whole.empty() && zeros * perDigit >= static_cast<uint64_t>(format.Precision() - format.MinExponent())) {
        r.path = FloatRounding::TOO_SMALL;
        r.exact = false;
        return 0;
    }
    return Computed(format, e, r);
}

}  // namespace

bool FloatRounding::BitAt(long long place) const
{
    if (place >= 0)
        return place < static_cast<long long>(wholeBits.size()) && wholeBits[wholeBits.size() - 1 - place] == '1';
    const long long index = -place - 1;
    return index < static_cast<long long>(fractionBits.size()) && fractionBits[static_cast<size_t>(index)] == '1';
}

bool FloatRounding::OneBelow(long long place) const
{
    for (long long p = std::min(place - 1, static_cast<long long>(wholeBits.size()) - 1); p >= 0; --p)
        if (BitAt(p))
            return true;
    const long long first = place <= 0 ? -place : 0;  // the index of the first fraction digit below place
    return fractionBits.find('1', static_cast<size_t>(first)) != std::string::npos;
}

bool FloatFormatOf(int width, FloatFormat& format)
{
    switch (width) {
    case 16: format = {16, 5, 10, "binary16"}; return true;
    case 32: format = {32, 8, 23, "binary32"}; return true;
    case 64: format = {64, 11, 52, "binary64"}; return true;
    default: return false;
    }
}

FloatValue FloatOfBits(const FloatFormat& format, uint64_t bits)
{
    FloatValue v;
    v.format = format;
    v.bits = bits & LowBits(format.width);
    v.negative = (v.bits >> (format.width - 1)) & 1;
    v.exponent = static_cast<uint32_t>((v.bits >> format.mantissaBits) & LowBits(format.exponentBits));
    v.mantissa = v.bits & LowBits(format.mantissaBits);
    const std::string all = BitsOf(v.bits, format.width);
    v.signField = all.substr(0, 1);
    v.exponentField = all.substr(1, static_cast<size_t>(format.exponentBits));
    v.mantissaField = all.substr(static_cast<size_t>(1 + format.exponentBits));
    v.hex = HexOfBits(all);
    if (v.exponent == LowBits(format.exponentBits)) {
        v.kind = v.mantissa == 0 ? FloatClass::INFINITE_VALUE : FloatClass::NOT_A_NUMBER;
        return v;
    }
    if (v.exponent == 0) {
        v.kind = v.mantissa == 0 ? FloatClass::ZERO : FloatClass::SUBNORMAL;
        v.significand = v.mantissa;
        v.scale = format.MinExponent() - format.mantissaBits;
    } else {
        v.kind = FloatClass::NORMAL;
        v.significand = v.mantissa | (uint64_t(1) << format.mantissaBits);
        v.scale = static_cast<int>(v.exponent) - format.Bias() - format.mantissaBits;
    }
    v.stored = (v.negative ? "-" : "") + DecimalOfScaled(BitsOf(v.significand, format.Precision()), v.scale);
    return v;
}

bool DecodeFloat(const std::string& code, int system, const FloatFormat& format, FloatValue& value,
                 std::string& fault)
{
    std::string bits;
    if (!ReadCodeText(code, system, format.width, bits, fault))
        return false;
    value = FloatOfBits(format, ValueOfBits(bits));
    return true;
}

bool EncodeFloat(const std::string& number, int system, const FloatFormat& format, FloatEncoding& encoding,
                 std::string& fault)
{
    ReadNumber read;
    if (!ReadPositional(number, system, read, fault))
        return false;
    FloatEncoding e;
    e.system = system;
    e.negative = read.negative;
    e.whole = trimleft(read.whole);
    e.fraction = FractionDigits(read.fraction);
    const uint64_t magnitude = e.whole.empty() && e.fraction.empty() ? 0 : Magnitude(format, e, e.rounding);
    const uint64_t sign = e.negative ? uint64_t(1) << (format.width - 1) : 0;
    e.value = FloatOfBits(format, sign | magnitude);
    encoding = std::move(e);
    return true;
}
