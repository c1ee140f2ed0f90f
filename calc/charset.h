// The character set of the program's texts: Windows-1251 bytes, and a few
// control bytes, which no message, number or typed text holds, standing for
// the characters of a textbook's notation that Windows-1251 lacks: the base
// of a number as a subscript (1011₂) and an exponent as a superscript (2⁻¹⁴⁹).
// Each mark is one byte and takes one column, so tables stay aligned; the
// command line writes marks as their Unicode characters, a window paints them
// as small characters below or above the line.
#ifndef KALVORIX_CALC_CHARSET_H
#define KALVORIX_CALC_CHARSET_H

#include <string>

// The Unicode code point of one byte of the program's text; U+FFFD for 0x98,
// the byte that Windows-1251 leaves unassigned.
char32_t CodePointOf(unsigned char byte);

// The byte that stands for code point cp in the program's text; 0 for a code
// point that has none.
unsigned char ByteOf(char32_t cp);

enum class Script { LINE, SUBSCRIPT, SUPERSCRIPT };

// Where a byte is written: on the line, or as a mark below or above it.
Script ScriptOf(unsigned char byte);

// The character a mark is drawn as, small ('0' to '9', or '-' for the
// superscript minus); any other byte is itself.
char ShapeOf(unsigned char byte);

// n (0 or more) in subscript digits: "₁₆".
std::string Subscript(unsigned n);

// n in superscript digits, with a superscript minus when it is negative: "⁻¹⁴⁹".
std::string Superscript(long long n);

#endif
