// CheckValid on any bytes in any system, and the Roman readers on any text.
// The verdict and its code must match the rules written out here once more,
// and an accepted Roman numeral must be read whole.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "input.h"
#include "roman.h"
#include "rules.h"
#include "systems.h"
#include "validate.h"

namespace {

bool SeparatesParts(char ch)
{
    return ch == '.' || ch == ',';
}

bool IsDigitOf(char ch, int base)
{
    const char* const digits = "0123456789ABCDEF";
    const int usable = base >= 11 && base <= 16 ? base : (base < 10 ? base : 10);
    const void* at = std::memchr(digits, ch, usable > 0 ? static_cast<std::size_t>(usable) : 0);
    return at != nullptr && ch != '\0';
}

// The code a positional text gets: trailing separator, then a foreign
// character, then too many separators.
int ExpectedPositionalCode(const std::string& text, int base)
{
    if (text.empty())
        return LIB_BADCHAR;
    if (SeparatesParts(text.back()))
        return LIB_TRAILINGSEP;
    int separators = 0;
    for (char ch : text) {
        if (SeparatesParts(ch))
            ++separators;
        else if (!IsDigitOf(ch, base))
            return LIB_BADCHAR;
    }
    return separators > 1 ? LIB_MANYSEP : LIB_OK;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int system = SystemOfByte(input.Byte());
    const std::string text = input.Rest();
    const int length = static_cast<int>(text.size());

    const bool accepted = CheckValid(text.data(), length, system);
    const int code = LibGetLastError();
    FUZZ_CHECK(accepted == (code == LIB_OK));
    if (system != ROMAN) {
        FUZZ_CHECK(code == ExpectedPositionalCode(text, system));
    } else {
        const std::string cText = text.substr(0, text.find('\0'));
        const int value = RomanToArab(cText.c_str());
        FUZZ_CHECK(value >= 0 && value <= 65535);
        FUZZ_CHECK(RomanScanLength(text.data(), text.size()) <= text.size());
        if (accepted) {
            FUZZ_CHECK(RomanScanLength(text.data(), text.size()) == text.size());
            FUZZ_CHECK(value >= 1);  // above 3999 is for the caller to refuse
        }
    }

    FUZZ_CHECK(CheckValidT(text.data(), length) == (PrecisionOfText(text) > 0));
    return 0;
}
