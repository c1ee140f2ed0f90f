// kalvorix-cli --arith: expressions "A OP B", each read into the arithmetic
// command's request as the window's fields would give it, and its outcome
// reported as a conversion's is.
#ifndef KALVORIX_CLI_ARITH_H
#define KALVORIX_CLI_ARITH_H

#include <string>

#include "args.h"
#include "arithmetic.h"
#include "request.h"

// Reads typed (UTF-8) as "A OP B" into request's numbers, their systems and
// the operation. Spaces anywhere are ignored. A is an optional "-" and a
// number, OP the first of + - * / : and U+2212 − U+00D7 × U+00B7 · U+00F7 ÷
// that follows, B an optional "-" and a number. A number names its base
// right after its digits as 1011(2), 1011_2 or 1011₂, else it is of
// defaultSystem; it is then cleaned as the input field cleans a number.
// False when there is no operation or a base is not from 2 to 16, with
// fault the message (Windows-1251).
bool ReadExpression(const std::string& typed, int defaultSystem, ArithmeticRequest& request, std::string& fault);

// One --arith request by the options (-f for the numbers that name no base,
// -t, -p), with the quotient and remainder of a whole division, and with
// --json the decimal value and with --steps the worked solution.
RequestReport RunArithmetic(const std::string& typed, const CliOptions& options);

#endif
