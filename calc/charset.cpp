// The Windows-1251 table and the notation's marks.
#include "charset.h"

namespace {

const char32_t REPLACEMENT = 0xFFFD;

// Code points of the Windows-1251 bytes 0x80 to 0xBF; 0 for the unassigned 0x98.
// The bytes 0xC0 to 0xFF are the contiguous А to я, U+0410 to U+044F.
const char16_t CP1251_HIGH[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

// Subscript digits 0 to 9 are the bytes 0x10 to 0x19.
const unsigned char SUBSCRIPT_ZERO = 0x10;
// Superscript digits 0 to 9, then the superscript minus: the control bytes
// left once tab, line feed and carriage return are kept.
const unsigned char SUPERSCRIPT_BYTES[11] = {0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x01, 0x02, 0x03, 0x04, 0x05};
const int SUPERSCRIPT_MINUS = 10;
// Their code points: ⁰ ¹ ² ³ ⁴ ... ⁹ and ⁻ (¹ ² ³ stand apart, in Latin-1).
const char32_t SUPERSCRIPT_POINTS[11] = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074, 0x2075,
                                         0x2076, 0x2077, 0x2078, 0x2079, 0x207B};

// Index of byte among the superscript marks, -1 for another byte.
int SuperscriptIndex(unsigned char byte)
{
    for (int k = 0; k <= SUPERSCRIPT_MINUS; ++k)
        if (SUPERSCRIPT_BYTES[k] == byte)
            return k;
    return -1;
}

bool IsSubscript(unsigned char byte)
{
    return byte >= SUBSCRIPT_ZERO && byte < SUBSCRIPT_ZERO + 10;
}

}  // namespace

char32_t CodePointOf(unsigned char byte)
{
    if (IsSubscript(byte))
        return 0x2080 + (byte - SUBSCRIPT_ZERO);
    const int sup = SuperscriptIndex(byte);
    if (sup >= 0)
        return SUPERSCRIPT_POINTS[sup];
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return CP1251_HIGH[byte - 0x80] != 0 ? CP1251_HIGH[byte - 0x80] : REPLACEMENT;
}

unsigned char ByteOf(char32_t cp)
{
    if (cp >= 0x2080 && cp <= 0x2089)
        return static_cast<unsigned char>(SUBSCRIPT_ZERO + (cp - 0x2080));
    for (int k = 0; k <= SUPERSCRIPT_MINUS; ++k)
        if (SUPERSCRIPT_POINTS[k] == cp)
            return SUPERSCRIPT_BYTES[k];
    if (cp < 0x80)
        return ScriptOf(static_cast<unsigned char>(cp)) == Script::LINE ? static_cast<unsigned char>(cp) : 0;
    if (cp >= 0x0410 && cp <= 0x044F)
        return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    for (int k = 0; k < 64; ++k)
        if (CP1251_HIGH[k] != 0 && CP1251_HIGH[k] == cp)
            return static_cast<unsigned char>(0x80 + k);
    return 0;
}

Script ScriptOf(unsigned char byte)
{
    if (IsSubscript(byte))
        return Script::SUBSCRIPT;
    return SuperscriptIndex(byte) >= 0 ? Script::SUPERSCRIPT : Script::LINE;
}

char ShapeOf(unsigned char byte)
{
    if (IsSubscript(byte))
        return static_cast<char>('0' + (byte - SUBSCRIPT_ZERO));
    const int sup = SuperscriptIndex(byte);
    if (sup < 0)
        return static_cast<char>(byte);
    return sup == SUPERSCRIPT_MINUS ? '-' : static_cast<char>('0' + sup);
}

std::string Subscript(unsigned n)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>(SUBSCRIPT_ZERO + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

std::string Superscript(long long n)
{
    // The magnitude unsigned, so that the most negative value has one too.
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>(SUPERSCRIPT_BYTES[m % 10]));
        m /= 10;
    } while (m != 0);
    if (n < 0)
        digits.insert(digits.begin(), static_cast<char>(SUPERSCRIPT_BYTES[SUPERSCRIPT_MINUS]));
    return digits;
}
