// The worked solution of the command that last wrote the output field, a
// conversion or MR, in the school's methods and in Russian, with whether its
// result is exact and, where it can be written, the exact value.
//
// For the window: right after a command whose outcome is Outcome::OUTPUT keep
//     ConversionCommand(number, source, target, outcome)   after ConvertRequest,
//     RecallCommand(target, precisionField, outcome)       after MemoryRecall,
// with the arguments the command was given (both also read the state the
// command left: iFT, strM_BUF), and leave it as it is after any other
// outcome. To show the solution call
//     SolveCommand(kept).text
// A default SolvedCommand (no command yet) gives the one-line text saying that
// the solution comes once a number is converted. SolveCommand states the
// command's own result, changes no state of the program, and may be called at
// any time and any number of times. It shows no message: a command that is not
// one of a successful conversion or MR gets a one-line text, never a crash.
#ifndef KALVORIX_SOLUTION_SOLUTION_H
#define KALVORIX_SOLUTION_SOLUTION_H

#include <string>

#include "outcome.h"

struct SolvedCommand {
    enum Kind { NONE, CONVERSION, RECALL };
    Kind kind = NONE;
    std::string number;   // CONVERSION: the number text given to ConvertRequest;
                          // RECALL: the register's decimal text as MR printed it
    int source = 10;      // the source system (-1 Roman, 2 to 16); 10 for RECALL
    int target = 2;       // the target system
    int precision = 0;    // the fractional digits the result was cut to
    std::string result;   // what the command wrote into the output field
    std::string decimal;  // the current value it left: the result in decimal; MR's register text
};

SolvedCommand ConversionCommand(const std::string& number, int source, int target, const Outcome& outcome);
SolvedCommand RecallCommand(int target, const std::string& precisionField, const Outcome& outcome);

struct Solution {
    bool solved = false;        // a successful command's solution
    std::string text;           // the solution, Windows-1251, every line ended by "\n"
    bool exact = false;         // the result is the exact value of the number
    bool exactWritten = false;  // exactValue holds that value (not when its fraction
                                // has more than 10,000 digits, nor for a fraction
                                // recalled into the Roman system)
    std::string exactValue;     // "[-]whole[.digits]", a period in parentheses; a Roman numeral
};

Solution SolveCommand(const SolvedCommand& command);

#endif
