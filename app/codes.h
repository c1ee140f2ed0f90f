// Signed whole numbers in a register of N bits: the прямой код (sign and
// magnitude), the обратный код (ones' complement) and the дополнительный код
// (two's complement) of a number, and the four readings of a code. Exact for
// every width from 2 to 1024 bits.
#ifndef KALVORIX_APP_CODES_H
#define KALVORIX_APP_CODES_H

#include <string>

constexpr int CODE_WIDTH_MIN = 2;
constexpr int CODE_WIDTH_MAX = 1024;

// Reads the width of a register as typed: decimal digits, a value from
// CODE_WIDTH_MIN to CODE_WIDTH_MAX. False when refused, with fault the message.
bool ReadCodeWidth(const std::string& text, int& width, std::string& fault);

// The three codes of a whole number in width bits.
struct IntegerCodes {
    int width = 8;
    int system = 10;            // the system the number was written in
    std::string digits;         // its digits there, without sign and leading zeros ("0")
    bool negative = false;      // the number was written with "-", "-0" too
    std::string magnitude;      // its absolute value in binary, no leading zeros ("0")
    std::string decimal;        // its value in decimal, "-" in front when negative ("-0")
    bool hasDirect = true;      // it has a sign-magnitude and a ones' complement code:
                                // all but -2^(width-1), whose magnitude takes every bit
    std::string signMagnitude;  // width bits each; the first two empty without hasDirect
    std::string onesComplement;
    std::string twosComplement;
    std::string hex;            // the two's complement in ceil(width / 4) hexadecimal digits
};

// The codes of number (spaces removed) written in system (2 to 16) in width
// bits (CODE_WIDTH_MIN to CODE_WIDTH_MAX). A negative number's sign-magnitude
// code is the sign bit 1 before its magnitude, the ones' complement the
// positive number's code inverted, the two's complement that plus 1; "-0" has
// its own sign-magnitude and ones' complement codes and the two's complement
// of 0. False when refused, with fault the message: an empty number, one not
// of the system, a fraction, or a value outside [-2^(width-1), 2^(width-1) - 1].
// A number far longer than the register is refused before it is converted.
bool EncodeInteger(const std::string& number, int system, int width, IntegerCodes& codes, std::string& fault);

// The value of a code read four ways, in decimal, "-0" for a negative zero.
struct CodeReading {
    int width = 8;
    std::string code;            // width bits
    std::string unsignedValue;   // every bit a digit of the binary number
    std::string signMagnitude;   // the top bit the sign, the rest the magnitude
    std::string onesComplement;  // a negative number's magnitude is the code inverted
    std::string twosComplement;  // the top bit weighs -2^(width-1)
};

// Reads code (spaces removed), the bits written in system (2 to 16) without
// a sign, at most width bits of value, as ReadCodeText does.
bool DecodeInteger(const std::string& code, int system, int width, CodeReading& reading, std::string& fault);

// The reading of width bits.
CodeReading ReadingOf(const std::string& bits);

#endif
