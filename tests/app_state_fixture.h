// Puts the application's state back to its start-up values, so that every
// command test starts from a fresh program.
#ifndef KALVORIX_TESTS_APP_STATE_FIXTURE_H
#define KALVORIX_TESTS_APP_STATE_FIXTURE_H

#include "bdouble.h"
#include "state.h"

inline void ResetAppState()
{
    iFT = 4;
    SetPrec(4);
    strM_BUF = "0";
    bM_REGISTER = bdouble("0.0");
    iM_REGISTER_PREC = 4;
}

#endif
