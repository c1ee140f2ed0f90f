// Whether a converted fraction is exact, its exact value when it can be
// written out, and the sentence of the solution that says so.
#ifndef KALVORIX_SOLUTION_EXACTNESS_H
#define KALVORIX_SOLUTION_EXACTNESS_H

#include <cstdint>
#include <string>

#include "fractionsteps.h"
#include "period.h"

struct Exactness {
    bool exact = true;       // the cut result holds every digit of the fraction
    Expansion expansion;     // the fraction's expansion in the target base
    bool written = true;     // digits holds the exact fraction
    std::string digits;      // its digits after the point, the period in parentheses
};

// The facts of the fraction whose digits (after the point, in base from)
// have the value fraction, written in base to and cut to precision digits.
// The exact digits come from the library's exact fraction conversion.
Exactness ExactnessOf(const std::string& digits, int from, int to, const Fraction& fraction, int precision);

// The closing sentence: "Результат точный." or what was cut and, on a line
// of its own, what the exact value is, whole its whole part with its sign,
// in base to.
std::string ExactnessSentence(const Exactness& facts, const std::string& whole, int to, int precision);

// whole, and the point and the digits when there are any.
std::string ExactValue(const Exactness& facts, const std::string& whole);

#endif
