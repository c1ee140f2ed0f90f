// Arithmetic in numeral systems without its window: two numbers, each in a
// base of its own, added, subtracted, multiplied or divided exactly, and the
// result written in a target system with its fraction cut (never rounded) to
// the precision, as conversions write theirs. The command behind the
// "Арифметика" window and kalvorix-cli --arith; it changes no state of the
// program (neither the precision iFT nor the current value).
#ifndef KALVORIX_APP_ARITHMETIC_H
#define KALVORIX_APP_ARITHMETIC_H

#include <string>

#include "convert.h"
#include "rational.h"

enum class Operation { ADD, SUBTRACT, MULTIPLY, DIVIDE };

struct ArithmeticRequest {
    std::string first;    // the numbers as an input field gives them: spaces
    std::string second;   // removed, letters capital, "." or ","
    int firstSystem = 10;   // bases from NSmin to NSmax
    int secondSystem = 10;
    Operation operation = Operation::ADD;
    int target = 10;        // ROMAN or a base
    std::string precision;  // the precision field's text
};

struct ArithmeticOutcome {
    enum Kind {
        NOTHING,   // a system that is no base (or no system, for the target): nothing asked
        RESULT,
        MESSAGE,   // refused, with the program's message
    };
    Kind kind = NOTHING;
    std::string message;

    // A result, each text in the target system (a Roman numeral for ROMAN):
    int target = 10;
    std::string result;       // signed, the fraction cut to the precision
    bool exact = true;        // the result is the value itself
    bool exactWritten = true; // exactValue holds the value: not when its fraction has more
                              // than LONGEST_EXACT digits
    std::string exactValue;   // signed, the period in parentheses: "-0.(3)"
    bool wholeDivision = false;  // a division of two whole numbers, which also has
    Rational quotient;           // its quotient, cut toward zero,
    Rational remainder;          // and its remainder, which has the dividend's sign

    // What the worked solution starts from:
    ReadNumber firstRead, secondRead;  // the operands as read (precision and decimal unset)
    Rational firstValue, secondValue, value;
    int precision = 0;
    BaseExpansion expansion;  // |value| in the target (in base 10 for ROMAN)
};

// Reads, validates and computes the request. The faults are named in this
// order: an empty number (the first before the second), an empty precision,
// invalid numbers and precision (the precision first, as for conversions),
// division by zero, then a target of ROMAN that cannot write the result.
ArithmeticOutcome Calculate(const ArithmeticRequest& request);

// The value in base 10, its fraction cut to the precision, as a conversion's
// current value holds it: for kalvorix-cli's JSON, which alone needs it, so a
// request does not write its number twice.
std::string DecimalText(const ArithmeticOutcome& outcome);

// A whole number (the quotient or the remainder of a whole division) in the
// outcome's target system, signed; a Roman numeral, "" for zero, for ROMAN.
std::string WholeText(const ArithmeticOutcome& outcome, const Rational& whole);

// "Первое число" for the operand 1, "Второе число" for 2: how messages name them.
const char* OperandName(int which);

// The operation's sign as a textbook writes it: "+", "−", "·" or ":"
// (Windows-1251).
const char* OperationSign(Operation operation);

#endif
