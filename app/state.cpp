// The application's lasting state. Definitions follow the order in which the
// program builds them at start-up; the register needs only DoubleSize, which
// is constant-initialised and so ready before any dynamic initialisation.
#include "state.h"

#include "validate.h"

namespace {

std::array<std::string, NSmax> DigitTexts()
{
    std::array<std::string, NSmax> texts;
    for (int value = 0; value < NSmax; ++value)
        texts[static_cast<size_t>(value)] = std::string(1, DigitChar(value));
    return texts;
}

}  // namespace

int iFT = PREC_DEFAULT;

const std::array<std::string, NSmax> DIGITS = DigitTexts();

bdouble bM_REGISTER("0.0");
std::string strM_BUF = "0";
int iM_REGISTER_PREC = PREC_DEFAULT;  // the precision DoubleSize has while bM_REGISTER is built

void ResetAppState()
{
    iFT = PREC_DEFAULT;
    SetPrec(PREC_DEFAULT);
    strM_BUF = "0";
    bM_REGISTER = bdouble("0.0");
    iM_REGISTER_PREC = PREC_DEFAULT;
}
