// The pieces the worked solutions of numbers in memory share: bits added in
// a column with their carries, a binary number as a sum of powers of two,
// and a number's way from its system into binary.
#ifndef KALVORIX_SOLUTION_BITSTEPS_H
#define KALVORIX_SOLUTION_BITSTEPS_H

#include <string>
#include <vector>

// The lines of a + b (bit strings of one width) added in a column, grouped
// by four: the carries above the columns that get one (when any does, marked
// "(переносы)"), the two terms, a rule and the sum; a carry out of the top
// column stands before the sum. b is written in full, or without its leading zeros as a pupil
// writes a small term ("+ 1").
enum class Term { IN_FULL, SHORT };
std::vector<std::string> ColumnLines(const std::string& a, const std::string& b, Term shown);

// A whole binary number (leading zeros allowed) as the sum of the powers of
// two of its ones: "32 + 8 + 4 + 1", or "2¹⁰⁰ + 2³" when a power is large;
// empty when it has one 1 or none, or more than a dozen.
std::string PowerSum(const std::string& bits);

// The number's value as the line of a step: digits (no sign) of system in
// binary, by way of decimal: "2D₁₆ = 45₁₀ = 101101₂", each stated as a
// sentence states a number; decimal and binary are its values in those systems.
std::string BinaryChain(const std::string& digits, int system, const std::string& decimal, const std::string& binary);

// How a code written as code (spaces removed) in system becomes the bits of
// its register (bits, the padded width): each digit of a base 4, 8 or 16 a
// group of bits, another base converted; then the zeros added or dropped on
// the left. Nothing when code is those bits already.
std::vector<std::string> CodeBitsLines(const std::string& code, int system, const std::string& bits);

#endif
