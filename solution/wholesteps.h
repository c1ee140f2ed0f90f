// The steps of a whole number in a worked solution: the terms of its
// developed form (digit times a power of the base), and the division table
// that writes a decimal number in another base.
#ifndef KALVORIX_SOLUTION_WHOLESTEPS_H
#define KALVORIX_SOLUTION_WHOLESTEPS_H

#include <cstdint>
#include <string>
#include <vector>

// One term of the developed form: digit · base^power = value (decimal, shortened).
struct TermRow {
    uint32_t digit;
    uint64_t power;
    std::string value;
};

// How many digits of digits (a whole number of base) are not 0: the rows
// of its table of terms.
uint64_t NonZeroDigits(const std::string& digits, int base);

// The terms of digits (a whole number of base, no leading zero) that the
// table of terms shows: one row per digit that is not 0 (a zero term adds
// nothing), the rows ShownRows chooses of those, most significant first.
std::vector<TermRow> ExpansionRows(const std::string& digits, int base);

// One step of the division table: dividend : base = quotient, remainder
// (dividend and quotient decimal, shortened).
struct DivisionRow {
    std::string dividend;
    std::string quotient;
    uint32_t remainder;
};

// The steps of the table dividing decimal (no leading zero, not "0") by base
// until the quotient is zero, which takes rowCount steps (the number of its
// digits in base): the rows that ShownRows chooses, each computed from decimal.
std::vector<DivisionRow> DivisionRows(const std::string& decimal, int base, uint64_t rowCount);

// Lines writing decimal (no leading zero, not "0") in base, where it has the
// digits digits: the division table, or the one sentence of a number below
// the base. ofWholePart: it is the whole part of a number with a fraction.
std::vector<std::string> DivisionLines(const std::string& decimal, int base, const std::string& digits, bool ofWholePart);

#endif
