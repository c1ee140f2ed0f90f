// The conversion command without its window.
#ifndef KALVORIX_APP_CONVERT_H
#define KALVORIX_APP_CONVERT_H

#include <cstddef>
#include <string>

#include "outcome.h"
#include "systems.h"

// Runs one conversion request of number (spaces already removed) at the
// precision text, from system source to system target (ROMAN, or a base).
// Leaves iFT, strM_BUF and DoubleSize as the request decides. The outcome is
// the result for the output field or exactly one message.
// A system that is neither ROMAN nor a base asks for nothing: NOTHING, no
// state changed. It is ReadRequest followed by WriteNumber.
Outcome ConvertRequest(const std::string& number, const std::string& precision, int source, int target);

// A number written in one system, in parts.
struct NumberDigits {
    std::string whole;     // the whole part's digits without sign or leading zeros ("0" for
                           // none); a Roman numeral ("" for zero)
    std::string fraction;  // the fraction's digits as cut, as many as the precision, zeros at
                           // the end kept; "" for a number written without a fraction
};

// A number that a request accepted, read once: what is written in each
// target system, and what the worked solution starts from.
struct ReadNumber {
    int system = 10;          // ROMAN or a base
    bool negative = false;    // the text began with "-"
    std::string whole;        // the digits before the separator as typed ("-" read as "0"),
                              // or the whole Roman numeral
    bool hasSeparator = false;
    std::string fraction;     // the digits after the separator as typed
    int precision = 0;        // the fractional digits a result is cut to (iFT)
    std::string decimal;      // the value in decimal, the fraction cut to precision: what
                              // strM_BUF holds after a successful request
    NumberDigits decimalDigits;  // the same value in parts, without its sign
};

// Validates number (spaces removed) for system, ROMAN or a base, and reads
// it into read (all but precision and decimal). False when refused, with
// fault the message's text: ERR_NOINPUT for an empty number, else why the
// number is not one of the system. Changes no state: for every command that
// reads numbers as the input field gives them.
bool ReadNumberText(const std::string& number, int system, ReadNumber& read, std::string& fault);

// The first half of ConvertRequest: validates number and precision, sets iFT
// and the arithmetic's precision, and reads the number into read. False when
// refused, with refusal the outcome to give (the message; strM_BUF is then "0").
// source must be a system (IsSystem of systems.h).
bool ReadRequest(const std::string& number, const std::string& precision, int source, ReadNumber& read,
                 Outcome& refusal);

// The second half: the read number in system target, and strM_BUF its
// decimal value; or the message of a target that refuses it (strM_BUF "0").
// written receives the result in parts (left as it was when refused).
Outcome WriteNumber(const ReadNumber& read, int target, NumberDigits& written);
Outcome WriteNumber(const ReadNumber& read, int target);

// What a command that wrote a number read and wrote, for its worked
// solution: a conversion's request, or MR's register.
struct ConversionParts {
    ReadNumber read;
    int target = 10;
    NumberDigits written;
};

// The conversion of read (a number of a base, as ReadNumberText gave it) at
// precision into base target, handing out its parts as ConvertRequest does;
// changes no state: for a solution that works a conversion of its own.
Outcome ConvertReadNumber(const ReadNumber& read, int precision, int target, ConversionParts& parts);

// ConvertRequest, handing out what it read and wrote (parts is meaningful
// only when the outcome is OUTPUT).
Outcome ConvertRequest(const std::string& number, const std::string& precision, int source, int target,
                       ConversionParts& parts);

// The number text as the input field's text is handed to the command: without
// any space (0x20); every other character stays.
std::string RemoveSpaces(std::string text);

// Where a number text's sign and separator stand; shared by the conversion
// and MR, which read number texts by the same rule.
struct NumberParts {
    bool negative = false;      // the text began with "-"
    bool hasSeparator = false;  // it holds "." or ","
    size_t separator = 0;       // index of the last "." or ","
};

// Reads the parts of text and replaces a leading "-" by "0".
NumberParts SplitNumber(std::string& text);

// The result text of a converted whole part and a converted fraction
// ("0." and its digits; empty for a whole number): joined, trailing zeros
// and a bare separator dropped, "-" in front when negative.
std::string ComposeNumber(bool negative, std::string whole, const std::string& fraction);
// The same of a number in parts.
std::string ComposeNumber(bool negative, const NumberDigits& digits);

#endif
