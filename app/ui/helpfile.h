// Which help file the HOME key opens. "help.chm" is looked for in the current
// directory first, as its bare name says, and then beside the program, so a
// program started from a shortcut with another working directory still finds
// its help. No file system calls here: the caller says what exists.
#ifndef KALVORIX_UI_HELPFILE_H
#define KALVORIX_UI_HELPFILE_H

#include <functional>
#include <string>

extern const char HELP_FILE_NAME[];  // "help.chm"

// The folder part of path with its trailing "\" or "/"; "" when path names
// no folder.
std::string FolderOf(const std::string& path);

// The help file to open: HELP_FILE_NAME itself (the current directory) when
// exists says it is there, else the file of that name in the folder of
// programPath ("" when unknown), else "": nothing to open.
std::string FindHelpFile(const std::string& programPath, const std::function<bool(const std::string&)>& exists);

#endif
