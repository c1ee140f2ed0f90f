// Whole numbers between digits of a base and binary words, for bases that
// are not powers of two (those are packed bit by bit). The digits are grouped
// into words of base^k (k as large as fits 32 bits), and the words change
// radix by divide and conquer: the value of 2m words is high * B^m + low, so
// both halves are converted and joined by one product, with B^m taken from a
// table of squares. With the fast products of words.h a number of n digits
// converts in O(M(n) log n); short numbers, and the leaves of the division,
// go by Horner's rule a word at a time.
#ifndef KALVORIX_LIB_RADIXCONV_H
#define KALVORIX_LIB_RADIXCONV_H

#include <cstddef>
#include <string>
#include <vector>

#include "limbs.h"
#include "words.h"

namespace radixconv {

// Horner's rule up to this many words of the source. Measured
// (core_bench WholeNumber/...): anywhere from 30 to 120 words gives the same
// times within 5%, from 8,192 digits to a million.
constexpr size_t READ_HORNER_MAX = 60;
constexpr size_t WRITE_HORNER_MAX = 30;

// The binary value of the digit values digits[first, end) read in base (3
// to 15, not a power of two), most significant first; a value below 0
// counts as 0.
words::Words ReadDigits(const std::vector<int>& digits, size_t first, int base);

// A non-zero binary number written in base (3 to 15, not a power of two),
// without leading zeros.
std::string WriteDigits(const words::Words& number, int base);

// The value of a text of digits of base (2 to 16; a character that is no
// digit of it counts as 0), most significant first, in limbs (limbs.h): the
// digits change radix once, with no decimal text between.
limbs::Limbs ReadLimbs(const std::string& digits, int base);

}  // namespace radixconv

#endif
