// The Roman steps of a worked solution: a numeral read letter by letter as
// the program reads it, and a number written place by place.
#ifndef KALVORIX_SOLUTION_ROMANSTEPS_H
#define KALVORIX_SOLUTION_ROMANSTEPS_H

#include <string>
#include <vector>

// The letters and subtractive pairs of numeral, an accepted numeral that the
// greedy reading takes whole, in the order it takes them: "MCMXCIX" gives
// M, CM, XC, IX.
std::vector<std::string> RomanParts(const std::string& numeral);

// Lines reading numeral: "MCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9 = 1999",
// and for a numeral that is not in standard form a line naming it with the
// standard numeral of its value.
std::vector<std::string> RomanReading(const std::string& numeral);

// The place values of value (1 to 3999) that are not zero, largest first:
// 1994 gives 1000, 900, 90, 4.
std::vector<int> PlaceValues(int value);

// Lines writing value (0 to 3999) place by place:
// "1994 = 1000 + 900 + 90 + 4 = M + CM + XC + IV"; for 0, that it has no numeral.
std::vector<std::string> RomanWriting(int value);

#endif
