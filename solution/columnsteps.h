// Addition, subtraction and multiplication in a column, as a school writes
// them in any base: the numbers aligned at the point, the carries or the
// borrowed units over the columns, each column explained in the base's own
// digits, the partial products of a multiplication shifted under each other.
// Numbers too long for a drawing are shown by their ends and their columns
// by a cut table, worked from the ends of the digits alone.
#ifndef KALVORIX_SOLUTION_COLUMNSTEPS_H
#define KALVORIX_SOLUTION_COLUMNSTEPS_H

#include <cstdint>
#include <string>
#include <vector>

#include "digitends.h"
#include "naturals.h"

// A non-negative number written with finitely many digits in a base: its
// digits read as one whole number, and how many of them follow the point.
struct Positional {
    naturals::Natural digits;
    uint64_t fraction = 0;
};

// Each function works in the base of the reader it is given, whose powers
// the numbers of one solution share.

// The text of a number: all its digits, the point, no zeros at the end of
// the fraction, shortened when long (its ends and its length).
std::string PositionalText(const Positional& x, EndsReader& reader);

// a + b: the lines of the column and its explanation; sum receives
// the result.
std::vector<std::string> ColumnAdditionLines(const Positional& a, const Positional& b, EndsReader& reader, Positional& sum);

// a - b for a >= b, with the borrowed units; difference receives the result.
std::vector<std::string> ColumnSubtractionLines(const Positional& a, const Positional& b, EndsReader& reader,
                                                Positional& difference);

// a · b: the partial products (one per digit of b, shifted), the
// digit products they come from, and their sum; product receives the result.
std::vector<std::string> ColumnMultiplicationLines(const Positional& a, const Positional& b, EndsReader& reader,
                                                   Positional& product);

// The digit products of a times one digit of its base, as the base's table
// gives them: "9 · 5 = 45 = 2D₁₆: пишем D, 2 в уме". Only for a short a.
std::vector<std::string> DigitProductLines(const std::string& a, uint32_t digit, int base);

#endif
