// Text and integer helpers of the arithmetic: number texts to integers and back,
// and the trimming of number texts. None of them reports an error.
#ifndef KALVORIX_CALC_TEXT_H
#define KALVORIX_CALC_TEXT_H

#include <charconv>
#include <string>
#include <type_traits>

// Drops every leading "0"; puts one "0" back before a leading ".". "000" becomes "".
std::string trimleft(std::string text);

// Drops trailing "0"s (never the first character) and then one trailing ".".
// It does not look for a point, so a whole number loses its trailing zeros too.
std::string trimright(std::string text);

// Value of the leading run of decimal digits; 0 when there is none,
// 2147483647 when the digits stand for more.
int StrToNum(const std::string& text);

// Decimal text of an integer of any width: "-" for a negative one, no
// leading zeros. The program's one way of writing an integer.
template <typename Integer>
std::string NumToStr(Integer value)
{
    static_assert(std::is_integral<Integer>::value, "NumToStr writes integers");
    char buffer[24];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end.ptr);
}

// value as Russian texts write a number: from 10 000 on its digits stand in
// groups of three, parted by a space ("10 000", "1 234 567").
std::string GroupedNumber(unsigned long long value);

std::string reverse(std::string text);

// text repeated count times; "" for a count of 0 or less.
std::string strofchar(const std::string& text, int count);

#endif
