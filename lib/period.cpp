// Lengths of expansions from prime factors: the part of the denominator made
// of the base's primes decides the digits before the period, the rest the
// period, whose length is the order of the base modulo that rest.
#include "period.h"

#include <algorithm>

#include "text.h"

const uint32_t SMALL_PRIMES[PRIME_COUNT] = {2, 3, 5, 7, 11, 13};

namespace {

uint64_t Valuation(uint64_t n, uint64_t p)
{
    uint64_t count = 0;
    for (; n != 0 && n % p == 0; n /= p)
        ++count;
    return count;
}

// Order of base modulo the odd prime p, which does not divide base.
uint64_t OrderModPrime(uint64_t base, uint64_t p)
{
    uint64_t order = 1;
    for (uint64_t power = base % p; power != 1; power = power * base % p)
        ++order;
    return order;
}

// Order of base modulo p^e (base not divisible by p), as prime powers. For an
// odd p, with d the order modulo p and v the exponent of p in base^d - 1, the
// order modulo p^e is d * p^(e - v) (lifting the exponent). For p = 2 the
// same holds from base or from base^2, as base is 1 or 3 modulo 4.
PrimePowers OrderModPrimePower(uint64_t base, int prime, uint64_t e)
{
    const uint64_t p = SMALL_PRIMES[prime];
    uint64_t d, v;
    if (p == 2) {
        if (e <= 1 || base % 4 == 1) {
            d = 1;
            v = Valuation(base - 1, 2);
        } else {
            d = 2;
            v = Valuation(base * base - 1, 2);
        }
    } else {
        d = OrderModPrime(base, p);
        uint64_t power = 1;
        for (uint64_t k = 0; k < d; ++k)
            power *= base;  // base^d < 16^12: no overflow
        v = Valuation(power - 1, p);
    }
    PrimePowers order = FactorsOf(d);
    if (e > v)
        order.exponent[prime] += e - v;
    return order;
}

}  // namespace

bool PrimePowers::IsOne() const
{
    for (uint64_t e : exponent)
        if (e != 0)
            return false;
    return true;
}

bool PrimePowers::Fits(uint64_t& value) const
{
    value = 1;
    for (int k = 0; k < PRIME_COUNT; ++k)
        for (uint64_t e = 0; e < exponent[k]; ++e) {
            if (value > UINT64_MAX / SMALL_PRIMES[k])
                return false;
            value *= SMALL_PRIMES[k];
        }
    return true;
}

std::string PrimePowers::Text() const
{
    uint64_t value;
    if (Fits(value))
        return NumToStr(value);
    std::string text;
    for (int k = 0; k < PRIME_COUNT; ++k) {
        if (exponent[k] == 0)
            continue;
        if (!text.empty())
            text += "·";
        text += NumToStr(SMALL_PRIMES[k]);
        if (exponent[k] > 1)
            text += "^" + NumToStr(exponent[k]);
    }
    return text;
}

PrimePowers FactorsOf(uint64_t n)
{
    PrimePowers powers;
    for (int k = 0; k < PRIME_COUNT; ++k)
        powers.exponent[k] = Valuation(n, SMALL_PRIMES[k]);
    return powers;
}

// The digits before the period: enough powers of the base to absorb every
// prime the base shares with the denominator. The period: the least common
// multiple of the orders modulo the prime powers the base does not share.
Expansion ExpansionOf(const PrimePowers& denominator, int base)
{
    const PrimePowers ofBase = FactorsOf(static_cast<uint64_t>(base));
    Expansion expansion;
    for (int k = 0; k < PRIME_COUNT; ++k) {
        const uint64_t e = denominator.exponent[k];
        if (e == 0)
            continue;
        if (ofBase.exponent[k] != 0) {
            const uint64_t f = ofBase.exponent[k];
            expansion.prePeriod = std::max(expansion.prePeriod, (e + f - 1) / f);
            continue;
        }
        expansion.finite = false;
        const PrimePowers order = OrderModPrimePower(static_cast<uint64_t>(base), k, e);
        for (int q = 0; q < PRIME_COUNT; ++q)
            expansion.period.exponent[q] = std::max(expansion.period.exponent[q], order.exponent[q]);
    }
    return expansion;
}
