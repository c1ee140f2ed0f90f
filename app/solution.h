// The worked solution of the command that last wrote the output field, a
// conversion or MR, in the school's methods and in Russian, with whether its
// result is exact and, where it can be written, the exact value.
//
// For the window: after each command whose outcome is Outcome::OUTPUT keep
//     ConversionCommand(number, precision, source, target)   after ConvertRequest,
//     RecallCommand(target, precisionField)                  right after MemoryRecall,
// (the same arguments the command was given), and to show the solution call
//     SolveCommand(kept).text
// A default SolvedCommand (no command yet) gives the one-line text saying that
// the solution comes once a number is converted. SolveCommand runs the command
// again on a saved copy of the program's state and puts the state back, so
// it may be called at any time and any number of times. It shows no message:
// a command that does not write the output field has no solution, and any
// input, however bad, gives a text and never a crash.
#ifndef KALVORIX_APP_SOLUTION_H
#define KALVORIX_APP_SOLUTION_H

#include <string>

struct SolvedCommand {
    enum Kind { NONE, CONVERSION, RECALL };
    Kind kind = NONE;
    std::string number;     // CONVERSION: the number text given to ConvertRequest;
                            // RECALL: the register's decimal text as MR printed it
    std::string precision;  // CONVERSION: the precision text; RECALL: the precision field's text
    int source = 10;        // CONVERSION: its source system (-1 Roman, 2 to 16)
    int target = 2;         // the target system (-1 Roman, 2 to 16)
};

SolvedCommand ConversionCommand(const std::string& number, const std::string& precision, int source, int target);

// Reads the register's value from the current value that a successful MR
// left: call it right after MemoryRecall returned Outcome::OUTPUT.
SolvedCommand RecallCommand(int target, const std::string& precisionField);

struct Solution {
    bool solved = false;        // the command ran again and wrote a result
    std::string text;           // the solution, Windows-1251, every line ended by "\n"
    std::string result;         // the command's result, as the output field shows it
    bool exact = false;         // the result is the exact value of the number
    bool exactWritten = false;  // exactValue holds that value (not when its fraction
                                // has more than 10,000 digits, nor for a fraction
                                // recalled into the Roman system)
    std::string exactValue;     // "[-]whole[.digits]", a period in parentheses; a Roman numeral
};

Solution SolveCommand(const SolvedCommand& command);

#endif
