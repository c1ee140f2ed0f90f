// What the command line prints and the window shows of a number in memory:
// labelled fields a pupil copies into a notebook, bits grouped by four, the
// widths in the labels. The texts hold no notation marks, so that a plain
// field of a window shows them as they are.
#ifndef KALVORIX_SOLUTION_BITFIELDS_H
#define KALVORIX_SOLUTION_BITFIELDS_H

#include <string>
#include <utility>
#include <vector>

#include "codes.h"
#include "floats.h"

using BitField = std::pair<std::string, std::string>;  // label (capitalised, no colon) and value
using BitFields = std::vector<BitField>;

// The most fields any of the lists below has.
constexpr int MOST_BIT_FIELDS = 7;

// Число (in decimal), Разрядная сетка, the three codes ("нет: ..." where there
// is none), Шестнадцатеричная запись (of the two's complement).
BitFields CodeFields(const IntegerCodes& codes);

// Код, Без знака and the value in each of the three codes.
BitFields CodeReadingFields(const CodeReading& reading);

// Формат, the three fields with their widths, Шестнадцатеричная запись,
// Класс and Хранимое значение ("нет" for infinity and NaN).
BitFields FloatFields(const FloatValue& value);

// FloatFields, the stored value followed by "(точно)" or "(с округлением)".
BitFields FloatEncodingFields(const FloatEncoding& encoding);

#endif
