// The grouping method of a worked solution, between the bases 2, 4, 8 and 16
// that are powers of two: each of their digits stands for a group of bits.
#ifndef KALVORIX_SOLUTION_GROUPSTEPS_H
#define KALVORIX_SOLUTION_GROUPSTEPS_H

#include <string>
#include <vector>

// Whether both bases are powers of two, and different.
bool GroupingApplies(int from, int to);

// The number whole.fraction of base from, written in base to by way of its
// bits: the whole part without leading zeros ("0" for zero), the fraction's
// digits in full, without trailing zeros (empty for none).
struct Grouped {
    std::string whole;
    std::string fraction;
};
Grouped GroupDigits(const std::string& whole, const std::string& fraction, int from, int to);

// Lines of the grouping of whole.fraction (whole without leading zeros, "0"
// for zero; fraction without trailing zeros, possibly empty) from base from
// to base to, the fraction cut to precision digits.
std::vector<std::string> GroupingLines(const std::string& whole, const std::string& fraction, int from, int to,
                                       int precision);

#endif
