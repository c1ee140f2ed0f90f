// kalvorix-cli's streams: standard input as Windows tools write it (the
// byte-order mark, UTF-16, Ctrl-Z), and writes that fail (a full device, a
// closed descriptor, a pipe nobody reads), through the stream layer, the run
// of requests and the built program.
#include "cli_child.h"
#include "input.h"
#include "session.h"
#include "streams.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

using namespace clitest;

const std::string FFFD = u8"\uFFFD";

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

// ---- faults ------------------------------------------------------------------

TEST(IoStatus, OfTheSystemsErrorNumbers)
{
    const struct {
        int error;
        IoFault fault;
    } rows[] = {
        {ENOSPC, IoFault::NO_SPACE}, {EDQUOT, IoFault::QUOTA},  {EBADF, IoFault::CLOSED},
        {EPIPE, IoFault::BROKEN_PIPE}, {EFBIG, IoFault::TOO_LARGE}, {EISDIR, IoFault::IS_DIRECTORY},
        {EIO, IoFault::DEVICE},        {EACCES, IoFault::OTHER},   {EINVAL, IoFault::OTHER},
    };
    std::vector<std::string> texts;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        const IoStatus status = StatusOfErrno(row.error);
        EXPECT_EQ(status.fault, row.fault);
        EXPECT_EQ(status.code, row.error);
        EXPECT_TRUE(status.Failed());
        texts.push_back(IoFaultText(status));
    }
    EXPECT_FALSE(IoStatus().Failed());
    // Each fault its own reason; the others say their number.
    for (std::size_t k = 0; k < texts.size(); ++k)
        for (std::size_t j = k + 1; j < texts.size(); ++j)
            EXPECT_NE(texts[k], texts[j]) << k << " and " << j;
    EXPECT_EQ(Cp1251ToUtf8(IoFaultText(StatusOfErrno(EACCES))), u8"системная ошибка " + std::to_string(EACCES));
}

// ---- the stream layer --------------------------------------------------------

Wiring Wired(Target out, Target err)
{
    Wiring wiring;
    wiring.out = out;
    wiring.err = err;
    wiring.ignorePipeSignal = out == Target::PIPE_WITHOUT_READER;
    return wiring;
}

// The faults of a row's calls, one letter each: a for NONE, b for the next.
std::string Letters(const std::vector<IoFault>& faults)
{
    std::string letters;
    for (IoFault fault : faults)
        letters += static_cast<char>('a' + static_cast<int>(fault));
    return letters;
}

using Act = std::vector<IoStatus> (*)(StandardStreams&);

struct StreamsRow {
    const char* label;
    Target out, err;
    Act act;
    std::vector<IoFault> faults;
    std::string written, said;  // what reached standard output's and error's files
};

const IoFault NONE = IoFault::NONE;

std::vector<IoStatus> LineThenFlush(StandardStreams& s)
{
    return {s.OutLine("FF"), s.Flush()};
}
std::vector<IoStatus> LineThenError(StandardStreams& s)
{
    return {s.OutLine("FF"), s.Err("reason\n")};
}
std::vector<IoStatus> BatchOfLine(StandardStreams& s)
{
    return {s.OutLine(std::string(70000, '1'))};
}
std::vector<IoStatus> LineThenClose(StandardStreams& s)
{
    return {s.OutLine("FF"), s.Close()};
}
std::vector<IoStatus> FailureThenMessage(StandardStreams& s)
{
    return {s.OutLine("FF"), s.Flush(), s.Err("message\n")};
}
std::vector<IoStatus> WriteAfterClose(StandardStreams& s)
{
    return {s.OutLine("FF"), s.Close(), WriteBytes(StandardStream::STANDARD_OUTPUT, "late\n")};
}

