// The textbook's words for numbers in a computer's memory, in one place for
// the worked solutions, the command line and the window: the three codes,
// the fields of a floating-point number, the formats and the classes of
// their values.
#ifndef KALVORIX_SOLUTION_BITNAMES_H
#define KALVORIX_SOLUTION_BITNAMES_H

#include <string>

#include "floats.h"

enum class CodeKind { DIRECT, ONES, TWOS };

// "прямой код", "обратный код", "дополнительный код".
std::string CodeName(CodeKind kind);

// "1 бит", "8 бит", "23 бита".
std::string BitCount(int count);

// "8-разрядной сетке": the register of width bits, in the prepositional case.
std::string GridIn(int width);

// "binary32 (одинарная точность)".
std::string FormatName(const FloatFormat& format);

// The fields with their widths: "знак (1 бит)", "порядок (8 бит)", "мантисса (23 бита)".
std::string SignFieldName();
std::string ExponentFieldName(const FloatFormat& format);
std::string MantissaFieldName(const FloatFormat& format);

// "нормализованное число", "денормализованное (субнормальное) число", "нуль",
// "плюс бесконечность" or "минус бесконечность", "не число (NaN)".
std::string ClassName(FloatClass kind, bool negative);

#endif
