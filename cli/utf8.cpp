// UTF-8 decoding, and the program's Windows-1251 texts in UTF-8.
#include "utf8.h"

#include "charset.h"

namespace {

const long REPLACEMENT = 0xFFFD;

void AppendUtf8(long cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Whether every byte of text is ASCII, which each conversion below keeps as it is.
bool IsAscii(const std::string& text)
{
    for (char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

}  // namespace

long DecodeUtf8(const std::string& text, std::size_t pos, std::size_t& length)
{
    length = 1;
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return lead;
    std::size_t extra;
    long cp;
    long least;  // smallest code point of this length: anything below is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        cp = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
        least = 0x10000;
    } else {
        return -1;
    }
    if (text.size() - pos <= extra)
        return -1;
    for (std::size_t k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    length = extra + 1;
    return cp;
}

namespace {

// each(code point, position, length) for every sequence of text, the code
// point -1 (length 1) for a byte that begins no well-formed one.
template <typename Each>
void ForEachCodePoint(const std::string& text, Each each)
{
    std::size_t length;
    for (std::size_t pos = 0; pos < text.size(); pos += length) {
        const long cp = DecodeUtf8(text, pos, length);
        each(cp, pos, length);
    }
}

}  // namespace

std::string ValidUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&](long cp, std::size_t pos, std::size_t length) {
        if (cp < 0)
            AppendUtf8(REPLACEMENT, out);
        else
            out.append(text, pos, length);
    });
    return out;
}

std::string Utf8ToAscii(const std::string& text, char placeholder)
{
    if (IsAscii(text))
        return text;
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&](long cp, std::size_t, std::size_t) {
        out += cp >= 0 && cp < 0x80 ? static_cast<char>(cp) : placeholder;
    });
    return out;
}

std::string Cp1251ToUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        // Most bytes are ASCII on the line and stand for themselves.
        if (byte >= 0x20 && byte < 0x80)
            out += ch;
        else
            AppendUtf8(static_cast<long>(CodePointOf(byte)), out);
    }
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&out](long cp, std::size_t, std::size_t) {
        if (cp < 0)
            cp = REPLACEMENT;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    });
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::u16string::size_type k = 0; k < text.size(); ++k) {
        long cp = text[k];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        const bool pairs = high && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF;
        if (pairs)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++k] - 0xDC00);
        else if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = REPLACEMENT;
        AppendUtf8(cp, out);
    }
    return out;
}
