// A converter of the tests' own for checking the fast one against.
#ifndef KALVORIX_TESTS_TEST_CONVERTER_H
#define KALVORIX_TESTS_TEST_CONVERTER_H

#include <string>

#include "converter.h"

namespace testconverter {

// One short division per output digit through NextNumber: obviously right,
// quadratic, and sharing no code with the fast paths.
inline std::string SlowConvert(const std::string& text, int from, int to)
{
    Converter number(text, from);
    std::string reversed;
    do
        reversed += number.IntToChar(number.NextNumber(to));
    while (!number.IsZero());
    return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace testconverter

#endif
