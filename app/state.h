// State that outlives one command: the working precision, the current value,
// the memory register, and the fixed tables of the numeral systems.
#ifndef KALVORIX_APP_STATE_H
#define KALVORIX_APP_STATE_H

#include <string>

#include "bdouble.h"

extern const int NSmin;             // smallest positional base
extern const int NSmax;             // largest positional base
extern const std::string DIGITS[16];  // digit of each value 0 to 15

extern int iFT;                  // working precision; settings file, conversions
extern std::string strM_BUF;     // decimal text of the value last shown; conversions, MR
extern bdouble bM_REGISTER;      // the memory register; memory commands only
extern int iM_REGISTER_PREC;     // precision the register was last made or rescaled at

#endif
