// The notation of the worked solutions, as school textbooks write it, for
// every solution of the program (conversions, arithmetic in a base, numbers
// in memory): the systems named and declined ("из десятичной системы
// счисления в двоичную", "шестнадцатеричная цифра"), a number marked with its
// base as a subscript (1011.101₂), powers with superscript exponents (2⁻³),
// letter digits with their values ("10 (A)"), counts with their Russian words
// ("147 цифр"), and long numbers shortened with their length in digits.
// Texts are the program's Windows-1251 with the marks of charset.h.
#ifndef KALVORIX_SOLUTION_NOTATION_H
#define KALVORIX_SOLUTION_NOTATION_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "period.h"

enum class Case { NOMINATIVE, GENITIVE, DATIVE, ACCUSATIVE, INSTRUMENTAL, PREPOSITIONAL };

// The system's adjective in case c: "двоичная", "двоичной", "двоичную";
// "римская" for ROMAN. system is ROMAN or a base from NSmin to NSmax.
std::string SystemAdjective(int system, Case c);

// The adjective with "система счисления" in case c: "двоичной системы счисления".
std::string SystemName(int system, Case c);

// number with its base as a subscript (charset.h): "1011.101₂"; a Roman
// numeral stays as it is.
std::string Based(const std::string& number, int system);

constexpr size_t LONG_NUMBER = 40;   // a longer number in a table's cell is shortened
constexpr size_t LONG_ANSWER = 199;  // a longer number elsewhere (an answer, a header) is shortened
constexpr size_t NUMBER_END = 15;    // characters a shortened number keeps at each end

// "1 цифра", "3 цифры", "25 цифр": the count and its word.
std::string CountOf(uint64_t n, const char* one, const char* few, const char* many);
std::string DigitCount(uint64_t n);

// The word of a count written as a text; a product of powers takes "many".
const char* WordOf(const std::string& count, const char* one, const char* few, const char* many);

// How many digits (0-9, A-F) the text holds: a sign, a point or a period's
// parentheses are none.
uint64_t DigitsOf(const std::string& text);

// number itself, or when it has more than longest characters its first and
// last NUMBER_END and its length in digits:
// "123456789012345…543210987654321 (32767 цифр)".
std::string Shortened(const std::string& number, size_t longest = LONG_NUMBER);

// The same for a number known by its ends only (each at least NUMBER_END
// characters) and its digits, more than fit a cell.
std::string ShortenedEnds(const std::string& head, const std::string& tail, uint64_t digits);

// number as a sentence states it: with its base as a subscript, shortened
// when longer than longest ("1234…6789₁₆ (32767 цифр)").
std::string Stated(const std::string& number, int system, size_t longest = LONG_ANSWER);

// base to the power exponent: "2³", "7⁻¹".
std::string PowerText(uint64_t base, long long exponent);

// A digit's value, with the letter it is written as when it is one: "7", "10 (A)".
std::string DigitWithValue(uint32_t value);

// A number given by its prime powers: its value when that fits 64 bits,
// else the product of powers, "2·3¹⁶³⁸²·5¹⁶³⁸²".
std::string PowersText(const PrimePowers& powers);

#endif
