// The arithmetic module: text helpers, digit vectors and the decimal type.
#ifndef KALVORIX_CALC_KALVORCALC_H
#define KALVORIX_CALC_KALVORCALC_H

#include "bdouble.h"
#include "digits.h"
#include "text.h"

#endif
