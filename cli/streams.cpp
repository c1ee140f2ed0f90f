// The writing rules of the standard streams, apart from the platform's calls.
#include "streams.h"

#include "lineends.h"
#include "utf8.h"

namespace {

// A file or a pipe gets its text in pieces of about this size.
const std::string::size_type BATCH = 64 * 1024;

}  // namespace

StreamRules RulesFor(StreamKind kind, bool windows)
{
    switch (kind) {
    case StreamKind::CONSOLE:
        return {true, true, true};
    case StreamKind::TERMINAL:
        return {false, false, true};
    default:
        return {false, windows, false};
    }
}

StandardStreams::StandardStreams()
    : outRules_(RulesFor(KindOf(StandardStream::STANDARD_OUTPUT), ON_WINDOWS)),
      errRules_(RulesFor(KindOf(StandardStream::STANDARD_ERROR), ON_WINDOWS))
{
}

StandardStreams::~StandardStreams()
{
    Flush();
}

void StandardStreams::Out(const std::string& text)
{
    pending_ += text;
    SendWhenDue();
}

void StandardStreams::OutLine(const std::string& line)
{
    pending_ += line;
    pending_ += '\n';
    SendWhenDue();
}

void StandardStreams::SendWhenDue()
{
    if (outRules_.eachWrite || pending_.size() >= BATCH)
        Flush();
}

void StandardStreams::Err(const std::string& text)
{
    if (text.empty())
        return;
    Flush();
    Send(StandardStream::STANDARD_ERROR, errRules_, text);
}

void StandardStreams::Flush()
{
    if (pending_.empty())
        return;
    Send(StandardStream::STANDARD_OUTPUT, outRules_, pending_);
    pending_.clear();
}

void StandardStreams::Send(StandardStream stream, const StreamRules& rules, const std::string& text)
{
    const std::string ended = rules.crlf ? WithCrLf(text) : text;
    if (rules.wide)
        WriteConsoleText(stream, Utf8ToUtf16(ended));
    else
        WriteBytes(stream, ended);
}
