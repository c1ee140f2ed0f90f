// Fractions carried between bases through a decimal bdouble, at DoubleSize digits.
#ifndef KALVORIX_LIB_FRACTION_H
#define KALVORIX_LIB_FRACTION_H

#include <string>

#include "bdouble.h"

// Sum of v_k / base^k over the digits after the first "." (or over the whole
// text when it has none), each term truncated to DoubleSize digits. Characters
// that are not digits of base count as 0.
bdouble bfConvertToDec(std::string text, int base);

// "0." followed by exactly prec digits of x (0 <= x < 1) in base, cut, never
// rounded. Only the fractional digits of x are read.
std::string bfConvertFromDec(bdouble x, int base, int prec);

// "0." followed by exactly count digits in newBase of the fraction whose digits
// in base are `digits` (the text after the separator): the exact expansion,
// cut after count digits, never rounded. Characters that are not digits of
// base count as 0.
std::string ConvertFraction(const std::string& digits, int base, int newBase, int count);

#endif