TEST(StandardStreams, EveryWriteSaysWhetherItFailed)
{
    const std::string LONG = std::string(70000, '1') + "\n";
    const StreamsRow rows[] = {
        {"a file takes it", Target::FILE, Target::FILE, LineThenClose, {NONE, NONE}, "FF\n", ""},
        {"error after output", Target::FILE, Target::FILE, LineThenError, {NONE, NONE}, "FF\n", "reason\n"},
        {"kept, then lost on a full device", Target::FULL_DEVICE, Target::FILE, LineThenFlush,
         {NONE, IoFault::NO_SPACE}, "", ""},
        {"a batch is lost at once", Target::FULL_DEVICE, Target::FILE, BatchOfLine, {IoFault::NO_SPACE}, "", ""},
        {"lost when closing", Target::FULL_DEVICE, Target::FILE, LineThenClose, {NONE, IoFault::NO_SPACE}, "", ""},
        {"output lost before the error's text", Target::FULL_DEVICE, Target::FILE, LineThenError,
         {NONE, IoFault::NO_SPACE}, "", ""},
        {"the message still follows a failure", Target::FULL_DEVICE, Target::FILE, FailureThenMessage,
         {NONE, IoFault::NO_SPACE, NONE}, "", "message\n"},
        {"error lost on a full device", Target::FILE, Target::FULL_DEVICE, LineThenError,
         {NONE, IoFault::NO_SPACE}, "FF\n", ""},
        {"a closed output", Target::CLOSED, Target::FILE, LineThenFlush, {NONE, IoFault::CLOSED}, "", ""},
        {"a closed output, seen when closing", Target::CLOSED, Target::FILE, LineThenClose,
         {NONE, IoFault::CLOSED}, "", ""},
        {"closing closes", Target::FILE, Target::FILE, WriteAfterClose, {NONE, NONE, IoFault::CLOSED}, "FF\n", ""},
        {"a broken pipe is no failure", Target::PIPE_WITHOUT_READER, Target::FILE, LineThenFlush, {NONE, NONE}, "",
         ""},
        {"nor a broken pipe's batch", Target::PIPE_WITHOUT_READER, Target::FILE, BatchOfLine, {NONE}, "", ""},
        {"a good batch", Target::FILE, Target::FILE, BatchOfLine, {NONE}, LONG, ""},
    };
    for (const StreamsRow& row : rows) {
        SCOPED_TRACE(row.label);
        const Result result = RunChild("", Wired(row.out, row.err), {}, [&row]() {
            StandardStreams streams;
            std::vector<IoFault> faults;
            for (const IoStatus& status : row.act(streams))
                faults.push_back(status.fault);
            return Letters(faults);
        });
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.report, Letters(row.faults));
        EXPECT_EQ(result.out, row.written);
        EXPECT_EQ(result.err, row.said);
    }
}

// ---- a run of requests -------------------------------------------------------

// A made-up command: a request in angle brackets; "bad" is refused.
Reply Bracketed(const std::string& request)
{
    const bool bad = request == "bad";
    return {"<" + request + ">", bad ? "refused " + request + "\n" : std::string(), !bad};
}

// A run: of the made-up command (given are its requests) or of the program
// (given are its arguments).
struct RunRow {
    const char* label;
    std::vector<std::string> given;
    std::string input;
    Wiring wiring;
    std::string out, err;
    int status;
};

Wiring WiredInput(Target in)
{
    Wiring wiring;
    wiring.in = in;
    return wiring;
}

const std::string NO_SPACE_LINE = u8"kalvorix-cli: ошибка записи: на устройстве нет места\n";
const std::string CLOSED_LINE = u8"kalvorix-cli: ошибка записи: поток закрыт\n";

