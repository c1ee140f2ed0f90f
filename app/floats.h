// Numbers in the binary floating-point formats of IEEE 754: binary16
// (половинная точность), binary32 (одинарная) and binary64 (двойная). A
// number written in any system 2 to 16 is brought to a format from its exact
// value, rounded to the nearest representable value, ties to even, as the
// standard and every processor do; bits are read back to their exact value.
// Only whole numbers are computed with, never float or double, so every
// compiler and the 32-bit program give the same bits.
#ifndef KALVORIX_APP_FLOATS_H
#define KALVORIX_APP_FLOATS_H

#include <cstdint>
#include <string>

struct FloatFormat {
    int width = 32;         // 16, 32 or 64 bits
    int exponentBits = 8;   // the biased exponent's field
    int mantissaBits = 23;  // the mantissa's field: the digits after the leading 1
    const char* name = "binary32";

    int Bias() const { return (1 << (exponentBits - 1)) - 1; }
    // The exponents of normal numbers: 2^MinExponent() to below 2^(MaxExponent() + 1).
    int MinExponent() const { return 1 - Bias(); }
    int MaxExponent() const { return Bias(); }
    // Significant bits, the leading one with the mantissa.
    int Precision() const { return mantissaBits + 1; }
};

// The format of width 16, 32 or 64 bits; false for any other width.
bool FloatFormatOf(int width, FloatFormat& format);

enum class FloatClass { ZERO, SUBNORMAL, NORMAL, INFINITE_VALUE, NOT_A_NUMBER };

// What a pattern of bits of a format holds.
struct FloatValue {
    FloatFormat format;
    uint64_t bits = 0;
    FloatClass kind = FloatClass::ZERO;
    bool negative = false;
    uint32_t exponent = 0;     // the biased exponent field
    uint64_t mantissa = 0;     // the mantissa field
    uint64_t significand = 0;  // finite: the mantissa with its leading 1 when normal
    int scale = 0;             // finite: the value is significand * 2^scale
    std::string signField;     // the fields' bits: 1, exponentBits and mantissaBits of them
    std::string exponentField;
    std::string mantissaField;
    std::string hex;           // all the bits, width / 4 hexadecimal digits
    std::string stored;        // finite: the exact value in decimal, never in exponent
                               // form, "-0" for the negative zero; empty otherwise

    // All the bits, sign first.
    std::string Bits() const { return signField + exponentField + mantissaField; }
};

// The value of the lowest format.width bits of bits.
FloatValue FloatOfBits(const FloatFormat& format, uint64_t bits);

// Reads code (spaces removed), the bits written in system (2 to 16) without
// a sign, at most format.width bits of value, as ReadCodeText does, and gives
// their value. False when refused, with fault the message.
bool DecodeFloat(const std::string& code, int system, const FloatFormat& format, FloatValue& value,
                 std::string& fault);

// How a number was brought to a format, for the worked solution.
struct FloatRounding {
    enum Path {
        ZERO,       // the number is zero: the zero of its sign, exactly
        TOO_LARGE,  // its whole part's length alone shows it is at least 2^(MaxExponent() + 1)
        TOO_SMALL,  // the zeros after its point show it below half the least subnormal number
        COMPUTED,   // its bits were computed and rounded
    };
    Path path = ZERO;
    // COMPUTED: the binary digits the rounding looked at.
    std::string wholeBits;     // the whole part in binary ("0")
    std::string fractionBits;  // the fraction's first binary digits, cut
    bool fractionEnds = true;  // the fraction's binary expansion ends within fractionBits
    bool found = false;        // a 1 was among those digits: the number's leading bit
    int leading = 0;           // found: its exponent, 2^leading <= |x| < 2^(leading + 1)
    int scale = 0;             // found and finite: the exponent of the last bit kept
    uint64_t kept = 0;         // the bits kept, before rounding, as a whole number
    bool roundBit = false;     // the first bit dropped
    bool sticky = false;       // any 1 after it, among the digits or beyond them
    bool roundedUp = false;    // 1 was added to the bits kept
    bool exact = true;         // the stored value equals the number

    // COMPUTED: the digit at the place of 2^place, 0 beyond the digits computed.
    bool BitAt(long long place) const;
    // COMPUTED: whether a 1 stands below the place among the digits computed.
    bool OneBelow(long long place) const;
};

// A number brought to a format.
struct FloatEncoding {
    int system = 10;
    bool negative = false;
    std::string whole;     // the number's digits in system: the whole part without leading
    std::string fraction;  // zeros (empty for 0), the fraction without trailing zeros
    FloatRounding rounding;
    FloatValue value;      // the bits stored and what they hold
};

// Brings number (spaces removed), written in system (2 to 16) with a sign
// and a fraction of any length, to format: rounded to nearest, ties to even;
// a magnitude that rounds beyond the largest finite number is infinity, one
// below half the least subnormal number is a zero of its sign. Long numbers
// far out of range are decided by their length, not converted. False when
// refused (an empty number, one not of the system), with fault the message.
bool EncodeFloat(const std::string& number, int system, const FloatFormat& format, FloatEncoding& encoding,
                 std::string& fault);

#endif
