// The writing rules of the standard streams, apart from the platform's calls.
#include "streams.h"

#include <cerrno>

#include "lineends.h"
#include "text.h"
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

IoStatus StatusOfErrno(int error)
{
    switch (error) {
    case EPIPE:
        return {IoFault::BROKEN_PIPE, error};
    case ENOSPC:
        return {IoFault::NO_SPACE, error};
#ifdef EDQUOT
    case EDQUOT:
        return {IoFault::QUOTA, error};
#endif
    case EBADF:
        return {IoFault::CLOSED, error};
    case EFBIG:
        return {IoFault::TOO_LARGE, error};
    case EISDIR:
        return {IoFault::IS_DIRECTORY, error};
    case EIO:
        return {IoFault::DEVICE, error};
    default:
        return {IoFault::OTHER, error};
    }
}

std::string IoFaultText(const IoStatus& status)
{
    switch (status.fault) {
    case IoFault::NO_SPACE:
        return "на устройстве нет места";
    case IoFault::QUOTA:
        return "превышена дисковая квота";
    case IoFault::CLOSED:
        return "поток закрыт";
    case IoFault::TOO_LARGE:
        return "файл слишком велик";
    case IoFault::IS_DIRECTORY:
        return "это каталог";
    case IoFault::DEVICE:
        return "ошибка ввода-вывода";
    default:
        return "системная ошибка " + NumToStr(status.code);
    }
}

StandardStreams::StandardStreams()
    : outRules_(RulesFor(KindOf(StandardStream::STANDARD_OUTPUT), ON_WINDOWS)),
      errRules_(RulesFor(KindOf(StandardStream::STANDARD_ERROR), ON_WINDOWS))
{
}

IoStatus StandardStreams::Out(const std::string& text)
{
    pending_ += text;
    return SendWhenDue();
}

IoStatus StandardStreams::OutLine(const std::string& line)
{
    pending_ += line;
    pending_ += '\n';
    return SendWhenDue();
}

IoStatus StandardStreams::SendWhenDue()
{
    if (outRules_.eachWrite || pending_.size() >= BATCH)
        return Flush();
    return {};
}

IoStatus StandardStreams::Err(const std::string& text)
{
    if (text.empty())
        return {};
    const IoStatus flushed = Flush();
    if (flushed.Failed())
        return flushed;
    return Send(StandardStream::STANDARD_ERROR, errRules_, text);
}

IoStatus StandardStreams::Flush()
{
    if (pending_.empty())
        return {};
    const IoStatus sent = Send(StandardStream::STANDARD_OUTPUT, outRules_, pending_);
    pending_.clear();
    return sent;
}

IoStatus StandardStreams::Close()
{
    const IoStatus flushed = Flush();
    const IoStatus closed = CloseStandardOutput();
    return flushed.Failed() ? flushed : closed;
}

IoStatus StandardStreams::Send(StandardStream stream, const StreamRules& rules, const std::string& text)
{
    const std::string ended = rules.crlf ? WithCrLf(text) : text;
    const IoStatus sent = rules.wide ? WriteConsoleText(stream, Utf8ToUtf16(ended)) : WriteBytes(stream, ended);
    // Where the reader has gone, nobody is misled: the program carries on as it
    // always has, its text unread.
    if (sent.fault == IoFault::BROKEN_PIPE)
        return {};
    return sent;
}
