// kalvorix-cli: its text conversions, JSON and options directly, and the built
// program run as a user runs it. Expected messages are u8 literals, which stay
// UTF-8 whatever the execution character set.
#include "args.h"
#include "cli_child.h"
#include "charset.h"
#include "convert.h"
#include "json.h"
#include "lineends.h"
#include "request.h"
#include "solution.h"
#include "streams.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace clitest;

// ---- text conversions ----------------------------------------------------

// glibc's own table as the reference; empty where it knows no character.
std::string IconvCp1251(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "no iconv";
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1, outLeft = sizeof out;
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return done == static_cast<size_t>(-1) ? std::string() : std::string(out, outPtr);
}

TEST(Cp1251ToUtf8, EveryByteAsTheSystemConverts)
{
    if (IconvCp1251('A') != "A")
        GTEST_SKIP() << "no CP1251 in iconv";
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        if (ScriptOf(static_cast<unsigned char>(byte)) != Script::LINE)
            continue;  // the notation's marks, below
        const std::string reference = IconvCp1251(static_cast<unsigned char>(byte));
        const std::string ours = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(ours, reference.empty() ? u8"\uFFFD" : reference);
    }
}

TEST(Cp1251ToUtf8, NotationMarksAsUnicodeSubscriptsAndSuperscripts)
{
    EXPECT_EQ(Cp1251ToUtf8("1011.101" + Subscript(2) + " = 11.625" + Subscript(10)), u8"1011.101\u2082 = 11.625\u2081\u2080");
    EXPECT_EQ(Cp1251ToUtf8("2" + Superscript(-149) + " · 2" + Superscript(0) + Superscript(1234567890)),
              u8"2\u207B\u00B9\u2074\u2079 \u00B7 2\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079\u2070");
    // Every mark has a code point of its own, and reads back to its byte.
    int marks = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char b = static_cast<unsigned char>(byte);
        if (b == 0x98)
            continue;
        SCOPED_TRACE(byte);
        marks += ScriptOf(b) != Script::LINE;
        EXPECT_EQ(ByteOf(CodePointOf(b)), b);
    }
    EXPECT_EQ(marks, 21);
}

const std::string FFFD = u8"\uFFFD";

// glibc's conversion of bytes from one character set to another, the
// reference for well-formed text.
std::string Iconv(const char* to, const char* from, std::string in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "no iconv";
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return std::string(out.data(), outPtr);
}

// What a Windows console is given.
std::u16string IconvUtf16(const std::string& text)
{
    const std::string bytes = Iconv("UTF-16LE", "UTF-8", text);
    std::u16string units;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const unsigned char low = static_cast<unsigned char>(bytes[at]);
        const unsigned char high = static_cast<unsigned char>(bytes[at + 1]);
        units += static_cast<char16_t>(low | high << 8);
    }
    return units;
}

// What UTF-16 input becomes.
std::string IconvFromUtf16(const std::u16string& text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return Iconv("UTF-8", "UTF-16LE", bytes);
}

TEST(Utf8ToUtf16, AsTheConsoleTakesIt)
{
    for (const std::string& text : {std::string(u8"Ответ: 0.1 (10) = 0.0(0011) (2)."), std::string("plain\n"),
                                   std::string(u8"€ ‰ № ё Ё"), std::string(u8"𝟙𝟚 beyond U+FFFF"), std::string()}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Utf8ToUtf16(text), IconvUtf16(text));
    }
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b\xD0"), u"a\uFFFDb\uFFFD");  // a stray byte, a cut-off sequence
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
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

// What each stream is written as: a Windows console in UTF-16 with CR LF,
// a Unix terminal as it is, at once; a file or a pipe buffered, with CR LF
// only on Windows.
TEST(Streams, RulesOfEachKind)
{
    const struct {
        StreamKind kind;
        bool windows, wide, crlf, eachWrite;
    } rows[] = {
        {StreamKind::CONSOLE, true, true, true, true},
        {StreamKind::REDIRECTED, true, false, true, false},
        {StreamKind::TERMINAL, false, false, false, true},
        {StreamKind::REDIRECTED, false, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.kind) * 2 + row.windows);
        const StreamRules rules = RulesFor(row.kind, row.windows);
        EXPECT_EQ(rules.wide, row.wide);
        EXPECT_EQ(rules.crlf, row.crlf);
        EXPECT_EQ(rules.eachWrite, row.eachWrite);
    }
    EXPECT_EQ(WithCrLf("FF\n\nA\nB"), "FF\r\n\r\nA\r\nB");
    EXPECT_EQ(WithCrLf(""), "");
}

struct Utf8Row {
    const char* label;
    std::string bytes;
    std::string valid;  // ValidUtf8
    std::string ascii;  // Utf8ToAscii with '#'
};


