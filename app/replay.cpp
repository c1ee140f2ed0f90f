// Replays of the conversion and MR on a saved copy of the program's state.
#include "replay.h"

#include <algorithm>
#include <climits>

#include "bdouble.h"
#include "convert.h"
#include "memory.h"
#include "state.h"
#include "validate.h"

namespace {

// Every global that a conversion or MR writes, put back as it was.
class SavedState {
public:
    SavedState()
        : precision_(iFT), current_(strM_BUF), doubleSize_(DoubleSize), register_(bM_REGISTER),
          registerPrecision_(iM_REGISTER_PREC)
    {
    }
    ~SavedState()
    {
        iFT = precision_;
        strM_BUF = current_;
        SetPrec(doubleSize_);
        bM_REGISTER = register_;
        iM_REGISTER_PREC = registerPrecision_;
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    int precision_;
    std::string current_;
    int doubleSize_;
    bdouble register_;
    int registerPrecision_;
};

Replayed Replay(const Outcome& outcome, int precision)
{
    Replayed replayed;
    replayed.ok = outcome.kind == Outcome::OUTPUT;
    replayed.result = outcome.text;
    replayed.decimal = strM_BUF;
    replayed.precision = precision;
    return replayed;
}

}  // namespace

Replayed ReplayConversion(const std::string& number, const std::string& precision, int source, int target)
{
    const SavedState saved;
    const Outcome outcome = ConvertRequest(number, precision, source, target);
    return Replay(outcome, iFT);
}

Replayed ReplayRecall(const std::string& registerText, int target, const std::string& precisionField)
{
    std::string text = registerText;
    const NumberParts parts = SplitNumber(text);
    const size_t places = parts.hasSeparator ? text.size() - parts.separator - 1 : 0;
    if (text.size() > static_cast<size_t>(INT_MAX) || !CheckValid(text.data(), static_cast<int>(text.size()), 10)
        || places > static_cast<size_t>(PREC_MAX))
        return Replayed();
    std::replace(text.begin(), text.end(), ',', '.');
    const SavedState saved;
    iFT = std::max(static_cast<int>(places), 1);
    SetPrec(iFT);
    bM_REGISTER = bdouble((parts.negative ? "-" : "") + text);
    iM_REGISTER_PREC = iFT;
    const Outcome outcome = MemoryRecall(target, precisionField);
    return Replay(outcome, RecallPrecision(precisionField));
}
