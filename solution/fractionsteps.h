// Fractions in a worked solution: a fraction's exact value, its text as a
// finite decimal or a common fraction, and the rows of the multiplication
// table that writes it in another base.
#ifndef KALVORIX_SOLUTION_FRACTIONSTEPS_H
#define KALVORIX_SOLUTION_FRACTIONSTEPS_H

#include <cstdint>
#include <string>
#include <vector>

#include "bignum.h"
#include "period.h"

// x in decimal as a table's cell shows it (Shortened): a long number is
// read at its ends only, so its text costs no pass over it.
std::string ShortDecimal(const bignum::Limbs& x);

// A fraction num/den from 0 to below 1 in lowest terms, and the prime powers
// of den.
struct Fraction {
    bignum::Limbs num;
    bignum::Limbs den{1};
    PrimePowers powers;
};

// The value of the digits after the point of a number of base (2 to 16).
Fraction FractionOf(const std::string& digits, int base);

// Whether values over this denominator are finite decimals: its only primes are 2 and 5.
bool IsDecimal(const PrimePowers& powers);

// num/den (num below den, den given with its prime powers) in lowest terms:
// a finite decimal ("0.625") where decimals is true, else a common fraction
// ("206/343"); "0" for zero. A long decimal shows its ends only.
std::string FractionText(const bignum::Limbs& num, const bignum::Limbs& den, const PrimePowers& powers, bool decimals);

// whole (decimal digits) + fraction as the solution writes a value: "11.625"
// where the fraction is a finite decimal, else "5 + 1/3", "237/343", or the
// whole part alone.
std::string ValueText(const std::string& whole, const Fraction& fraction);

// One step of the multiplication table: factor · base = product, digit. The
// product of a common fraction, improper, is followed by how its whole part
// comes out: "2607/343", then "7 + 206/343".
struct MultiplicationRow {
    std::string factor;
    std::string product;
    std::string apart;  // the whole part and the fraction of a common fraction's product; "" for none
    uint32_t digit;
};

// The steps of multiplying the fraction by base rowCount times that
// ShownRows chooses, each computed from the fraction: step k starts from
// the fraction part of fraction · base^k. Its values are decimals when the
// fraction's are.
std::vector<MultiplicationRow> MultiplicationRows(const Fraction& fraction, int base, uint64_t rowCount);

// The fraction part of fraction · base^steps: the factor of row steps + 1.
std::string FactorAfter(const Fraction& fraction, int base, uint64_t steps);

#endif
