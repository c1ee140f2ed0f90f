// UTF-8, the text of the command line and of standard input, and Windows-1251,
// the text of the program's messages.
#ifndef KALVORIX_CLI_UTF8_H
#define KALVORIX_CLI_UTF8_H

#include <cstddef>
#include <string>

// Code point of the well-formed UTF-8 sequence at text[pos] (pos < size), and
// in length the bytes it takes. -1 with length 1 for a byte that does not begin
// one: a stray continuation byte, an overlong form, a surrogate, a value above
// U+10FFFF or a cut-off sequence.
long DecodeUtf8(const std::string& text, std::size_t pos, std::size_t& length);

// The text with every byte that is not part of a well-formed sequence
// replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);

// ASCII bytes kept, every other character (or stray byte) replaced by the one
// byte placeholder.
std::string Utf8ToAscii(const std::string& text, char placeholder);

// The program's text (Windows-1251 and the notation's marks, charset.h) in
// UTF-8; the one unassigned byte 0x98 becomes U+FFFD.
std::string Cp1251ToUtf8(const std::string& text);

// UTF-8 text in UTF-16, as a Windows console takes it: a code point above
// U+FFFF as a surrogate pair, a byte that is not part of a well-formed
// sequence as U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

// UTF-16 text in UTF-8: a surrogate pair as the code point it stands for, a
// surrogate without its partner as U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

#endif
