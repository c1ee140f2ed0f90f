#include "helpfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A file system holding exactly `files`; remembers every path asked about.
struct FakeFiles {
    std::set<std::string> files;
    std::vector<std::string> asked;

    std::string Find(const std::string& programPath)
    {
        return FindHelpFile(programPath, [this](const std::string& path) {
            asked.push_back(path);
            return files.count(path) != 0;
        });
    }
};

const char PROGRAM[] = "C:\\Program Files\\Kalvorix\\kalvorix.exe";
const char BESIDE[] = "C:\\Program Files\\Kalvorix\\help.chm";

TEST(HelpFile, CurrentDirectoryComesFirst)
{
    FakeFiles fs{{"help.chm", BESIDE}, {}};
    EXPECT_EQ(fs.Find(PROGRAM), "help.chm");
    EXPECT_EQ(fs.asked, std::vector<std::string>{"help.chm"});
}

TEST(HelpFile, BesideTheProgramWhenNotInTheCurrentDirectory)
{
    FakeFiles fs{{BESIDE}, {}};
    EXPECT_EQ(fs.Find(PROGRAM), BESIDE);
    EXPECT_EQ(fs.asked, (std::vector<std::string>{"help.chm", BESIDE}));
}

TEST(HelpFile, NothingToOpenWhenNeitherExists)
{
    FakeFiles fs{{"C:\\Other\\help.chm", "C:\\Program Files\\Kalvorix\\kalvorix.exe\\help.chm"}, {}};
    EXPECT_EQ(fs.Find(PROGRAM), "");
    EXPECT_EQ(fs.asked, (std::vector<std::string>{"help.chm", BESIDE}));
}

// GetModuleFileNameA failed, or gave a bare name: only the current directory.
TEST(HelpFile, UnknownProgramFolderAsksOnlyTheCurrentDirectory)
{
    for (const char* program : {"", "kalvorix.exe"}) {
        SCOPED_TRACE(program);
        FakeFiles fs{{}, {}};
        EXPECT_EQ(fs.Find(program), "");
        EXPECT_EQ(fs.asked, std::vector<std::string>{"help.chm"});
    }
}

TEST(HelpFile, FolderOfEndsAtTheLastSeparator)
{
    EXPECT_EQ(FolderOf(PROGRAM), "C:\\Program Files\\Kalvorix\\");
    EXPECT_EQ(FolderOf("C:\\kalvorix.exe"), "C:\\");
    EXPECT_EQ(FolderOf("Z:/tmp\\build/kalvorix.exe"), "Z:/tmp\\build/");
    EXPECT_EQ(FolderOf("\\\\server\\share\\kalvorix.exe"), "\\\\server\\share\\");
    EXPECT_EQ(FolderOf("C:\\Программы\\kalvorix.exe"), "C:\\Программы\\");  // CP1251 bytes kept
    EXPECT_EQ(FolderOf("kalvorix.exe"), "");
}

}  // namespace
