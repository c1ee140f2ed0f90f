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

// A closed pipe or a full disk ends the writing; the exit status stays the
// requests' own.
void WriteBytes(StandardStream stream, const std::string& bytes)
{
    const char* at = bytes.data();
    std::string::size_type left = bytes.size();
    while (left > 0) {
        const ssize_t wrote = write(Descriptor(stream), at, left);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return;
        at += wrote;
        left -= static_cast<std::string::size_type>(wrote);
    }
}

void WriteConsoleText(StandardStream, const std::u16string&)
{
    // No console here: RulesFor never asks for it.
}