TEST(Utf8, WellAndIllFormedSequences)
{
    const Utf8Row rows[] = {
        {"ASCII", "1A.-z", "1A.-z", "1A.-z"},
        {"NUL kept", std::string("1\0" "2", 3), std::string("1\0" "2", 3), std::string("1\0" "2", 3)},
        {"two bytes", u8"Я1", u8"Я1", "#1"},
        {"three bytes", u8"1€2", u8"1€2", "1#2"},
        {"four bytes", u8"😀", u8"😀", "#"},
        {"largest code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF", "#"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", FFFD + FFFD + FFFD + FFFD, "####"},
        {"overlong slash", "\xC0\xAF", FFFD + FFFD, "##"},
        {"overlong three bytes", "\xE0\x80\xB1", FFFD + FFFD + FFFD, "###"},
        {"surrogate", "\xED\xA0\x80", FFFD + FFFD + FFFD, "###"},
        {"stray continuation", "1\x80" "2", "1" + FFFD + "2", "1#2"},
        {"cut off at the end", "1\xE2\x82", "1" + FFFD + FFFD, "1##"},
        {"cut off by ASCII", "\xE2" "1", FFFD + "1", "#1"},
        {"Windows-1251 bytes", "\xC0\xE1", FFFD + FFFD, "##"},
        {"byte 0xFF", "\xFF", FFFD, "#"},
        {"empty", "", "", ""},
    };
    for (const Utf8Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(ValidUtf8(row.bytes), row.valid);
        EXPECT_EQ(Utf8ToAscii(row.bytes, '#'), row.ascii);
    }
}

// ---- JSON ------------------------------------------------------------------

TEST(Json, StringLiterals)
{
    const struct {
        std::string text;
        std::string json;
    } rows[] = {
        {"FF", "\"FF\""},
        {"", "\"\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\b", "\"a\\\\b\""},
        {"1\n2\r\t\b\f", "\"1\\n2\\r\\t\\b\\f\""},
        {std::string("\0\x01\x1F", 3), "\"\\u0000\\u0001\\u001f\""},
        {"\x7F/", "\"\x7F/\""},
        {u8"Ошибка", u8"\"Ошибка\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.json);
        EXPECT_EQ(JsonString(row.text), row.json);
    }
    EXPECT_EQ(JsonValue(std::nullopt), "null");
    EXPECT_EQ(JsonValue(std::string("null")), "\"null\"");
}

// ---- options ---------------------------------------------------------------

TEST(CliArgs, SystemNames)
{
    const struct {
        const char* name;
        int system;
    } rows[] = {
        {"2", 2}, {"10", 10}, {"16", 16}, {"roman", -1}, {"ROMAN", -1}, {"Roman", -1},
        {"1", 0}, {"17", 0}, {"02", 0}, {"+2", 0}, {"2 ", 0}, {"", 0}, {"99999999999", 0},
        {"rom", 0}, {"romans", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SystemOfName(row.name), row.system);
    }
}

struct ArgsRow {
    std::vector<std::string> args;
    int source;
    int target;
    std::string precision;
    bool json;
    std::vector<std::string> numbers;
};

// Usage errors are tested on the program itself, with their texts.
TEST(CliArgs, Parsing)
{
    const ArgsRow rows[] = {
        {{}, 10, 2, "4", false, {}},
        {{"-f", "10", "-t", "16", "255"}, 10, 16, "4", false, {"255"}},
        {{"255", "-t", "16", "-f", "8"}, 8, 16, "4", false, {"255"}},
        {{"-t", "roman", "-f", "ROMAN", "--json"}, -1, -1, "4", true, {}},
        {{"-p", "", "1"}, 10, 2, "", false, {"1"}},
        {{"-p", "-5", "-10.25", "-FF", "-", "-x"}, 10, 2, "-5", false, {"-10.25", "-FF", "-", "-x"}},
        {{"-t", "3", "-t", "5"}, 10, 5, "4", false, {}},
        {{"--", "-f", "--json", "--"}, 10, 2, "4", false, {"-f", "--json", "--"}},
    };
    for (const ArgsRow& row : rows) {
        std::string joined;
        for (const std::string& arg : row.args)
            joined += "[" + arg + "]";
        SCOPED_TRACE(joined);
        CliOptions options;
        std::string error;
        EXPECT_TRUE(ParseArguments(row.args, options, error));
        EXPECT_EQ(error, "");
        EXPECT_EQ(options.source, row.source);
        EXPECT_EQ(options.target, row.target);
        EXPECT_EQ(options.precision, row.precision);
        EXPECT_EQ(options.json, row.json);
        EXPECT_EQ(options.numbers, row.numbers);
        EXPECT_FALSE(options.help);
    }
    CliOptions options;
    std::string error;
    EXPECT_TRUE(ParseArguments({"1", "--help"}, options, error));
    EXPECT_TRUE(options.help);
    EXPECT_FALSE(options.steps);
    EXPECT_TRUE(ParseArguments({"1", "--steps"}, options, error));
    EXPECT_TRUE(options.steps);
    EXPECT_EQ(options.numbers, (std::vector<std::string>{"1", "1"}));
}

TEST(CliRequest, NumbersAreCleanedAsTheInputFieldDoes)
{
    const struct {
        std::string typed;
        std::string clean;
    } rows[] = {
        {"1 0  1", "101"}, {"ff", "FF"}, {"mcmxcix", "MCMXCIX"}, {" -1,5 ", "-1,5"},
        {u8"１２", "??"}, {u8"А", "?"}, {"\xFF" "1", "?1"}, {u8"−5", "?5"}, {"", ""},
        // Tabs and no-break spaces go as spaces do, inside and around.
        {"a b\tc", "ABC"}, {"\t1\t000\t", "1000"}, {u8"1\u00A0000,5", "1000,5"},
        {u8"\u202F-1\u202F234\u00A0567\u202F", "-1234567"}, {u8"\u00A0\u202F\t", ""},
        // Other spaces of Unicode stay foreign, as in the field: the thin
        // space, the figure space, the ideographic space.
        {u8"1\u2009000", "1?000"}, {u8"1\u2007000", "1?000"}, {u8"1\u3000", "1?"},
        // A cut-off no-break space is no space.
        {"1\xC2" "2", "1?2"}, {"1\xE2\x80", "1??"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(CleanNumber(row.typed), row.clean);
    }
}

// ---- the program -----------------------------------------------------------

// Standard error into the file of standard output.
Wiring SharedFile()
{
    Wiring wiring;
    wiring.err = Target::SAME_AS_OUTPUT;
    return wiring;
}

struct CliRow {
    const char* label;
    std::vector<std::string> args;
    std::string input;
    std::string out;
    std::string err;
    int status;
};

void ExpectRuns(const std::vector<CliRow>& rows)
{
    for (const CliRow& row : rows) {
        SCOPED_TRACE(row.label);
        const Result result = RunCli(row.args, row.input);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
        EXPECT_EQ(result.status, row.status);
    }
}

const std::string OUT_OF_RANGE = u8"Исходное число больше самого большего числа\nв римской системе счисления.\n\n"
                                 u8"Самое большое римское число - MMMCMXCIX (3999)";
const std::string RANGE_10 = u8"Введено неверное значение:\n\nДиапазон 10-ной системы счисления: {0..9}.";
const std::string RANGE_10_JSON = u8"Введено неверное значение:\\n\\nДиапазон 10-ной системы счисления: {0..9}.";
const std::string RANGE_16 = u8"Введено неверное значение:\n\nДиапазон 16-ной системы счисления: {0..F}.";

TEST(CliProgram, ConvertsArguments)
{
    ExpectRuns({
        {"decimal to hexadecimal", {"-f", "10", "-t", "16", "255"}, "", "FF\n", "", 0},
        {"defaults 10 to 2", {"5"}, "", "101\n", "", 0},
        {"negative fraction", {"-10.25"}, "", "-1010.01\n", "", 0},
        {"small letters", {"-f", "16", "-t", "10", "ff", "a.8"}, "", "255\n10.5\n", "", 0},
        {"spaces inside", {"-f", "2", "-t", "10", "1 0  1"}, "", "5\n", "", 0},
        {"to Roman", {"-t", "roman", "1999", "3999"}, "", "MCMXCIX\nMMMCMXCIX\n", "", 0},
        {"from Roman", {"-f", "roman", "-t", "16", "mcmxcix"}, "", "7CF\n", "", 0},
        {"a dash number after --", {"-f", "16", "-t", "10", "--", "-f"}, "", "-15\n", "", 0},
        {"precision", {"-p", "8", "0.1"}, "", "0.00011001\n", "", 0},
    });
}

TEST(CliProgram, RefusedRequestsPrintTheProgramsMessage)
{
    ExpectRuns({
        {"out of Roman range", {"-t", "roman", "4000"}, "", "\n", OUT_OF_RANGE + "\n", 1},
        {"bad digit in base 2", {"-f", "2", "102"}, "", "\n",
         u8"Введено неверное значение:\n\nДиапазон 2-ной системы счисления: {0..1}.\n", 1},
        {"empty precision", {"-p", "", "12"}, "", "\n", u8"Не указана точность вычислений\n", 1},
        {"precision above 1000", {"-p", "1001", "12"}, "", "\n", u8"Неверно указана точность вычислений\n", 1},
        {"empty number", {""}, "", "\n", u8"Операция невозможна:\n\nИсходное число не задано\n", 1},
        {"one refused among good ones", {"-t", "16", "255", "1.2.3", "-1"}, "", "FF\n\n-1\n",
         u8"Введено неверное значение:\n\nНесколько разделителей частей числа\n", 1},
        {"Cyrillic look-alike of A", {"-f", "16", u8"А"}, "", "\n", RANGE_16 + "\n", 1},
        {"full-width digits", {u8"１２"}, "", "\n", RANGE_10 + "\n", 1},
        {"invalid UTF-8", {"1\xFF"}, "", "\n", RANGE_10 + "\n", 1},
    });
}

// Numbers copied from a table, a spreadsheet or a web page.
TEST(CliProgram, TabsAndNoBreakSpacesGoLikeSpaces)
{
    ExpectRuns({
        {"a tab between groups", {"-t", "10", "1\t000"}, "", "1000\n", "", 0},
        {"a tab after", {"-t", "16", "255\t"}, "", "FF\n", "", 0},
        {"U+00A0", {"-t", "10", u8"1\u00A0000\u00A0000,5"}, "", "1000000.5\n", "", 0},
        {"U+202F", {"-f", "2", "-t", "10", u8"\u202F1111\u202F1111"}, "", "255\n", "", 0},
        {"tabs in standard input", {"-t", "10"}, "1\t000\n\t1\t\n", "1000\n1\n", "", 0},
        {"a thin space is refused", {"-t", "10", u8"1\u2009000"}, "", "\n", RANGE_10 + "\n", 1},
    });
}

// -t all: a line a system, a refusal on its system's line; a number that no
// system takes is refused once; the exit status says whether any refused.
TEST(CliProgram, EverySystem)
{
    std::string all255;
    const char* const IN_BASES[] = {"11111111", "100110", "3333", "2010", "1103", "513", "377", "313",
                                    "255",      "212",    "193",  "168",  "143",  "120", "FF"};
    for (int base = 2; base <= 16; ++base)
        all255 += std::to_string(base) + ": " + IN_BASES[base - 2] + "\n";
    const std::string FRACTION_TO_ROMAN = u8"roman: Операция невозможна: Отрицательное или дробное число невозможно "
                                          u8"перевести в римскую систему счисления\n";
    ExpectRuns({
        {"every system", {"-t", "all", "255"}, "", all255 + "roman: CCLV\n", "", 0},
        {"a fraction has no Roman numeral", {"-t", "ALL", "-p", "2", "0.5"}, "",
         "2: 0.1\n3: 0.11\n4: 0.2\n5: 0.22\n6: 0.3\n7: 0.33\n8: 0.4\n9: 0.44\n10: 0.5\n11: 0.55\n12: 0.6\n"
         "13: 0.66\n14: 0.7\n15: 0.77\n16: 0.8\n" + FRACTION_TO_ROMAN, "", 1},
        {"a number no system takes", {"-t", "all", "12", "1x"}, "", "2: 1100\n3: 110\n4: 30\n5: 22\n6: 20\n"
         "7: 15\n8: 14\n9: 13\n10: 12\n11: 11\n12: 10\n13: C\n14: C\n15: C\n16: C\nroman: XII\n\n", RANGE_10 + "\n", 1},
        {"the last -t wins", {"-t", "all", "-t", "16", "255"}, "", "FF\n", "", 0},
    });
    const Result json = RunCli({"-t", "all", "--json", "-f", "16", "-1F"}, "");
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err, "");
    EXPECT_EQ(json.out.rfind(u8"{\"input\": \"-1F\", \"decimal\": \"-31\", \"2\": \"-11111\", \"3\": \"-1011\", ", 0), 0u)
        << json.out;
    EXPECT_NE(json.out.find(u8"\"16\": \"-1F\", \"roman\": null, \"errors\": {\"roman\": \"Операция невозможна:\\n\\n"),
              std::string::npos)
        << json.out;
}

TEST(CliProgram, UsageErrorsAndHelp)
{
    const struct {
        std::vector<std::string> args;
        std::string reason;
    } rows[] = {
        {{"--bogus", "1"}, u8"неизвестный параметр --bogus"},
        {{u8"--ключ", "1"}, u8"неизвестный параметр --????"},
        {{"-f", "17", "1"}, u8"неизвестная система счисления «17» (от 2 до 16 или roman)"},
        {{"-f", "all", "1"}, u8"неизвестная система счисления «all» (от 2 до 16 или roman)"},
        {{"-t", "rom", "1"}, u8"неизвестная система счисления «rom» (от 2 до 16 или roman, или all)"},
        {{"1", "-f"}, u8"параметру -f нужно значение"},
        {{"-p"}, u8"параметру -p нужно значение"},
        {{"-t", "all", "--steps", "1"}, u8"--steps и -t all вместе не используются: решение пишется для одной системы"},
    };
    const Result help = RunCli({"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind(u8"Использование: kalvorix-cli [-f СИСТЕМА] [-t СИСТЕМА|all] [-p ТОЧНОСТЬ] [--json]", 0), 0u)
        << help.out;
    const Result version = RunCli({"--version", "5"}, "");
    EXPECT_EQ(version.out, "kalvorix-cli 1.3.9\n");
    EXPECT_EQ(version.status, 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        const Result result = RunCli(row.args, "1\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "") << "nothing is converted";
        EXPECT_EQ(result.err, "kalvorix-cli: " + row.reason + u8"\nПодробнее: kalvorix-cli --help\n");
    }
}

TEST(CliProgram, ReadsStandardInputLineByLine)
{
    ExpectRuns({
        {"LF lines", {"-t", "16"}, "255\n10\n", "FF\nA\n", "", 0},
        {"CRLF lines", {"-t", "16"}, "255\r\n10\r\n", "FF\nA\n", "", 0},
        {"last line without a break", {}, "1\n2", "1\n10\n", "", 0},
        {"no input at all", {}, "", "", "", 0},
        {"an empty line is an empty number", {}, "1\n\n3\n", "1\n\n11\n",
         u8"Операция невозможна:\n\nИсходное число не задано\n", 1},
        {"a CR inside the line stays", {}, "1\r2\n", "\n", RANGE_10 + "\n", 1},
        {"the precision of -p for every line", {"-p", "8"}, "0.1\n0.3\n", "0.00011001\n0.010011\n", "", 0},
        {"a refused line does not stop the rest", {"-t", "roman"}, "4000\n12\n", "\nXII\n", OUT_OF_RANGE + "\n", 1},
    });
}

// Into a file the outcomes are buffered, yet each reason still follows its
// own empty line, as on a terminal.
TEST(CliProgram, OutcomesAndReasonsKeepTheirOrderInOneFile)
{
    const Result result = RunCli({"-t", "16"}, "255\n1.2.3\nZ\n10\n", {}, SharedFile());
    EXPECT_EQ(result.out, "FF\n\n" + std::string(u8"Введено неверное значение:\n\nНесколько разделителей частей числа\n")
                              + "\n" + RANGE_10 + "\nA\n");
    EXPECT_EQ(result.status, 1);

    // Many lines: far more than one buffer's worth before the refused one.
    std::string input, expected;
    for (int k = 0; k < 20000; ++k) {
        input += "255\n";
        expected += "FF\n";
    }
    const Result many = RunCli({"-t", "16"}, input + "Z\n255\n", {}, SharedFile());
    EXPECT_EQ(many.out, expected + "\n" + RANGE_10 + "\nFF\n");
}

// On a terminal every outcome shows before the next line is read: the
// program's standard output is a pseudo-terminal, its input a pipe kept open.
TEST(CliProgram, ATerminalSeesEachOutcomeAtOnce)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string slave = ptsname(master);
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    std::string program = KALVORIX_CLI, target = "-t", sixteen = "16";
    char* argv[] = {program.data(), target.data(), sixteen.data(), nullptr};
    const pid_t pid = fork();
    if (pid == 0) {
        const int terminal = open(slave.c_str(), O_WRONLY);
        if (terminal < 0 || dup2(input[0], 0) < 0 || dup2(terminal, 1) < 0)
            _exit(126);
        close(input[1]);
        execv(argv[0], argv);
        _exit(127);
    }
    close(input[0]);
    // What the terminal shows within ten seconds, up to the first line break.
    auto nextLine = [master]() {
        std::string line;
        char ch;
        pollfd ready{master, POLLIN, 0};
        while (poll(&ready, 1, 10000) == 1 && read(master, &ch, 1) == 1 && ch != '\n')
            line += ch;
        return line;
    };
    ASSERT_EQ(write(input[1], "255\n", 4), 4);
    EXPECT_EQ(nextLine(), "FF\r");
    ASSERT_EQ(write(input[1], "10\n", 3), 3);
    EXPECT_EQ(nextLine(), "A\r");
    close(input[1]);
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(master);
}

TEST(CliProgram, JsonLines)
{
    ExpectRuns({
        {"fraction from standard input", {"-t", "2", "--json"}, "-10.25\n",
         "{\"input\": \"-10.25\", \"result\": \"-1010.01\", \"decimal\": \"-10.25\", \"error\": null"
         ", \"exact\": true, \"exact_value\": \"-1010.01\"}\n", "", 0},
        {"decimal of another base", {"-f", "16", "-t", "roman", "--json", "7cf"}, "",
         "{\"input\": \"7cf\", \"result\": \"MCMXCIX\", \"decimal\": \"1999\", \"error\": null"
         ", \"exact\": true, \"exact_value\": \"MCMXCIX\"}\n", "", 0},
        {"refused", {"-t", "roman", "--json", "4000"}, "",
         u8"{\"input\": \"4000\", \"result\": null, \"decimal\": null, \"error\": \"Исходное число больше самого "
         u8"большего числа\\nв римской системе счисления.\\n\\nСамое большое римское число - MMMCMXCIX (3999)\""
         u8", \"exact\": null, \"exact_value\": null}\n",
         "", 1},
        {"input as given, spaces and all", {"--json", "-f", "2", "-t", "10", "1 0 1"}, "",
         "{\"input\": \"1 0 1\", \"result\": \"5\", \"decimal\": \"5\", \"error\": null, \"exact\": true"
         ", \"exact_value\": \"5\"}\n", "", 0},
        {"quote and backslash", {"--json", "1\"\\"}, "",
         "{\"input\": \"1\\\"\\\\\", \"result\": null, \"decimal\": null, \"error\": \"" + RANGE_10_JSON
             + "\", \"exact\": null, \"exact_value\": null}\n",
         "", 1},
        {"invalid UTF-8 and a control character", {"--json"}, "\xFF\x01" "1\n",
         u8"{\"input\": \"\uFFFD\\u00011\", \"result\": null, \"decimal\": null, \"error\": \"" + RANGE_10_JSON
             + "\", \"exact\": null, \"exact_value\": null}\n",
         "", 1},
        {"one line per request", {"--json", "-p", ""}, "1\n",
         u8"{\"input\": \"1\", \"result\": null, \"decimal\": null, \"error\": \"Не указана точность вычислений\""
         u8", \"exact\": null, \"exact_value\": null}\n",
         "", 1},
    });
}

// The worked solution of the window's own builder, in UTF-8.
std::string StepsOf(const std::string& number, const std::string& precision, int source, int target)
{
    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, precision, source, target, parts);
    return Cp1251ToUtf8(SolveCommand(ConversionCommand(parts, outcome)).text);
}

TEST(CliProgram, StepsAfterEachResult)
{
    const std::string tenth = StepsOf("0.1", "8", 10, 2);
    EXPECT_NE(tenth.find(u8"\nОтвет: 0.1\u2081\u2080 = 0.00011001\u2082.\nРезультат неточный: в дробной части "
                         u8"оставлено 8 цифр, остальные отброшены, без округления.\nТочное значение: 0.0(0011)\u2082.\n"),
              std::string::npos)
        << tenth;
    ExpectRuns({
        {"the period of 0.1", {"--steps", "-f", "10", "-t", "2", "-p", "8", "0.1"}, "", "0.00011001\n" + tenth + "\n",
         "", 0},
        {"a refused request has no solution", {"--steps", "-t", "16", "255", "1.2.3", "-1"}, "",
         "FF\n" + StepsOf("255", "4", 10, 16) + "\n\n-1\n" + StepsOf("-1", "4", 10, 16) + "\n",
         u8"Введено неверное значение:\n\nНесколько разделителей частей числа\n", 1},
        {"standard input, Roman", {"--steps", "-f", "roman", "-t", "10"}, "vv\nmcmxcix\n",
         "10\n" + StepsOf("VV", "4", -1, 10) + "\n1999\n" + StepsOf("MCMXCIX", "4", -1, 10) + "\n", "", 0},
    });
}

TEST(CliProgram, JsonExactness)
{
    const std::string steps = JsonString(StepsOf("0.2", "4", 3, 10));
    ExpectRuns({
        {"cut, with its period", {"--json", "-p", "8", "0.1"}, "",
         "{\"input\": \"0.1\", \"result\": \"0.00011001\", \"decimal\": \"0.1\", \"error\": null, \"exact\": false"
         ", \"exact_value\": \"0.0(0011)\"}\n",
         "", 0},
        {"exact in another base", {"--json", "-f", "3", "-t", "9", "0.1"}, "",
         "{\"input\": \"0.1\", \"result\": \"0.3\", \"decimal\": \"0.3333\", \"error\": null, \"exact\": true"
         ", \"exact_value\": \"0.3\"}\n",
         "", 0},
        {"a period of 3^10 digits is not written", {"--json", "-f", "3", "-t", "10", "-p", "3", "0.000000000001"}, "",
         "{\"input\": \"0.000000000001\", \"result\": \"0\", \"decimal\": \"0\", \"error\": null, \"exact\": false"
         ", \"exact_value\": null}\n",
         "", 0},
        {"with steps", {"--json", "--steps", "-f", "3", "-t", "10"}, "0.2\n\n",
         "{\"input\": \"0.2\", \"result\": \"0.6666\", \"decimal\": \"0.6666\", \"error\": null, \"exact\": false"
         ", \"exact_value\": \"0.(6)\", \"steps\": " + steps + "}\n"
         u8"{\"input\": \"\", \"result\": null, \"decimal\": null, \"error\": \"Операция невозможна:\\n\\nИсходное "
         u8"число не задано\", \"exact\": null, \"exact_value\": null, \"steps\": null}\n",
         "", 1},
    });
}

TEST(CliProgram, LongNumbers)
{
    // 2^32767 - 1: 32,767 ones in base 2 are a 7 and 8,191 F's in base 16.
    const Result ones = RunCli({"-f", "2", "-t", "16", std::string(32767, '1')}, "");
    EXPECT_EQ(ones.out, "7" + std::string(8191, 'F') + "\n");
    EXPECT_EQ(ones.status, 0);

    const std::string nines(32767, '9');
    const Result json = RunCli({"-t", "10", "--json"}, nines + "\n");
    EXPECT_EQ(json.out, "{\"input\": \"" + nines + "\", \"result\": \"" + nines + "\", \"decimal\": \"" + nines
                            + "\", \"error\": null, \"exact\": true, \"exact_value\": \"" + nines + "\"}\n");

    // Four million spaces vanish; four million Z's are refused.
    const Result spaces = RunCli({}, std::string(4u << 20, ' ') + "1\n" + std::string(4u << 20, 'Z') + "\n");
    EXPECT_EQ(spaces.out, "1\n\n");
    EXPECT_EQ(spaces.err, RANGE_10 + "\n");
    EXPECT_EQ(spaces.status, 1);
}

// --arith: expressions from the arguments and from standard input, their
// refusals, whole division in JSON, the steps, and its usage errors.
TEST(CliProgram, Arithmetic)
{
    ExpectRuns({
        {"a sum in binary", {"--arith", "-t", "2", "1011_2 + 111_2"}, "", "10010\n", "", 0},
        {"the -f system when there is no -t", {"--arith", "-f", "16"}, "A9+5F\n", "108\n", "", 0},
        {"into octal", {"--arith", "-t", "8", u8"A9\u2081\u2086 + 5F(16)"}, "", "410\n", "", 0},
        {"a period cut", {"--arith", "1(3) : 10(3)"}, "", "0.3333\n", "", 0},
        {"Roman", {"--arith", "-t", "roman", "1994+6", "3-5"}, "", "MM\n\n",
         u8"Операция невозможна:\n\nОтрицательное или дробное число невозможно\nперевести в римскую систему "
         u8"счисления\n", 1},
        {"division by zero", {"--arith", "5/0", "5*0"}, "", "\n0\n", u8"Операция невозможна:\n\nДеление на нуль!\n", 1},
        {"a bad digit named", {"--arith", "-f", "2", "1021+1"}, "", "\n",
         u8"Введено неверное значение:\n\nПервое число: знак «2» не является цифрой 2-ной системы счисления.\n\n"
         u8"Диапазон 2-ной системы счисления: {0..1}.\n", 1},
    });
    ExpectRuns({
        {"whole division", {"--arith", "--json", "-t", "10", "--", "-17 / 5"}, "",
         "{\"input\": \"-17 / 5\", \"result\": \"-3.4\", \"decimal\": \"-3.4\", \"error\": null, \"exact\": true"
         ", \"exact_value\": \"-3.4\", \"quotient\": \"-3\", \"remainder\": \"-2\"}\n", "", 0},
        {"a fraction has no quotient", {"--arith", "--json", "-t", "3", "1.5 / 2"}, "",
         "{\"input\": \"1.5 / 2\", \"result\": \"0.202\", \"decimal\": \"0.75\", \"error\": null, \"exact\": false"
         ", \"exact_value\": \"0.(20)\"}\n", "", 0},
        {"refused", {"--arith", "--json", "1+"}, "",
         u8"{\"input\": \"1+\", \"result\": null, \"decimal\": null, \"error\": \"Операция невозможна:\\n\\nВторое "
         u8"число не задано\", \"exact\": null, \"exact_value\": null}\n", "", 1},
    });
    const Result steps = RunCli({"--arith", "--steps", "-t", "2", "1011_2 + 111_2"}, "");
    EXPECT_EQ(steps.status, 0);
    EXPECT_EQ(steps.out.rfind("10010\n", 0), 0u) << steps.out;
    EXPECT_NE(steps.out.find(u8"Ответ: 1011\u2082 + 111\u2082 = 10010\u2082."), std::string::npos) << steps.out;
    EXPECT_EQ(steps.out.substr(steps.out.size() - 2), "\n\n") << "an empty line ends the solution";
    const Result usage = RunCli({"--arith", "-f", "roman", "I+I"}, "");
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
}

TEST(CliProgram, TouchesNoSettingsFile)
{
    TempDir dir;
    std::ofstream(dir.path() / "kalvor.ini", std::ios::binary) << "PREC 9";
    const Result result = RunCli({"0.1"}, "", dir.path());
    EXPECT_EQ(result.out, "0.0001\n") << "the precision is 4, not the file's 9";
    EXPECT_EQ(ReadAll(dir.path() / "kalvor.ini"), "PREC 9");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    TempDir empty;
    RunCli({"1"}, "", empty.path());
    EXPECT_TRUE(fs::is_empty(empty.path()));
}

// ---- numbers in memory ------------------------------------------------------

TEST(CliArgs, MemoryModes)
{
    const struct {
        std::vector<std::string> args;
        CliMode mode;
        int width, source;
    } rows[] = {
        {{"--code", "8", "-45"}, CliMode::CODE, 8, 10},
        {{"--code", "1024", "-f", "16", "1"}, CliMode::CODE, 1024, 16},
        {{"--decode", "2", "10"}, CliMode::DECODE, 2, 2},
        {{"-f", "16", "--decode", "16", "FF"}, CliMode::DECODE, 16, 16},
        {{"--float", "16", "1"}, CliMode::FLOAT, 16, 10},
        {{"--float", "64", "--float", "64"}, CliMode::FLOAT, 64, 10},
        {{"--decode-float", "32"}, CliMode::DECODE_FLOAT, 32, 2},
        {{"--decode-float", "64", "-f", "16", "3FB999999999999A"}, CliMode::DECODE_FLOAT, 64, 16},
    };
    for (const auto& row : rows) {
        std::string joined;
        for (const std::string& arg : row.args)
            joined += "[" + arg + "]";
        SCOPED_TRACE(joined);
        CliOptions options;
        std::string error;
        EXPECT_TRUE(ParseArguments(row.args, options, error)) << error;
        EXPECT_EQ(options.mode, row.mode);
        EXPECT_EQ(options.width, row.width);
        EXPECT_EQ(options.source, row.source);
    }
    CliOptions plain;
    std::string error;
    EXPECT_TRUE(ParseArguments({"5"}, plain, error));
    EXPECT_EQ(plain.mode, CliMode::CONVERT);
}

TEST(CliProgram, MemoryModesUsageErrors)
{
    const struct {
        std::vector<std::string> args;
        std::string reason;
    } rows[] = {
        {{"--code", "1", "5"}, u8"--code: разрядность от 2 до 1024, а не «1»"},
        {{"--decode", "1025", "5"}, u8"--decode: разрядность от 2 до 1024, а не «1025»"},
        {{"--code", "08", "5"}, u8"--code: разрядность от 2 до 1024, а не «08»"},
        {{"--float", "80", "1"}, u8"--float: разрядность 16, 32 или 64, а не «80»"},
        {{"--decode-float", "032", "1"}, u8"--decode-float: разрядность 16, 32 или 64, а не «032»"},
        {{"--float", "32", "--code", "8", "1"}, u8"--code, --decode, --float и --decode-float вместе не используются"},
        {{"--arith", "--code", "8", "1"}, u8"--arith не используется с --code, --decode, --float и --decode-float"},
        {{"--code", "8", "-t", "16", "1"}, u8"-t и -p не используются с --code, --decode, --float и --decode-float"},
        {{"-p", "8", "--float", "32", "1"}, u8"-t и -p не используются с --code, --decode, --float и --decode-float"},
        {{"--decode", "8", "-f", "roman", "1"}, u8"римская система не используется с --code, --decode, --float и --decode-float"},
        {{"--code"}, u8"параметру --code нужно значение"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        const Result result = RunCli(row.args, "");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "kalvorix-cli: " + row.reason + u8"\nПодробнее: kalvorix-cli --help\n");
    }
}

TEST(CliProgram, MemoryModesTextbookResults)
{
    ExpectRuns({
        {"the codes of -45", {"--code", "8", "--", "-45"}, "",
         u8"Число:                    -45\nРазрядная сетка:          8 бит\nПрямой код:               1010 1101\n"
         u8"Обратный код:             1101 0010\nДополнительный код:       1101 0011\nШестнадцатеричная запись: D3\n", "", 0},
        {"-128 has a two's complement only", {"--code", "8", "-f", "16", "--", "-80"}, "",
         u8"Число:                    -128\nРазрядная сетка:          8 бит\n"
         u8"Прямой код:               нет: модуль не помещается в 7 разрядов\n"
         u8"Обратный код:             нет: модуль не помещается в 7 разрядов\n"
         u8"Дополнительный код:       1000 0000\nШестнадцатеричная запись: 80\n", "", 0},
        {"a code read four ways", {"--decode", "8", "11010011"}, "",
         u8"Код:                1101 0011 (8 бит)\nБез знака:          211\nПрямой код:         -83\n"
         u8"Обратный код:       -44\nДополнительный код: -45\n", "", 0},
        {"the bits of 0.1", {"--float", "32", "0.1"}, "",
         u8"Формат:                   binary32 (одинарная точность)\nЗнак (1 бит):             0\n"
         u8"Порядок (8 бит):          0111 1011\nМантисса (23 бита):       100 1100 1100 1100 1100 1101\n"
         u8"Шестнадцатеричная запись: 3DCCCCCD\nКласс:                    нормализованное число\n"
         u8"Хранимое значение:        0.100000001490116119384765625 (с округлением)\n", "", 0},
        {"NaN from standard input", {"--decode-float", "16", "-f", "16"}, "7E00\n",
         u8"Формат:                   binary16 (половинная точность)\nЗнак (1 бит):             0\n"
         u8"Порядок (5 бит):          1 1111\nМантисса (10 бит):        10 0000 0000\n"
         u8"Шестнадцатеричная запись: 7E00\nКласс:                    не число (NaN)\n"
         u8"Хранимое значение:        нет\n", "", 0},
        {"a refused width of value", {"--code", "8", "128", "-1"}, "",
         u8"\nЧисло:                    -1\nРазрядная сетка:          8 бит\nПрямой код:               1000 0001\n"
         u8"Обратный код:             1111 1110\nДополнительный код:       1111 1111\nШестнадцатеричная запись: FF\n",
         u8"Число не помещается в 8-разрядную сетку:\n\nв дополнительном коде 8 разрядов записываются числа от -128"
         u8" до 127.\n", 1},
        {"a code longer than the register", {"--decode-float", "16", "-f", "16", "10000"}, "", "\n",
         u8"Код не помещается в 16-разрядную сетку:\n\nв нём больше 16 двоичных разрядов.\n", 1},
    });
}

// The three worked solutions a teacher would check first, in full.
TEST(CliProgram, MemoryModesGoldenSolutions)
{
    ExpectRuns({
        {"codes of -45", {"--code", "8", "--steps", "--", "-45"}, "",
         u8R"GOLDEN(Число:                    -45
Разрядная сетка:          8 бит
Прямой код:               1010 1101
Обратный код:             1101 0010
Дополнительный код:       1101 0011
Шестнадцатеричная запись: D3
Прямой, обратный и дополнительный код числа -45₁₀ в 8-разрядной сетке.

Модуль числа в двоичной системе: 45₁₀ = 101101₂ (45 = 32 + 8 + 4 + 1).
В 8-разрядной сетке старший разряд — знаковый (0 — «плюс», 1 — «минус»),
на модуль остаётся 7 разрядов: 101101 дополняем нулями слева до 0101101.

Прямой код: знаковый разряд 1, за ним модуль:
  1 0101101 = 1010 1101

Обратный код: знаковый разряд 1, а разряды модуля инвертируются (0 заменяется на 1, 1 на 0):
  1 1010010 = 1101 0010

Дополнительный код: к обратному коду прибавляем 1 в столбик:
      1101 0010
  +           1
      ---------
      1101 0011

Ответ: прямой код 1010 1101, обратный код 1101 0010, дополнительный код 1101 0011 (D3₁₆).

Проверка — складываем дополнительный код числа -45 и код числа 45:
    1 1111 111   (переносы)
      1101 0011
  +   0010 1101
    -----------
    1 0000 0000
Единица переноса из старшего разряда выходит за пределы сетки и теряется,
в 8-разрядной сетке остаётся 0000 0000 — сумма равна 0, верно.

)GOLDEN", "", 0},
        {"0.1 in binary32", {"--float", "32", "--steps", "0.1"}, "",
         u8R"GOLDEN(Формат:                   binary32 (одинарная точность)
Знак (1 бит):             0
Порядок (8 бит):          0111 1011
Мантисса (23 бита):       100 1100 1100 1100 1100 1101
Шестнадцатеричная запись: 3DCCCCCD
Класс:                    нормализованное число
Хранимое значение:        0.100000001490116119384765625 (с округлением)
Запись числа 0.1₁₀ в формате binary32 (одинарная точность).

В формате binary32 число занимает 32 бита: знак (1 бит),
смещённый порядок (8 бит, смещение 127) и мантисса (23 бита).
Нормализованное число записывается как 1.xxx₂ · 2 в степени e, где e — порядок;
в поле мантиссы — 23 бита после точки, единица перед точкой не хранится.

Знак: число положительное — знаковый бит 0.

Число в двоичной системе: 0.1₁₀ = 0.0(0011)₂ — смешанная периодическая дробь (период — в скобках).

Нормализуем: переносим точку так, чтобы перед ней стояла одна единица; порядок e = -4.
Под мантиссу — 23 бита после точки, биты после черты в неё не помещаются:
  1.10011001100110011001100|11001100…₂ · 2⁻⁴

Первый отброшенный бит 1, а за ним есть единицы: отброшенная часть больше половины единицы
младшего разряда — округляем вверх, прибавляем 1 к младшему разряду:
      1100 1100 1100 1100 1100 1100
  +                               1
      -----------------------------
      1100 1100 1100 1100 1100 1101
Округление к ближайшему, при равенстве — к чётному: так по стандарту IEEE 754 округляет процессор.
Это единственное место, где программа округляет, а не отбрасывает цифры.

Смещённый порядок: e + 127 = -4 + 127 = 123 = 01111011₂.

Поля:
  знак (1 бит)        0
  порядок (8 бит)     0111 1011
  мантисса (23 бита)  100 1100 1100 1100 1100 1101
Все биты подряд, по четыре, и шестнадцатеричная запись:
  0 01111011 10011001100110011001101 = 0011 1101 1100 1100 1100 1100 1100 1101₂ =
                                     = 3DCCCCCD₁₆

Хранимое значение:
  1.10011001100110011001101₂ · 2⁻⁴ = 13421773 · 2⁻²⁷ =
                                   = 0.100000001490116119384765625
Погрешность — расстояние от хранимого значения до числа:
  |0.100000001490116119384765625 - 0.1| = 0.000000001490116119384765625
Она не больше половины единицы младшего разряда мантиссы: 2⁻²⁸.

Ответ: 0.1₁₀ в формате binary32 — 0 01111011 10011001100110011001101 (3DCCCCCD₁₆), нормализованное число.
Хранится 0.100000001490116119384765625, с округлением.

)GOLDEN", "", 0},
        {"3FB999999999999A read", {"--decode-float", "64", "-f", "16", "--steps", "3FB999999999999A"}, "",
         u8R"GOLDEN(Формат:                   binary64 (двойная точность)
Знак (1 бит):             0
Порядок (11 бит):         011 1111 1011
Мантисса (52 бита):       1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1010
Шестнадцатеричная запись: 3FB999999999999A
Класс:                    нормализованное число
Хранимое значение:        0.1000000000000000055511151231257827021181583404541015625
Чтение 64-разрядного кода в формате binary64 (двойная точность).

Каждая цифра шестнадцатеричной системы счисления — 4 бита:
  3FB999999999999A₁₆ = 0011 1111 1011 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1010₂

Разбиваем биты на поля:
  знак (1 бит)        0
  порядок (11 бит)    011 1111 1011
  мантисса (52 бита)  1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1001 1010

Знаковый бит 0 — число положительное.

Смещённый порядок 01111111011₂ = 1019 — не одни нули и не одни единицы:
нормализованное число, перед точкой стоит единица (она не хранится).
Порядок e = 1019 - 1023 = -4:
  1.100110011001100110011001100110011001100110011001101₂ · 2⁻⁴ = 3602879701896397 · 2⁻⁵⁵ =
                                                               = 0.1000000000000000055511151231257827021181583404541015625

Ответ: 3FB999999999999A₁₆ = 0.1000000000000000055511151231257827021181583404541015625₁₀.
Это нормализованное число формата binary64.

)GOLDEN", "", 0},
    });
}

TEST(CliProgram, MemoryModesJson)
{
    ExpectRuns({
        {"codes", {"--code", "8", "--json", "--", "-45", "-128", "1.5"}, "",
         u8"{\"input\": \"-45\", \"bits\": 8, \"decimal\": \"-45\", \"sign_magnitude\": \"10101101\", "
         u8"\"ones_complement\": \"11010010\", \"twos_complement\": \"11010011\", \"hex\": \"D3\", \"error\": null}\n"
         u8"{\"input\": \"-128\", \"bits\": 8, \"decimal\": \"-128\", \"sign_magnitude\": null, "
         u8"\"ones_complement\": null, \"twos_complement\": \"10000000\", \"hex\": \"80\", \"error\": null}\n"
         u8"{\"input\": \"1.5\", \"bits\": 8, \"decimal\": null, \"sign_magnitude\": null, \"ones_complement\": null, "
         u8"\"twos_complement\": null, \"hex\": null, \"error\": \"Операция невозможна:\\n\\nкод строится только для "
         u8"целого числа.\"}\n", "", 1},
        {"a code", {"--decode", "8", "--json", "-f", "16", "80"}, "",
         u8"{\"input\": \"80\", \"bits\": 8, \"code\": \"10000000\", \"unsigned\": \"128\", \"sign_magnitude\": \"-0\", "
         u8"\"ones_complement\": \"-127\", \"twos_complement\": \"-128\", \"error\": null}\n", "", 0},
        {"floats", {"--float", "16", "--json", "65520", "--", "-0"}, "",
         u8"{\"input\": \"65520\", \"format\": \"binary16\", \"bits\": \"0111110000000000\", \"sign\": \"0\", "
         u8"\"exponent\": \"11111\", \"mantissa\": \"0000000000\", \"hex\": \"7C00\", \"class\": \"infinity\", "
         u8"\"stored\": null, \"exact\": false, \"error\": null}\n"
         u8"{\"input\": \"-0\", \"format\": \"binary16\", \"bits\": \"1000000000000000\", \"sign\": \"1\", "
         u8"\"exponent\": \"00000\", \"mantissa\": \"0000000000\", \"hex\": \"8000\", \"class\": \"zero\", "
         u8"\"stored\": \"-0\", \"exact\": true, \"error\": null}\n", "", 0},
        {"bits", {"--decode-float", "64", "--json", "-f", "16", "3FB999999999999A", "-1"}, "",
         u8"{\"input\": \"3FB999999999999A\", \"format\": \"binary64\", \"bits\": "
         u8"\"0011111110111001100110011001100110011001100110011001100110011010\", \"sign\": \"0\", \"exponent\": "
         u8"\"01111111011\", \"mantissa\": \"1001100110011001100110011001100110011001100110011010\", \"hex\": "
         u8"\"3FB999999999999A\", \"class\": \"normal\", \"stored\": "
         u8"\"0.1000000000000000055511151231257827021181583404541015625\", \"error\": null}\n"
         u8"{\"input\": \"-1\", \"format\": \"binary64\", \"bits\": null, \"sign\": null, \"exponent\": null, "
         u8"\"mantissa\": null, \"hex\": null, \"class\": null, \"stored\": null, \"error\": \"Введено неверное "
         u8"значение:\\n\\nКод записывается цифрами, без знака и без дробной части.\"}\n", "", 1},
    });
    const Result steps = RunCli({"--float", "16", "--json", "--steps", "1", "1x"}, "");
    EXPECT_NE(steps.out.find(u8"\"steps\": \"Запись числа 1\u2081\u2080 в формате binary16 (половинная точность).\\n"),
              std::string::npos) << steps.out;
    EXPECT_NE(steps.out.find(u8"\"steps\": null}"), std::string::npos) << steps.out;
}

}  // namespace
