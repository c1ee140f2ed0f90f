// Division "уголком" in any base, as a school writes it: the divisor made
// whole by moving the point, the first incomplete dividend, one digit of the
// quotient at a time, zeros brought down after the dividend's digits, until
// the remainder is zero, a remainder repeats (the period) or the precision
// is reached. Long numbers are shown by their ends and the steps by a cut
// table, each step computed from the dividend's prefix, never from the
// steps before it.
#ifndef KALVORIX_SOLUTION_CORNERSTEPS_H
#define KALVORIX_SOLUTION_CORNERSTEPS_H

#include <cstdint>
#include <string>
#include <vector>

#include "columnsteps.h"

// What the quotient's expansion is known to be: its digits before the
// period and the period's length when written (period 0: it ends), else
// unknown (neither is written).
struct QuotientFacts {
    bool written = true;
    uint64_t prePeriod = 0;
    uint64_t period = 0;
    // The dividend modulo the divisor, when the caller already has it: a long
    // division's last steps start from it.
    bool remainderKnown = false;
    naturals::Natural remainder;
};

// a : b (b not zero) in the reader's base, to precision digits after the
// point: the lines of the division, ending with where and why it stops.
std::vector<std::string> CornerDivisionLines(const Positional& a, const Positional& b, EndsReader& reader,
                                             int precision, const QuotientFacts& facts);

#endif
