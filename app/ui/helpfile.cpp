// The choice of the help file that HOME opens.
#include "helpfile.h"

const char HELP_FILE_NAME[] = "help.chm";

std::string FolderOf(const std::string& path)
{
    const size_t end = path.find_last_of("\\/");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string FindHelpFile(const std::string& programPath, const std::function<bool(const std::string&)>& exists)
{
    if (exists(HELP_FILE_NAME))
        return HELP_FILE_NAME;
    const std::string folder = FolderOf(programPath);
    // Without a folder the second place would be the current directory again.
    if (!folder.empty() && exists(folder + HELP_FILE_NAME))
        return folder + HELP_FILE_NAME;
    return std::string();
}
