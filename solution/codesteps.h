// The worked solutions of the integer codes: a number written in its three
// codes, and a code read four ways, as a textbook does them.
#ifndef KALVORIX_SOLUTION_CODESTEPS_H
#define KALVORIX_SOLUTION_CODESTEPS_H

#include <string>

#include "codes.h"

// How the codes of a number were made: its magnitude in binary, padded
// behind the sign bit, the inversion, 1 added in a column, and the check
// that the two's complement of -x and the code of x add up to 0.
std::string CodesSolution(const IntegerCodes& codes);

// How a code, written as code (spaces removed) in system, reads: without a
// sign, then by the sign bit in each of the three codes, the two's
// complement also by the weight -2^(width-1) of its top bit.
std::string CodeReadingSolution(const CodeReading& reading, const std::string& code, int system);

#endif
