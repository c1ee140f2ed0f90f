// The steps of a fraction in a worked solution: its value as a sum of
// negative powers of its base, and the multiplication table that writes it
// in another base. Values are finite decimals where they have one and
// reduced common fractions otherwise.
#ifndef KALVORIX_SOLUTION_FRACTIONSTEPS_H
#define KALVORIX_SOLUTION_FRACTIONSTEPS_H

#include <cstdint>
#include <string>
#include <vector>

#include "bignum.h"
#include "period.h"

// A fraction num/den from 0 to below 1 in lowest terms, and the prime powers
// of den.
struct Fraction {
    bignum::Limbs num;
    bignum::Limbs den{1};
    PrimePowers powers;
};

// The value of the digits after the point of a number of base (2 to 16).
Fraction FractionOf(const std::string& digits, int base);

// whole + num/den (num below den, with den's prime powers), reduced: a finite
// decimal ("1.25") where the reduced denominator is made of 2 and 5, else a
// common fraction, after the whole part when there is one ("6 2/3").
std::string ValueText(uint32_t whole, const bignum::Limbs& num, const bignum::Limbs& den, const PrimePowers& powers);

// One step of the multiplication table: factor · base = product, digit.
struct MultiplicationRow {
    std::string factor;
    std::string product;
    uint32_t digit;
};

// The steps of multiplying the fraction by base rowCount times that
// ShownRows chooses, each computed from the fraction: step k starts from
// the fraction part of fraction · base^k.
std::vector<MultiplicationRow> MultiplicationRows(const Fraction& fraction, int base, uint64_t rowCount);

// Lines writing the fraction of digits of base (not 10; no trailing zero) in
// decimal: "0.101 (2) = 1·2^(-1) + 0·2^(-2) + 1·2^(-3) = 5/8 = 0.625".
std::vector<std::string> FractionValueLines(const std::string& digits, int base, const Fraction& fraction);

// Lines of the multiplication table of rowCount steps into base, ending in
// digits (the fraction's digits in base after "0.", as many as steps): ended
// when the fraction ran out, else cut by the precision.
std::vector<std::string> MultiplicationLines(const Fraction& fraction, int base, uint64_t rowCount, bool ended,
                                             const std::string& digits);

#endif
