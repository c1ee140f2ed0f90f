// The ends of a whole number's digits in a base: its first and last digits
// and how many it has, found without writing the number out. A number too
// long to show is shown by its ends, and a column worked by hand near either
// end needs only the digits there, so a worked solution of numbers of tens
// of thousands of digits costs a few divisions, not conversions.
#ifndef KALVORIX_LIB_DIGITENDS_H
#define KALVORIX_LIB_DIGITENDS_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "naturals.h"

// Digits at each end that DigitEnds keeps: enough for a shortened number, and
// a number of up to twice as many is kept whole, longer than any table of its
// columns that is shown uncut.
constexpr size_t ENDS_KEPT = 40;

struct DigitEnds {
    uint64_t count = 1;  // digits of the number, 1 for zero
    std::string head;    // the first min(count, ENDS_KEPT) digits
    std::string tail;    // the last min(count, ENDS_KEPT) digits
    std::string all;     // every digit when there are at most 2 ENDS_KEPT, else empty

    // The digit at position (0 the last), '0' above the number; only the
    // positions within the ends can be asked for.
    char At(uint64_t position) const;

    // The value of the digits from position up (the number divided by
    // base^position, cut): at most 15 digits, all within the ends; 0 from
    // above the number.
    uint64_t Above(uint64_t position, int base) const;
};

// Reads the ends of numbers in one base, keeping the powers of the base it
// divides by, which numbers of one length share.
class EndsReader {
public:
    explicit EndsReader(int base) : base_(base) {}

    int Base() const { return base_; }
    DigitEnds Read(const naturals::Natural& x);

    // base^exponent, kept for the next time it is asked for.
    const naturals::Natural& PowerOf(uint64_t exponent);

private:
    int base_;
    std::map<uint64_t, naturals::Natural> powers_;
};

#endif
