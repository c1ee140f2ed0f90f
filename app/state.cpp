// The application's lasting state. Definitions follow the order in which the
// program builds them at start-up; the register needs only DoubleSize, which
// is constant-initialised and so ready before any dynamic initialisation.
#include "state.h"

const int NSmin = 2;
const int NSmax = 16;
int iFT = 4;

const std::string DIGITS[16] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F",
};

bdouble bM_REGISTER("0.0");
std::string strM_BUF = "0";
int iM_REGISTER_PREC = 4;  // the precision DoubleSize has while bM_REGISTER is built
