// Where kalvorix-cli reads and writes: standard input, standard output and
// standard error, each a terminal or a file or a pipe. A person at a terminal
// sees each outcome at once; a file or a pipe gets the text buffered, many
// lines to one write. On Windows a console is written in UTF-16
// (WriteConsoleW), so that Cyrillic shows whatever its code page, and a file
// or a pipe gets UTF-8 with CR LF line ends, as Windows tools write them.
// Every write says whether it failed and why, so that no lost text passes
// for a result.
#ifndef KALVORIX_CLI_STREAMS_H
#define KALVORIX_CLI_STREAMS_H

#include <cstddef>
#include <string>

enum class StandardStream { STANDARD_OUTPUT, STANDARD_ERROR };

// What a standard stream is connected to.
enum class StreamKind {
    TERMINAL,    // a terminal of a Unix system
    CONSOLE,     // a Windows console
    REDIRECTED,  // a file or a pipe
};

// How text goes to a stream of a kind.
struct StreamRules {
    bool wide;      // as UTF-16 through the console, not as bytes
    bool crlf;      // each "\n" goes out as "\r\n"
    bool eachWrite; // out at once, for a person to read; else buffered
};

StreamRules RulesFor(StreamKind kind, bool windows);

// Why reading or writing a standard stream failed.
enum class IoFault {
    NONE,
    BROKEN_PIPE,   // the reading end of the pipe has gone
    NO_SPACE,      // the disk or the device is full
    QUOTA,         // the user's disk quota is spent
    CLOSED,        // the stream was closed before the program began
    TOO_LARGE,     // the file would outgrow what the system allows
    IS_DIRECTORY,  // standard input is a directory
    DEVICE,        // the device failed or took nothing
    OTHER,         // the system's error code alone says
};

struct [[nodiscard]] IoStatus {
    IoFault fault = IoFault::NONE;
    long code = 0;  // the system's error code, when fault is not NONE

    bool Failed() const { return fault != IoFault::NONE; }
};

// The fault of the system's error number (errno).
IoStatus StatusOfErrno(int error);

// The reason of a failed read or write, in Russian (Windows-1251): "на
// устройстве нет места".
std::string IoFaultText(const IoStatus& status);

// Both standard output streams, each by the rules of what it is connected
// to. Text is UTF-8 with "\n" line ends. Error text first sends what
// standard output holds, so that the two keep their order where they share
// a file or a terminal. Each call gives the first failure of its writes; a
// broken pipe is none: the text is lost without a word, as a Unix system's
// signal would end the program without one. Text kept after a failure is
// dropped, so that the error's message still can follow.
class StandardStreams {
public:
    StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    IoStatus Out(const std::string& text);
    IoStatus OutLine(const std::string& line);  // line and its "\n"
    IoStatus Err(const std::string& text);
    IoStatus Flush();
    // Sends what is left and closes standard output: a fault that the system
    // reports only then is seen too. Nothing is written to it afterwards.
    IoStatus Close();

private:
    IoStatus SendWhenDue();  // at once for a person, in batches otherwise
    IoStatus Send(StandardStream stream, const StreamRules& rules, const std::string& text);

    StreamRules outRules_, errRules_;
    std::string pending_;  // standard output not yet sent
};

// Standard input's bytes as they come. On Windows a file or a pipe is read
// as it is (no CR LF or Ctrl-Z handling of the C library, which would cut
// UTF-16 text); a console keeps the library's reading of what is typed.
class StandardInput {
public:
    StandardInput();
    // Up to size bytes into buffer, got of them; got is 0 at the end.
    IoStatus Read(char* buffer, std::size_t size, std::size_t& got);
};

// The platform's side (streams_posix.cpp or streams_windows.cpp).
StreamKind KindOf(StandardStream stream);
IoStatus WriteBytes(StandardStream stream, const std::string& bytes);
IoStatus WriteConsoleText(StandardStream stream, const std::u16string& text);
IoStatus CloseStandardOutput();
constexpr bool ON_WINDOWS =
#ifdef _WIN32
    true;
#else
    false;
#endif

#endif
