// Roman numerals: the greedy subtractive writer, and the greedy reader whose
// scan the validation shares.
#include "roman.h"

#include <cstring>

const char* const romanar[13] = {
    "I", "IV", "V", "IX", "X", "XL", "L", "XC", "C", "CD", "D", "CM", "M",
};

static const int arabar[13] = {1, 4, 5, 9, 10, 40, 50, 90, 100, 400, 500, 900, 1000};

namespace {

struct RomanScan {
    unsigned short sum;  // wraps modulo 65536
    size_t stop;         // characters read
};

// Greedy left-to-right reading of text[0..len): the table index only goes down
// and an entry may match again; the scan ends when the index or the text runs out.
// A pair never matches with its second letter at or past len.
RomanScan Scan(const char* text, size_t len)
{
    RomanScan scan = {0, 0};
    for (int i = 12; i >= 0 && scan.stop < len;) {
        const bool pair = i % 2 != 0;
        const char* entry = romanar[i];
        if (text[scan.stop] == entry[0]
            && (!pair || (scan.stop + 1 < len && text[scan.stop + 1] == entry[1]))) {
            scan.sum = static_cast<unsigned short>(scan.sum + arabar[i]);
            scan.stop += pair ? 2 : 1;
        } else {
            --i;
        }
    }
    return scan;
}

}  // namespace

// Greedy subtractive numeral of n; "" for 0, one "M" per thousand above 3999.
const char* ArabToRoman(unsigned short n)
{
    // One "M" per thousand (at most 65) and at most 12 letters for the rest
    // (888 is DCCCLXXXVIII), plus the terminator: no unsigned short overflows it.
    static char roman[65535 / 1000 + 12 + 1];
    char* out = roman;
    int rest = n;
    while (rest > 1000) {
        *out++ = 'M';
        rest -= 1000;
    }
    for (int j = 12; rest != 0;) {
        if (rest < arabar[j]) {
            --j;  // arabar[0] is 1, so j never falls below 0
            continue;
        }
        *out++ = romanar[j][0];
        if (j % 2 != 0)
            *out++ = romanar[j][1];
        rest -= arabar[j];
    }
    *out = '\0';
    return roman;
}

// Value of the NUL-terminated text by the greedy scan; what the scan cannot
// read is ignored.
int RomanToArab(const char* text)
{
    if (text == nullptr)
        return 0;
    return Scan(text, std::strlen(text)).sum;
}

// How far the greedy scan reads into text[0..len).
size_t RomanScanLength(const char* text, size_t len)
{
    return Scan(text, len).stop;
}
