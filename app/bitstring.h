// Bit strings as the integer codes and the floating-point formats write
// them, and the exact conversions they need between binary and the numeral
// systems: the one place those modules call the library, so that its names
// are followed in one file.
#ifndef KALVORIX_APP_BITSTRING_H
#define KALVORIX_APP_BITSTRING_H

#include <cstdint>
#include <string>

#include "convert.h"

// The digits of a fraction without their trailing zeros: empty when every
// one is 0.
std::string FractionDigits(const std::string& digits);

// The whole number of the digits (of base, validated; leading zeros allowed)
// in binary, without leading zeros: "0" for zero.
std::string BinaryOfWhole(const std::string& digits, int base);

// The first count binary digits of the fraction whose digits after the
// point, in base, are digits: the exact expansion, cut, never rounded.
std::string BinaryOfFraction(const std::string& digits, int base, int count);

// Whether the fraction of digits (after the point, in base) equals the
// binary fraction of bits exactly: whether nothing but zeros follows bits in
// the fraction's binary expansion. Found by writing bits back in base, which
// is finite and short (a few more digits than bits), never by expanding
// digits in full.
bool FractionEquals(const std::string& digits, int base, const std::string& bits);

// The decimal text of bits · 2^exponent (bits a whole binary number, leading
// zeros allowed): exact, never in exponent form, no sign, "0" for zero.
std::string DecimalOfScaled(const std::string& bits, long long exponent);

// The decimal text of a whole binary number.
std::string DecimalOfBinary(const std::string& bits);

// The lower bound of a number's bits per digit of base, floor(log2 base): a
// whole number of k digits (the first not 0) is at least 2^((k - 1) * that).
int BitsPerDigitAtLeast(int base);

// bits grouped by four from the right, the groups apart by a space: "1 1010 0011".
std::string GroupedByFour(const std::string& bits);

// The hexadecimal digits of bits, upper case, one a group of four from the
// right: ceil(width / 4) digits, leading zeros kept.
std::string HexOfBits(const std::string& bits);

// Every bit turned over.
std::string Inverted(std::string bits);

// The sum of two bit strings of one width added in a column, as a pupil adds
// them: the sum in that width (a carry out of the top column is lost), the
// carry into each column (bit k of carries into column k, "0" or "1"; the
// lowest column gets none) and the carry out of the top one.
struct ColumnSum {
    std::string sum;
    std::string carries;
    bool carryOut = false;
};
ColumnSum AddInColumn(const std::string& a, const std::string& b);

// The width lowest bits of value, most significant first.
std::string BitsOf(uint64_t value, int width);

// The value of at most 64 bits.
uint64_t ValueOfBits(const std::string& bits);

// ReadNumberText for the positional systems 2 to 16 alone: any other system
// is refused with an empty fault, as no window or command line offers it.
bool ReadPositional(const std::string& text, int system, ReadNumber& read, std::string& fault);

// Reads a code: the bits of a register of width written as a whole number of
// system (2 to 16) without a sign or a fraction, leading zeros allowed, into
// bits, width binary digits. False when refused, with fault the message: an
// empty code, a digit not of the system, a sign, a separator, or more than
// width bits of value.
bool ReadCodeText(const std::string& text, int system, int width, std::string& bits, std::string& fault);

#endif
