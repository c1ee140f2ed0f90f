// A command run again without leaving a trace: the program's state is saved
// before and put back after, so the worked solution states the very result
// of the command, computed by the command itself, at any later time.
#ifndef KALVORIX_APP_REPLAY_H
#define KALVORIX_APP_REPLAY_H

#include <string>

struct Replayed {
    bool ok = false;      // the command wrote the output field
    std::string result;   // what it wrote there
    std::string decimal;  // the current value it left: the result's decimal
                          // value, or for MR the register's decimal text
    int precision = 0;    // fractional digits it cut the result to
};

// ConvertRequest with these arguments.
Replayed ReplayConversion(const std::string& number, const std::string& precision, int source, int target);

// MemoryRecall with the register holding registerText ("[-]digits[.digits]",
// as MR prints it, at most PREC_MAX fractional digits) at the precision of
// its fractional digits; anything else is not replayed.
Replayed ReplayRecall(const std::string& registerText, int target, const std::string& precisionField);

#endif
