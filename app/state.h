// State that outlives one command: the working precision, the current value,
// the memory register, and the digit texts of the messages.
#ifndef KALVORIX_APP_STATE_H
#define KALVORIX_APP_STATE_H

#include <array>
#include <string>

#include "bdouble.h"
#include "systems.h"

extern const std::array<std::string, NSmax> DIGITS;  // digit of each value 0 to 15, as a text

extern int iFT;                  // working precision; settings file, conversions
extern std::string strM_BUF;     // decimal text of the value last shown; conversions, MR
extern bdouble bM_REGISTER;      // the memory register; memory commands only
extern int iM_REGISTER_PREC;     // precision the register was last made or rescaled at

// Puts every value above, and the arithmetic's precision, back as the
// program starts them: for tests and fuzz targets that run many commands.
void ResetAppState();

#endif
