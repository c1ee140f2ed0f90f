// The worked solutions of the floating-point formats: a number brought to a
// format, and bits read as a number of a format, as a textbook does them.
#ifndef KALVORIX_SOLUTION_FLOATSTEPS_H
#define KALVORIX_SOLUTION_FLOATSTEPS_H

#include <string>

#include "floats.h"

// How a number was brought to its format: its exact binary value (with its
// period when it has one), normalised to 1.xxx₂ · 2ᵉ, the biased exponent,
// the mantissa's bits kept and the first dropped, the rounding to nearest
// (ties to even) and why it went that way, the fields and their hexadecimal
// form, the value stored and its error; a subnormal number, an overflow and
// a zero explained where they arise.
std::string FloatSolution(const FloatEncoding& encoding);

// How bits, written as code (spaces removed) in system, read in their
// format: the fields, the class the exponent field gives, the value.
std::string FloatReadingSolution(const FloatValue& value, const std::string& code, int system);

#endif
