// Roman numerals in the standard subtractive notation.
#ifndef KALVORIX_LIB_ROMAN_H
#define KALVORIX_LIB_ROMAN_H

#include <cstddef>

extern const char* const romanar[13];  // "I", "IV", "V", ... "M"; odd entries are pairs

// Numeral of n ("" for 0), in a static buffer that the next call overwrites.
// Above 3999 it writes one "M" per thousand.
const char* ArabToRoman(unsigned short n);

// Greedy left-to-right reading of text (0 to 65535); what the scan cannot
// match is ignored.
int RomanToArab(const char* text);

// Number of leading characters of text[0..len) that the greedy scan of
// RomanToArab reads; len when it reads the whole text.
size_t RomanScanLength(const char* text, size_t len);

#endif
