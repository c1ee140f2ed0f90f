// How long the expansion of a fraction in a base is: the digits before the
// period and the period, from the prime factors of the fraction's
// denominator alone, so that even lengths far beyond any computation are
// exact. Every base from 2 to 16 is a product of the primes 2 to 13, and so
// is every denominator of a fraction written in one.
#ifndef KALVORIX_LIB_PERIOD_H
#define KALVORIX_LIB_PERIOD_H

#include <array>
#include <cstdint>
#include <string>

// The longest exact fraction written out, in digits after the point: a
// longer one is only described.
constexpr uint64_t LONGEST_EXACT = 10000;

constexpr int PRIME_COUNT = 6;
extern const uint32_t SMALL_PRIMES[PRIME_COUNT];  // 2, 3, 5, 7, 11, 13

// A whole number given by the exponents of SMALL_PRIMES.
struct PrimePowers {
    std::array<uint64_t, PRIME_COUNT> exponent{};

    bool IsOne() const;
    // The value, when it is below 2^64.
    bool Fits(uint64_t& value) const;
    // Decimal when it fits 64 bits, else the product of powers ("2·3^32766").
    std::string Text() const;
};

// The prime powers of n, a number whose primes are all among SMALL_PRIMES.
PrimePowers FactorsOf(uint64_t n);

struct Expansion {
    uint64_t prePeriod = 0;  // digits after the point before the period begins; all
                             // the digits of a finite expansion
    bool finite = true;      // no period: the denominator divides a power of the base
    PrimePowers period;      // length of the period, when there is one
};

// The expansion in base (2 to 16) of a / denominator, a fraction in lowest
// terms whose denominator is given by its prime powers.
Expansion ExpansionOf(const PrimePowers& denominator, int base);

#endif
