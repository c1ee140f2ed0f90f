// Where kalvorix-cli writes: standard output and standard error, each a
// terminal or a file or a pipe. A person at a terminal sees each outcome at
// once; a file or a pipe gets the text buffered, many lines to one write. On
// Windows a console is written in UTF-16 (WriteConsoleW), so that Cyrillic
// shows whatever its code page, and a file or a pipe gets UTF-8 with CR LF
// line ends, as Windows tools write them.
#ifndef KALVORIX_CLI_STREAMS_H
#define KALVORIX_CLI_STREAMS_H

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

// Both standard streams, each by the rules of what it is connected to. Text
// is UTF-8 with "\n" line ends. Error text first sends what standard output
// holds, so that the two keep their order where they share a file or a
// terminal. The destructor sends what is left.
class StandardStreams {
public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    void Out(const std::string& text);
    void OutLine(const std::string& line);  // line and its "\n"
    void Err(const std::string& text);
    void Flush();

private:
    void SendWhenDue();  // at once for a person, in batches otherwise
    void Send(StandardStream stream, const StreamRules& rules, const std::string& text);

    StreamRules outRules_, errRules_;
    std::string pending_;  // standard output not yet sent
};

// The platform's side (streams_posix.cpp or streams_windows.cpp).
StreamKind KindOf(StandardStream stream);
void WriteBytes(StandardStream stream, const std::string& bytes);
void WriteConsoleText(StandardStream stream, const std::u16string& text);
constexpr bool ON_WINDOWS =
#ifdef _WIN32
    true;
#else
    false;
#endif

#endif
