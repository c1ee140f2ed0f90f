// The worked solution of an arithmetic request ("Арифметика"), in the
// school's methods and in the target system: the operands written in it
// first, the signs, then addition and subtraction in a column with their
// carries and borrows, multiplication with its partial products, division
// "уголком" to the precision or to the period, or, when an operand has no
// finite expansion in the target, common fractions converted last; and the
// answer, with whether it is exact.
#ifndef KALVORIX_SOLUTION_ARITHSTEPS_H
#define KALVORIX_SOLUTION_ARITHSTEPS_H

#include "arithmetic.h"
#include "solution.h"

// The solution of request, given the outcome Calculate gave it. A request
// that was refused, or asked for nothing, gets a one-line text and solved
// false. Changes no state; text is Windows-1251 with the notation's marks,
// its lines of prose no longer than LINE_WIDTH (steptext.h) where they have
// spaces to break at; drawings (the columns, the corner) are never broken.
Solution SolveArithmetic(const ArithmeticRequest& request, const ArithmeticOutcome& outcome);

#endif
