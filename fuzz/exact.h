// Natural numbers of any size, done the slow and obvious way (one decimal
// digit per element), for checking the program's arithmetic against something
// that shares none of its code.
#ifndef KALVORIX_FUZZ_EXACT_H
#define KALVORIX_FUZZ_EXACT_H

#include <string>
#include <vector>

class Natural {
public:
    Natural() = default;
    explicit Natural(unsigned value);

    // The value of digits written in base (2 to 16, "0"-"9" "A"-"F").
    static Natural FromDigits(const std::string& digits, int base);

    // Decimal, no leading zeros ("0" for zero).
    std::string Decimal() const;

    bool IsZero() const { return digits_.empty(); }

    friend Natural operator+(const Natural& a, const Natural& b);
    friend Natural operator-(const Natural& a, const Natural& b);  // a >= b
    friend Natural operator*(const Natural& a, const Natural& b);
    friend int Compare(const Natural& a, const Natural& b);  // -1, 0, 1

    // base^exponent.
    static Natural Power(unsigned base, int exponent);

private:
    void MultiplyAdd(unsigned factor, unsigned addend);
    void Trim();

    std::vector<unsigned char> digits_;  // least significant first, no high zeros
};

bool operator<(const Natural& a, const Natural& b);
bool operator<=(const Natural& a, const Natural& b);
bool operator==(const Natural& a, const Natural& b);

// A signed fixed-point value: magnitude / 10^scale.
struct Scaled {
    bool negative = false;
    Natural magnitude;
};

// Reads "[-]digits[.digits]" keeping scale fractional digits (the rest cut);
// missing fractional digits count as zeros.
Scaled ReadScaled(const std::string& text, int scale);

#endif
