// The program's number: a signed decimal fixed-point value with an integer part
// of any length and exactly DoubleSize fractional digits. Sums and differences
// are exact; products, quotients and square roots are truncated toward zero.
#ifndef KALVORIX_CALC_BDOUBLE_H
#define KALVORIX_CALC_BDOUBLE_H

#include <cstdint>
#include <string>
#include <vector>

extern int DoubleSize;  // fractional digits of every bdouble; written only by SetPrec

// Sets DoubleSize; checks nothing (callers pass a validated precision).
void SetPrec(int prec);

// 1 when the last division had a zero divisor, else 0; not cleared by reading.
int bdGetLastError();

class bdouble {
public:
    // Reads text of the form [-]digits[.digits]; see sscan.
    explicit bdouble(std::string text);
    bdouble(const bdouble& other);
    bdouble& operator=(const bdouble& other);
    ~bdouble();

    // Sets sign and digits from text; fraction digits past DoubleSize are cut.
    // Other characters are not detected and give meaningless digits.
    void sscan(std::string text);

    // Pads digits with high zeros to at least DoubleSize + 1 elements.
    void normal();

    // "[-]integer digits.DoubleSize fraction digits" for a normalized value.
    std::string print() const;

    std::vector<int> digits;  // magnitude times 10^DoubleSize, least significant first
    int8_t sign;              // +1 or -1; zero keeps its sign
};

bdouble operator-(bdouble x);
int cmp(bdouble a, bdouble b);
int zcmp(bdouble x);
bdouble operator+(bdouble a, bdouble b);
bdouble operator-(bdouble a, bdouble b);
bdouble operator*(bdouble a, bdouble b);
bdouble operator/(bdouble a, bdouble b);
bdouble bsqrt(bdouble a);

#endif
