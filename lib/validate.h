// Validation of number and precision texts, with the library's last-error code.
#ifndef KALVORIX_LIB_VALIDATE_H
#define KALVORIX_LIB_VALIDATE_H

// Largest precision (fractional digits) the program works at.
constexpr int PREC_MAX = 1000;
// The precision at start, and whenever no valid one is given.
constexpr int PREC_DEFAULT = 4;

// Codes left by CheckValid.
enum {
    LIB_OK = 0,            // the text was accepted
    LIB_BADCHAR = 1,       // a character is not of the system, or a bad Roman numeral
    LIB_MANYSEP = 2,       // more than one separator
    LIB_TRAILINGSEP = 3,   // the text ends with a separator
};

// Tests the first len bytes of text as a number of system (ROMAN, or a base);
// leaves the code of the verdict for LibGetLastError.
bool CheckValid(const char* text, int len, int system);

// Code of the last CheckValid.
int LibGetLastError();

// Tests the first len bytes of text as a precision: decimal digits only,
// a value from 1 to PREC_MAX. Leaves no code.
bool CheckValidT(const char* text, int len);

#endif
