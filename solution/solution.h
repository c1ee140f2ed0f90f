// The worked solution of the command that last wrote the output field, a
// conversion or MR, in the school's methods and in Russian, with whether its
// result is exact and, where it can be written, the exact value.
//
// For the window: right after a command whose outcome is Outcome::OUTPUT keep
//     ConversionCommand(parts, outcome)   after ConvertRequest(..., parts),
//     RecallCommand(parts, outcome)       after MemoryRecall(..., parts),
// and leave it as it is after any other outcome. To show the solution call
//     SolveCommand(kept).text
// A solution starts from what the command read and wrote, never from its
// texts again. A default SolvedCommand (no command yet), or one kept after
// an outcome that wrote nothing, gives the one line saying that the solution
// comes once a number is converted. SolveCommand changes no state of the
// program and may be called at any time and any number of times.
#ifndef KALVORIX_SOLUTION_SOLUTION_H
#define KALVORIX_SOLUTION_SOLUTION_H

#include <string>

#include "convert.h"
#include "outcome.h"

struct Solution {
    bool solved = false;        // a successful command's solution
    std::string text;           // the solution, Windows-1251 with the marks of charset.h,
                                // every line ended by "\n"
    bool exact = false;         // the result is the exact value of the number
    bool exactWritten = false;  // exactValue holds that value (not when its fraction
                                // has more than 10,000 digits, nor for a fraction
                                // recalled into the Roman system)
    std::string exactValue;     // "[-]whole[.digits]", a period in parentheses; a Roman numeral
};

// A command kept for its solution; made only from what a command handed out.
class SolvedCommand {
public:
    SolvedCommand() = default;  // no command yet

private:
    friend SolvedCommand ConversionCommand(const ConversionParts& parts, const Outcome& outcome);
    friend SolvedCommand RecallCommand(const ConversionParts& parts, const Outcome& outcome);
    friend Solution SolveCommand(const SolvedCommand& command);

    enum Kind { NONE, CONVERSION, RECALL };
    Kind kind_ = NONE;
    ConversionParts parts_;  // what the command read and wrote
    std::string result_;     // what it wrote into the output field
};

SolvedCommand ConversionCommand(const ConversionParts& parts, const Outcome& outcome);
SolvedCommand RecallCommand(const ConversionParts& parts, const Outcome& outcome);

Solution SolveCommand(const SolvedCommand& command);

#endif
