// kalvorix-cli's streams: standard input as Windows tools write it (the
// byte-order mark, UTF-16, Ctrl-Z).
#include "input.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <string>
#include <vector>

namespace {

const std::string FFFD = u8"\uFFFD";

// ---- UTF-16 ------------------------------------------------------------------

// glibc's UTF-8 of UTF-16LE units, the reference for well-formed text.
std::string IconvFromUtf16(const std::u16string& text)
{
    iconv_t cd = iconv_open("UTF-8", "UTF-16LE");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "no iconv";
    std::string in;
    for (char16_t unit : text) {
        in += static_cast<char>(unit & 0xFF);
        in += static_cast<char>(unit >> 8);
    }
    std::string out(text.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return std::string(out.data(), outPtr);
}

TEST(Utf16ToUtf8, AsTheSystemConvertsAndBack)
{
    for (const std::u16string& text : {std::u16string(u"255\r\n"), std::u16string(u"Ответ: 0.1 (10) — № ё"),
                                       std::u16string(u"1\u00A0000\u202F000"), std::u16string(u"𝟙𝟚 😀 \uFFFF"),
                                       std::u16string()}) {
        const std::string utf8 = Utf16ToUtf8(text);
        SCOPED_TRACE(utf8);
        EXPECT_EQ(utf8, IconvFromUtf16(text));
        EXPECT_EQ(Utf8ToUtf16(utf8), text);
    }
}

TEST(Utf16ToUtf8, ASurrogateWithoutItsPartner)
{
    const struct {
        std::u16string units;
        std::string utf8;
    } rows[] = {
        {{u'1', 0xD800}, "1" + FFFD},
        {{0xD83D, u'1'}, FFFD + "1"},
        {{0xDE00, 0xD83D}, FFFD + FFFD},
        {{0xD83D, 0xD83D, 0xDE00}, FFFD + u8"😀"},
        {{0xDC00}, FFFD},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.utf8);
        EXPECT_EQ(Utf16ToUtf8(row.units), row.utf8);
    }
}

// ---- standard input's lines --------------------------------------------------

enum class Order { LITTLE, BIG };

// text as a UTF-16 file of that byte order, its mark first.
std::string Utf16File(const std::u16string& text, Order order)
{
    std::string bytes;
    for (char16_t unit : std::u16string(1, 0xFEFF) + text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += order == Order::LITTLE ? low : high;
        bytes += order == Order::LITTLE ? high : low;
    }
    return bytes;
}

struct InputRow {
    const char* label;
    std::string bytes;
    std::vector<std::string> lines;
};

// The lines of bytes given to InputLines in pieces of size piece.
std::vector<std::string> LinesOf(const std::string& bytes, std::size_t piece)
{
    InputLines input;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        input.Take(bytes.data() + at, std::min(piece, bytes.size() - at), lines);
    input.End(lines);
    return lines;
}

void ExpectLines(const std::vector<InputRow>& rows)
{
    for (const InputRow& row : rows) {
        SCOPED_TRACE(row.label);
        // Whole, and cut at every place a read may cut it.
        for (std::size_t piece : {std::size_t(1) << 20, std::size_t(1), std::size_t(2), std::size_t(3), std::size_t(5)}) {
            SCOPED_TRACE(piece);
            EXPECT_EQ(LinesOf(row.bytes, piece), row.lines);
        }
    }
}

TEST(InputLines, LinesAsBefore)
{
    ExpectLines({
        {"LF", "255\n10\n", {"255", "10"}},
        {"CR LF", "255\r\n10\r\n", {"255", "10"}},
        {"no final line end", "1\n2", {"1", "2"}},
        {"nothing", "", {}},
        {"blank lines stay requests", "1\n\n\n3\n", {"1", "", "", "3"}},
        {"a line of a CR alone", "\r\n", {""}},
        {"a CR inside stays", "1\r2\n", {"1\r2"}},
        {"only the CR before the end goes", "1\r\r\n2\r", {"1\r", "2"}},
        {"a NUL is a character", std::string("1\0" "2\n", 4), {std::string("1\0" "2", 3)}},
    });
}

TEST(InputLines, Utf8ByteOrderMark)
{
    ExpectLines({
        {"skipped", "\xEF\xBB\xBF" "255\n", {"255"}},
        {"alone", "\xEF\xBB\xBF", {}},
        {"before a blank line", "\xEF\xBB\xBF\n", {""}},
        {"a second one stays", "\xEF\xBB\xBF\xEF\xBB\xBF" "1", {"\xEF\xBB\xBF" "1"}},
        {"later it stays", "1\n\xEF\xBB\xBF" "2\n", {"1", "\xEF\xBB\xBF" "2"}},
        {"two bytes of it are text", "\xEF\xBB", {"\xEF\xBB"}},
        {"one byte of it is text", "\xEF" "1\n", {"\xEF" "1"}},
        {"a byte of a UTF-16 mark is text", "\xFE" "1", {"\xFE" "1"}},
        {"so is the other", "\xFF", {"\xFF"}},
    });
}

TEST(InputLines, Utf16WithItsMark)
{
    ExpectLines({
        {"little-endian, CR LF", Utf16File(u"255\r\n10\r\n", Order::LITTLE), {"255", "10"}},
        {"big-endian, CR LF", Utf16File(u"255\r\n10\r\n", Order::BIG), {"255", "10"}},
        {"no final line end", Utf16File(u"1\n2", Order::LITTLE), {"1", "2"}},
        {"blank lines stay", Utf16File(u"\r\n\r\n", Order::BIG), {"", ""}},
        {"the mark alone", Utf16File(u"", Order::LITTLE), {}},
        {"Cyrillic and beyond U+FFFF", Utf16File(u"Я1\n😀\n", Order::BIG), {u8"Я1", u8"😀"}},
        {"no-break spaces", Utf16File(u"1\u00A0000\u202F000\n", Order::LITTLE), {u8"1\u00A0000\u202F000"}},
        {"a second mark is a character", Utf16File(u"\uFEFF" u"1", Order::LITTLE), {u8"\uFEFF" "1"}},
        {"a high surrogate at the end", Utf16File(u"1\n", Order::LITTLE) + "\x3D\xD8", {"1", FFFD}},
        {"a low surrogate alone", Utf16File(u"", Order::BIG) + std::string("\xDC\x00\x00" "2", 4), {FFFD + "2"}},
        {"a last byte short of a unit", Utf16File(u"12", Order::LITTLE) + "3", {"12" + FFFD}},
        {"a Ctrl-Z at the end", Utf16File(u"255\r\n\x1A", Order::LITTLE), {"255"}},
        {"units that hold 0x1A and 0x0A bytes", Utf16File(u"\u1A0A\u0A1A\n", Order::LITTLE), {u8"\u1A0A\u0A1A"}},
    });
}

TEST(InputLines, CtrlZAfterTheLastLineEndsTheInput)
{
    ExpectLines({
        {"after the last line end", "255\n\x1A", {"255"}},
        {"right after the last line", "255\x1A", {"255"}},
        {"as a console gives it", "255\r\n\x1A\r\n", {"255"}},
        {"alone", "\x1A", {}},
        {"after the byte-order mark", "\xEF\xBB\xBF\x1A", {}},
        {"a blank line before it stays", "1\n\n\x1A", {"1", ""}},
        {"several", "1\n\x1A\x1A\n\x1A\r", {"1"}},
        // Followed by text, it is a character of its line, and refused with it.
        {"inside a number", "25\x1A" "5\n", {"25\x1A" "5"}},
        {"a line of its own before more", "1\n\x1A\n2\n", {"1", "\x1A", "2"}},
        {"line ends between", "1\x1A\r\n\x1A" "2", {"1\x1A", "\x1A" "2"}},
    });
}

// A line is handed on as soon as its end has come: a person typing into a
// pipe sees each answer before typing the next line.
TEST(InputLines, EachLineAsSoonAsItEnds)
{
    InputLines input;
    std::vector<std::string> lines;
    input.Take("255\n1", 5, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"255"}));
    input.Take("0\n\x1A", 3, lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"255", "10"}));
    input.Take("\r\n", 2, lines);  // still only line ends after the Ctrl-Z
    EXPECT_EQ(lines.size(), 2u);
    input.End(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"255", "10"}));

    InputLines marked;
    std::vector<std::string> first;
    marked.Take("\xEF\xBB", 2, first);  // perhaps a mark: nothing yet
    marked.Take("\xBF" "7\n", 3, first);
    EXPECT_EQ(first, (std::vector<std::string>{"7"}));
}

}  // namespace
