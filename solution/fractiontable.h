// The multiplication table that writes a fraction in a base, and where it
// stops: the fraction ran out (a finite fraction), a fractional part came
// back (the row it repeats, the repeating digits, a pure or mixed periodic
// fraction and its exact value), or the precision ended a table whose end or
// repeat lies too far down to show, with the lengths that the prime factors
// of the denominator give.
#ifndef KALVORIX_SOLUTION_FRACTIONTABLE_H
#define KALVORIX_SOLUTION_FRACTIONTABLE_H

#include <cstdint>
#include <string>
#include <vector>

#include "exactness.h"
#include "fractionsteps.h"

// The rows of the table of a fraction with this expansion, at precision:
// all the way to its end or first repeat when that lies within
// max(LONG_TABLE, precision) rows, else precision rows.
uint64_t TableRows(const Expansion& expansion, int precision);

// The table of fraction (not zero) into base and its end. what names the
// fraction at the head ("Дробную часть 0.625"); stated is it as the end's
// equality starts ("0.625₁₀", "237/343"); facts its exactness in base.
std::vector<std::string> MultiplicationLines(const std::string& what, const std::string& stated, const Fraction& fraction,
                                             int base, const Exactness& facts, int precision);

#endif
