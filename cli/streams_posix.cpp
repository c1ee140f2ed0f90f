// The standard streams on a Unix system: a terminal or not, and bytes.
#include "streams.h"

#include <cerrno>

#include <unistd.h>

namespace {

int Descriptor(StandardStream stream)
{
    return stream == StandardStream::STANDARD_OUTPUT ? STDOUT_FILENO : STDERR_FILENO;
}

}  // namespace

StreamKind KindOf(StandardStream stream)
{
    return isatty(Descriptor(stream)) ? StreamKind::TERMINAL : StreamKind::REDIRECTED;
}

IoStatus WriteBytes(StandardStream stream, const std::string& bytes)
{
    const char* at = bytes.data();
    std::string::size_type left = bytes.size();
    while (left > 0) {
        const ssize_t wrote = write(Descriptor(stream), at, left);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return StatusOfErrno(errno);
        if (wrote == 0)
            return {IoFault::DEVICE, 0};
        at += wrote;
        left -= static_cast<std::string::size_type>(wrote);
    }
    return {};
}

IoStatus WriteConsoleText(StandardStream, const std::u16string&)
{
    // No console here: RulesFor never asks for it.
    return {IoFault::DEVICE, 0};
}

// A descriptor closed from the start has failed every write made to it; with
// nothing written, nothing is lost.
IoStatus CloseStandardOutput()
{
    if (close(STDOUT_FILENO) == 0 || errno == EBADF || errno == EINTR)
        return {};
    return StatusOfErrno(errno);
}

StandardInput::StandardInput() = default;

IoStatus StandardInput::Read(char* buffer, std::size_t size, std::size_t& got)
{
    got = 0;
    for (;;) {
        const ssize_t read = ::read(STDIN_FILENO, buffer, size);
        if (read >= 0) {
            got = static_cast<std::size_t>(read);
            return {};
        }
        if (errno != EINTR)
            return StatusOfErrno(errno);
    }
}
