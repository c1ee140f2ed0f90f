// The standard streams on Windows: a console is written in UTF-16, anything
// else gets the bytes as they are.
#include "streams.h"

#include <windows.h>

namespace {

HANDLE Handle(StandardStream stream)
{
    return GetStdHandle(stream == StandardStream::STANDARD_OUTPUT ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

}  // namespace

// Only a console answers GetConsoleMode.
StreamKind KindOf(StandardStream stream)
{
    DWORD mode;
    return GetConsoleMode(Handle(stream), &mode) ? StreamKind::CONSOLE : StreamKind::REDIRECTED;
}

void WriteBytes(StandardStream stream, const std::string& bytes)
{
    const char* at = bytes.data();
    std::string::size_type left = bytes.size();
    while (left > 0) {
        DWORD wrote = 0;
        const DWORD piece = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        if (!WriteFile(Handle(stream), at, piece, &wrote, nullptr) || wrote == 0)
            return;
        at += wrote;
        left -= wrote;
    }
}

void WriteConsoleText(StandardStream stream, const std::u16string& text)
{
    const char16_t* at = text.data();
    std::u16string::size_type left = text.size();
    while (left > 0) {
        // Older consoles take no more than some thousands of characters a call.
        const DWORD piece = left > 8192 ? 8192 : static_cast<DWORD>(left);
        DWORD wrote = 0;
        if (!WriteConsoleW(Handle(stream), at, piece, &wrote, nullptr) || wrote == 0)
            return;
        at += wrote;
        left -= wrote;
    }
}
