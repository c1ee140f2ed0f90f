// The text rules of the program written out once more, plainly, for the fuzz
// targets to hold the program's code against.
#ifndef KALVORIX_FUZZ_RULES_H
#define KALVORIX_FUZZ_RULES_H

#include <string>

// The precision a text states: decimal digits only, of a value from 1 to the
// largest precision; 0 for any other text.
int PrecisionOfText(const std::string& text);

#endif
