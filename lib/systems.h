// The numeral systems: their numbers, the largest Roman value, and the one
// rule each for what a base is, what separates a number's parts, and which
// digit character has which value.
#ifndef KALVORIX_LIB_SYSTEMS_H
#define KALVORIX_LIB_SYSTEMS_H

constexpr int ROMAN = -1;        // the Roman system's number, in lists, commands and the library
constexpr int ROMAN_MAX = 3999;  // largest number that has a Roman numeral
constexpr int NSmin = 2;         // smallest positional base
constexpr int NSmax = 16;        // largest positional base

// Whether base is a positional base the program works in, NSmin to NSmax.
constexpr bool IsBase(int base)
{
    return base >= NSmin && base <= NSmax;
}

// Whether system is ROMAN or a base.
constexpr bool IsSystem(int system)
{
    return system == ROMAN || IsBase(system);
}

// Whether ch separates a number's whole part from its fraction: "." or ",".
constexpr bool IsSeparator(char ch)
{
    return ch == '.' || ch == ',';
}

// The digit alphabet: the value of each byte as a digit of the largest base,
// -1 for a byte that is no digit. Small letters are never digits.
struct DigitValues {
    signed char of[256];
};

constexpr DigitValues MakeDigitValues()
{
    DigitValues values{};
    for (int byte = 0; byte < 256; ++byte)
        values.of[byte] = static_cast<signed char>(byte >= '0' && byte <= '9'   ? byte - '0'
                                                   : byte >= 'A' && byte <= 'F' ? byte - 'A' + 10
                                                                                : -1);
    return values;
}

constexpr DigitValues DIGIT_VALUES = MakeDigitValues();

// Value of ch as a digit of base: "0"-"9" for 0 to 9 and, in bases up to 16,
// "A"-"F" for 10 to 15; -1 for any other character and for a value not below
// base. Inline and by table: it runs once per character of every number read.
constexpr int DigitValue(char ch, int base)
{
    const int value = DIGIT_VALUES.of[static_cast<unsigned char>(ch)];
    return value < base && (value < 10 || base <= NSmax) ? value : -1;
}

// Character of the digit value: "0"-"9" for 0 to 9, "A"-"F" for 10 to 15
// (for any other value the code value + 55).
constexpr char DigitChar(int value)
{
    return static_cast<char>(value >= 0 && value <= 9 ? '0' + value : 'A' - 10 + value);
}

#endif