TEST(AnswerRequests, AnyCommandGetsTheSameStreams)
{
    const RunRow rows[] = {
        {"arguments", {"1", "bad", "2"}, "9\n", {}, "<1>\n<bad>\n<2>\n", "refused bad\n", EXIT_REFUSED},
        {"lines of a UTF-16 file", {}, Utf16File(u"1\r\n\r\nbad\r\n", Order::LITTLE), {}, "<1>\n<>\n<bad>\n",
         "refused bad\n", EXIT_REFUSED},
        {"a mark and a Ctrl-Z", {}, "\xEF\xBB\xBF" "1\n\x1A", {}, "<1>\n", "", EXIT_DONE},
        {"no input", {}, "", {}, "", "", EXIT_DONE},
        {"a full output", {"1"}, "", Wired(Target::FULL_DEVICE, Target::FILE), "", NO_SPACE_LINE, EXIT_IO},
        {"a full error", {"bad", "1"}, "", Wired(Target::FILE, Target::FULL_DEVICE), "<bad>\n", "", EXIT_IO},
        {"a full error, nothing to say", {"1"}, "", Wired(Target::FILE, Target::FULL_DEVICE), "<1>\n", "", EXIT_DONE},
        {"a closed output", {"1"}, "", Wired(Target::CLOSED, Target::FILE), "", CLOSED_LINE, EXIT_IO},
        {"a closed output, nothing to write", {}, "", Wired(Target::CLOSED, Target::FILE), "", "", EXIT_DONE},
        {"a broken pipe, as always", {"1", "bad"}, "", Wired(Target::PIPE_WITHOUT_READER, Target::FILE), "",
         "refused bad\n", EXIT_REFUSED},
        {"input is a directory", {}, "", WiredInput(Target::DIRECTORY), "",
         u8"kalvorix-cli: ошибка чтения: это каталог\n", EXIT_IO},
        {"input is closed", {}, "", WiredInput(Target::CLOSED), "", u8"kalvorix-cli: ошибка чтения: поток закрыт\n",
         EXIT_IO},
    };
    for (const RunRow& row : rows) {
        SCOPED_TRACE(row.label);
        const Result result = RunChild(row.input, row.wiring, {}, [&row]() {
            StandardStreams streams;
            return std::to_string(AnswerRequests(row.given, Bracketed, streams));
        });
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.report, std::to_string(row.status));
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

// A lost write ends the run: the requests after it are not even answered.
TEST(AnswerRequests, StopsAtTheFirstLostWrite)
{
    std::string input;
    for (int k = 0; k < 100000; ++k)
        input += "1\n";
    const Result result = RunChild(input, Wired(Target::FULL_DEVICE, Target::FILE), {}, []() {
        StandardStreams streams;
        int answered = 0;
        const int status = AnswerRequests({}, [&answered](const std::string& request) {
            ++answered;
            return Bracketed(request);
        }, streams);
        return std::to_string(status) + " " + std::to_string(answered);
    });
    const std::string::size_type space = result.report.find(' ');
    ASSERT_NE(space, std::string::npos) << result.report;
    EXPECT_EQ(result.report.substr(0, space), std::to_string(EXIT_IO));
    EXPECT_LT(std::stoi(result.report.substr(space + 1)), 100000);
    EXPECT_EQ(result.err, NO_SPACE_LINE);
}

// ---- the program -------------------------------------------------------------

void ExpectProgram(const std::vector<RunRow>& rows)
{
    for (const RunRow& row : rows) {
        SCOPED_TRACE(row.label);
        const Result result = RunCli(row.given, row.input, {}, row.wiring);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
        EXPECT_EQ(result.status, row.status);
    }
}

const std::string EMPTY_NUMBER = u8"Операция невозможна:\n\nИсходное число не задано\n";

TEST(CliProgram, ReadsTheFilesWindowsToolsWrite)
{
    std::string cyrillic = u8"{\"input\": \"Я\", \"result\": null";
    ExpectProgram({
        {"UTF-8 byte-order mark", {"-t", "16"}, "\xEF\xBB\xBF" "255\n", {}, "FF\n", "", 0},
        {"UTF-16LE with its mark", {"-t", "16"}, Utf16File(u"255\r\n10\r\n", Order::LITTLE), {}, "FF\nA\n", "", 0},
        {"UTF-16BE with its mark", {"-t", "16"}, Utf16File(u"255\r\n10\r\n", Order::BIG), {}, "FF\nA\n", "", 0},
        {"Ctrl-Z after the last line", {"-t", "16"}, "255\r\n\x1A", {}, "FF\n", "", 0},
        {"blank lines stay requests", {}, "1\n\n\x1A", {}, "1\n\n", EMPTY_NUMBER, 1},
        {"no-break spaces in UTF-16", {"-t", "10"}, Utf16File(u"\u00A01\u00A0000\u202F000\r\n", Order::LITTLE), {},
         "1000000\n", "", 0},
    });
    const Result json = RunCli({"--json"}, Utf16File(u"Я\r\n", Order::BIG));
    EXPECT_EQ(json.out.rfind(cyrillic, 0), 0u) << json.out;
}

TEST(CliProgram, ALostWriteIsNoSuccess)
{
    std::string many;
    for (int k = 0; k < 100000; ++k)
        many += "255\n";
    Wiring ignoringPipes = Wired(Target::PIPE_WITHOUT_READER, Target::FILE);
    Wiring broken = ignoringPipes;
    broken.ignorePipeSignal = false;
    ExpectProgram({
        {"output to a full device", {"255"}, "", Wired(Target::FULL_DEVICE, Target::FILE), "", NO_SPACE_LINE, 3},
        {"100,000 numbers to a full device", {"-t", "16"}, many, Wired(Target::FULL_DEVICE, Target::FILE), "",
         NO_SPACE_LINE, 3},
        {"a refusal to a full device", {"-t", "roman", "4000"}, "", Wired(Target::FILE, Target::FULL_DEVICE), "\n",
         "", 3},
        {"a closed output", {"255"}, "", Wired(Target::CLOSED, Target::FILE), "", CLOSED_LINE, 3},
        {"help to a full device", {"--help"}, "", Wired(Target::FULL_DEVICE, Target::FILE), "", NO_SPACE_LINE, 3},
        {"version to a full device", {"--version"}, "", Wired(Target::FULL_DEVICE, Target::FILE), "", NO_SPACE_LINE,
         3},
        {"a usage error to a full device", {"--bogus"}, "", Wired(Target::FILE, Target::FULL_DEVICE), "", "", 3},
        {"a broken pipe ends the program as the signal does", {"-t", "16"}, many, broken, "", "", -1},
        {"with the signal ignored, the run goes on", {"-t", "roman"}, "1\n4000\n", ignoringPipes, "",
         u8"Исходное число больше самого большего числа\nв римской системе счисления.\n\nСамое большое римское "
         u8"число - MMMCMXCIX (3999)\n", 1},
        {"standard input is a directory", {}, "", WiredInput(Target::DIRECTORY), "",
         u8"kalvorix-cli: ошибка чтения: это каталог\n", 3},
    });
}

}  // namespace
