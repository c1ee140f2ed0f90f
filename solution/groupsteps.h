// The grouping method of a worked solution, between the bases 2, 4, 8 and 16
// that are powers of two: each of their digits stands for a group of bits,
// a pair, a triad or a tetrad.
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

// The sections of the grouping of whole.fraction (whole without leading
// zeros, "0" for zero; fraction without trailing zeros, possibly empty) from
// base from to base to: the route through the binary system, and a step
// each way that is not binary, each with its table of groups.
std::vector<std::vector<std::string>> GroupingSections(const std::string& whole, const std::string& fraction, int from,
                                                       int to);

// The grouping taken back, for a check: the number whole.fraction of base
// from through its bits into base to, "37.5₈ = 011 111.101₂ = 0001 1111.1010₂ = 1F.A₁₆".
std::string GroupingBack(const std::string& whole, const std::string& fraction, int from, int to);

#endif
