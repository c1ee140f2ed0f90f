// How a worked solution names the numeral systems and marks a number's base,
// as school textbooks do: "из десятичной системы счисления в двоичную",
// "шестнадцатеричная цифра", 1011.101₂.
#ifndef KALVORIX_SOLUTION_NOTATION_H
#define KALVORIX_SOLUTION_NOTATION_H

#include <string>

enum class Case { NOMINATIVE, GENITIVE, DATIVE, ACCUSATIVE, INSTRUMENTAL, PREPOSITIONAL };

// The system's adjective in case c: "двоичная", "двоичной", "двоичную";
// "римская" for ROMAN. system is ROMAN or a base from NSmin to NSmax.
std::string SystemAdjective(int system, Case c);

// The adjective with "система счисления" in case c: "двоичной системы счисления".
std::string SystemName(int system, Case c);

// number with its base as a subscript (charset.h): "1011.101₂"; a Roman
// numeral stays as it is.
std::string Based(const std::string& number, int system);

#endif
