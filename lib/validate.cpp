// Validation of number and precision texts, and the library's last-error code.
#include "validate.h"

#include "roman.h"
#include "systems.h"
#include "text.h"

#include <cstddef>
#include <cstring>
#include <string>

// Outcome of the last CheckValid; nothing else writes it. Read by LibGetLastError.
static int libERR_CODE = 0;

// Index of ch among the seven Roman letters, or -1. memchr compares bytes as
// unsigned and, unlike strchr, does not match the NUL.
static int RomanLetter(unsigned char ch)
{
    static const char letters[7] = {'I', 'V', 'X', 'L', 'C', 'D', 'M'};
    const void* at = std::memchr(letters, ch, sizeof letters);
    return at ? static_cast<int>(static_cast<const char*>(at) - letters) : -1;
}

// Form test of a text of Roman letters only: a letter repeated more than three
// times is allowed only in the standard numeral of 1 to ROMAN_MAX, and the greedy
// scan must read the whole text.
static bool RomanFormOk(const char* text, size_t len, bool repeated)
{
    if (repeated) {
        const std::string numeral(text, len);
        const int value = RomanToArab(numeral.c_str());
        if (value < 1 || value > ROMAN_MAX
            || numeral != ArabToRoman(static_cast<unsigned short>(value)))
            return false;
    }
    return RomanScanLength(text, len) == len;
}

// Tests text[0..len) as a number of system (ROMAN, or a base). Faults are found
// in the order: trailing separator (3), bad character or Roman form (1),
// more than one separator (2).
bool CheckValid(const char* text, int len, int system)
{
    libERR_CODE = LIB_BADCHAR;
    if (text == nullptr || len <= 0)
        return false;
    const size_t size = static_cast<size_t>(len);
    if (IsSeparator(text[size - 1])) {
        libERR_CODE = LIB_TRAILINGSEP;
        return false;
    }

    int separators = 0;
    int counts[7] = {};
    bool repeated = false;
    for (size_t k = 0; k < size; ++k) {
        const unsigned char ch = static_cast<unsigned char>(text[k]);
        if (system == ROMAN) {
            const int letter = RomanLetter(ch);
            if (letter < 0)
                return false;
            if (++counts[letter] > 3)
                repeated = true;
        } else if (IsSeparator(static_cast<char>(ch))) {
            ++separators;
        } else if (DigitValue(static_cast<char>(ch), system) < 0) {
            return false;
        }
    }
    if (system == ROMAN && !RomanFormOk(text, size, repeated))
        return false;
    if (separators > 1) {
        libERR_CODE = LIB_MANYSEP;
        return false;
    }
    libERR_CODE = LIB_OK;
    return true;
}

int LibGetLastError()
{
    return libERR_CODE;
}

// Tests text[0..len) as a precision: decimal digits only, value 1 to PREC_MAX
// as StrToNum reads it (it saturates, so long texts stay out of range).
bool CheckValidT(const char* text, int len)
{
    if (text == nullptr || len <= 0)
        return false;
    for (int k = 0; k < len; ++k)
        if (text[k] < '0' || text[k] > '9')
            return false;
    const int value = StrToNum(std::string(text, static_cast<size_t>(len)));
    return value >= 1 && value <= PREC_MAX;
}
