// The numeral-system library: validation, fractions and Roman numerals.
// Converter has a header of its own.
#ifndef KALVORIX_LIB_KALVORLIB_H
#define KALVORIX_LIB_KALVORLIB_H

#include "fraction.h"
#include "roman.h"
#include "validate.h"

#endif
