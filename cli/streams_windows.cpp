// The standard streams on Windows: a console is written in UTF-16, anything
// else gets the bytes as they are.
#include "streams.h"

#include <cerrno>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

HANDLE Handle(StandardStream stream)
{
    return GetStdHandle(stream == StandardStream::STANDARD_OUTPUT ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle)
{
    DWORD mode;
    return GetConsoleMode(handle, &mode) != 0;
}

IoStatus StatusOfLastError()
{
    const DWORD error = GetLastError();
    switch (error) {
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:  // the pipe is being closed
        return {IoFault::BROKEN_PIPE, static_cast<long>(error)};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return {IoFault::NO_SPACE, static_cast<long>(error)};
    case ERROR_INVALID_HANDLE:
        return {IoFault::CLOSED, static_cast<long>(error)};
    case ERROR_FILE_TOO_LARGE:
        return {IoFault::TOO_LARGE, static_cast<long>(error)};
    default:
        return {IoFault::OTHER, static_cast<long>(error)};
    }
}

}  // namespace

// Only a console answers GetConsoleMode.
StreamKind KindOf(StandardStream stream)
{
    return IsConsole(Handle(stream)) ? StreamKind::CONSOLE : StreamKind::REDIRECTED;
}

IoStatus WriteBytes(StandardStream stream, const std::string& bytes)
{
    const char* at = bytes.data();
    std::string::size_type left = bytes.size();
    while (left > 0) {
        DWORD wrote = 0;
        const DWORD piece = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        if (!WriteFile(Handle(stream), at, piece, &wrote, nullptr))
            return StatusOfLastError();
        if (wrote == 0)
            return {IoFault::DEVICE, 0};
        at += wrote;
        left -= wrote;
    }
    return {};
}

IoStatus WriteConsoleText(StandardStream stream, const std::u16string& text)
{
    const char16_t* at = text.data();
    std::u16string::size_type left = text.size();
    while (left > 0) {
        // Older consoles take no more than some thousands of characters a call.
        const DWORD piece = left > 8192 ? 8192 : static_cast<DWORD>(left);
        DWORD wrote = 0;
        if (!WriteConsoleW(Handle(stream), at, piece, &wrote, nullptr))
            return StatusOfLastError();
        if (wrote == 0)
            return {IoFault::DEVICE, 0};
        at += wrote;
        left -= wrote;
    }
    return {};
}

// A handle that standard error shares stays open for the error's message; one
// that was never there has failed every write made to it.
IoStatus CloseStandardOutput()
{
    const HANDLE output = Handle(StandardStream::STANDARD_OUTPUT);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || output == Handle(StandardStream::STANDARD_ERROR))
        return {};
    if (CloseHandle(output) || GetLastError() == ERROR_INVALID_HANDLE)
        return {};
    return StatusOfLastError();
}

StandardInput::StandardInput()
{
    if (!IsConsole(GetStdHandle(STD_INPUT_HANDLE)))
        _setmode(0, _O_BINARY);
}

IoStatus StandardInput::Read(char* buffer, std::size_t size, std::size_t& got)
{
    got = 0;
    const unsigned piece = size > 0x10000000 ? 0x10000000 : static_cast<unsigned>(size);
    const int read = _read(0, buffer, piece);
    if (read < 0)
        return StatusOfErrno(errno);
    got = static_cast<std::size_t>(read);
    return {};
}
