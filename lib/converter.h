// Exact conversion of a whole non-negative number text between bases 2 to 16.
#ifndef KALVORIX_LIB_CONVERTER_H
#define KALVORIX_LIB_CONVERTER_H

#include <cstdint>
#include <string>
#include <vector>

class Converter {
public:
    // Holds text read as digits of base; the empty text is zero.
    Converter(std::string text, int base);
    ~Converter();

    // DigitValue of ch in the held base: -1 for a character that is no digit of it.
    int CharToInt(char ch) const;

    // DigitChar of v.
    char IntToChar(int v) const;

    // Divides the held number by newBase in place; returns the remainder.
    int NextNumber(int newBase);

    // True when every digit is 0 (or there is none).
    bool IsZero() const;

    // The held number written in newBase, without leading zeros ("0" for zero);
    // leaves zero behind. Digits that are not of base give a meaningless text.
    std::string Convert(int newBase);

private:
    std::vector<int> digits;  // digit values, most significant first
    int base;
};

// What Converter(text, base).Convert(newBase) gives for a text of digits of
// base, when one conversion is all a caller needs: a number kept in its base
// is the text without its leading zeros, and one of a few digits goes through
// a machine word; neither needs the converter's digit vector.
std::string ConvertText(const std::string& text, int base, int newBase);

// The value of a text of digits of base (2 to 16) as a binary number: words
// of 32 bits, least significant first, without high zero words (zero is
// empty). A character that is no digit of base counts as 0.
std::vector<uint32_t> DigitsToBinary(const std::string& text, int base);

// A binary number (as DigitsToBinary gives it, high zero words allowed)
// written in base (2 to 16) without leading zeros; "0" for zero.
std::string BinaryToDigits(const std::vector<uint32_t>& number, int base);

#endif
