// The Roman steps of a worked solution: a numeral read letter by letter as
// the program reads it, and a number written place by place. A subtractive
// pair is always shown as its difference, "CM" as (1000 - 100).
#ifndef KALVORIX_SOLUTION_ROMANSTEPS_H
#define KALVORIX_SOLUTION_ROMANSTEPS_H

#include <string>
#include <vector>

// The letters and subtractive pairs of numeral, an accepted numeral that the
// greedy reading takes whole, in the order it takes them: "MCMXCIX" gives
// M, CM, XC, IX.
std::vector<std::string> RomanParts(const std::string& numeral);

// The reading of numeral as a chain of equalities (steptext.h's Chain):
// "MCMXCIV = M + CM + XC + IV = 1000 + (1000 - 100) + (100 - 10) + (5 - 1) = 1994".
std::vector<std::string> RomanReadingLines(const std::string& numeral);

// Lines reading numeral: the rule, the chain, and for a numeral that is not
// in standard form a line naming it with the standard numeral of its value.
std::vector<std::string> RomanReading(const std::string& numeral);

// The place values of value (1 to 3999) that are not zero, largest first:
// 1994 gives 1000, 900, 90, 4.
std::vector<int> PlaceValues(int value);

// Lines writing value (1 to 3999) place by place: "1994 = 1000 + 900 + 90 + 4",
// each place's numeral ("900 = CM  (1000 - 100)") and the numeral they make.
std::vector<std::string> RomanWriting(int value);

#endif
