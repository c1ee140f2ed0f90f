#include "edittext.h"

#include "charset.h"

// Every code point of the program's bytes lies in the basic plane: one
// UTF-16 unit each.
std::u16string EditText(const std::string& text)
{
    std::u16string wide;
    wide.reserve(text.size() + text.size() / 16);
    for (const char ch : text) {
        if (ch == '\n')
            wide += u'\r';
        wide += static_cast<char16_t>(CodePointOf(static_cast<unsigned char>(ch)));
    }
    return wide;
}
