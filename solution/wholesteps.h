// The steps of a whole number in a worked solution: the positional expansion
// that writes it in decimal, and the division table that writes a decimal
// number in another base.
#ifndef KALVORIX_SOLUTION_WHOLESTEPS_H
#define KALVORIX_SOLUTION_WHOLESTEPS_H

#include <cstdint>
#include <string>
#include <vector>

// One term of the expansion: digit · base^power = value (decimal, shortened).
struct TermRow {
    uint32_t digit;
    uint64_t power;
    std::string value;
};

// The terms of digits (a whole number of base, no leading zero) that the
// expansion's table shows (ShownRows of one row per digit), most significant first.
std::vector<TermRow> ExpansionRows(const std::string& digits, int base);

// Lines writing digits of base (not 10; leading zeros allowed) in decimal as
// the sum of its digits times powers of the base, ending in decimal, its value.
std::vector<std::string> ExpansionLines(const std::string& digits, int base, const std::string& decimal);

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

// Lines of the division table of decimal (leading zeros allowed), titled by
// what it is ("Целая часть", "Число"), ending in digits, its base-base digits.
std::vector<std::string> DivisionLines(const std::string& title, const std::string& decimal, int base,
                                       const std::string& digits);

#endif
