// The Win32 side of HOME: the program's path, the existence test and the
// shell; which file to open is decided by FindHelpFile.
#include "help.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "helpfile.h"

namespace {

// The full path of kalvorix.exe, or "" when it cannot be had whole: XP
// leaves a truncated path without its terminator.
std::string ProgramPath()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(path, length);
}

// A directory of that name is not a help file.
bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void OpenHelp()
{
    const std::string file = FindHelpFile(ProgramPath(), FileExists);
    if (!file.empty())
        ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
