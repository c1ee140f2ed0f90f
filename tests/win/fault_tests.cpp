// The settings file at its worst: whatever kalvor.ini holds or is, the
// program starts with the precision it states (or 4), runs, and at exit
// leaves either a correct new file or the old one as it was.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver.h"
#include "harness.h"
#include "suites.h"

namespace {

const std::string INI = "\\kalvor.ini";

// Changes the precision with a conversion, as a user does, and exits.
int ConvertAtAndExit(Program& p, const char* precision)
{
    p.Fill("5", precision, 8, 0);
    PostMessageA(p.main, WM_COMMAND, 1, 0);
    EXPECT(WaitFor([&] { return TextOf(p.output) == "101"; }));
    return p.Close();
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes key, then size filler bytes, then tail, without holding it all.
void WriteHuge(const std::string& path, const std::string& key, char filler, size_t size, const std::string& tail)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    REQUIRE(f != nullptr);
    const std::string chunk(1 << 20, filler);
    bool written = std::fwrite(key.data(), 1, key.size(), f) == key.size();
    for (size_t left = size; written && left > 0; left -= std::min(left, chunk.size()))
        written = std::fwrite(chunk.data(), 1, std::min(left, chunk.size()), f) == std::min(left, chunk.size());
    written = written && std::fwrite(tail.data(), 1, tail.size(), f) == tail.size();
    REQUIRE(std::fclose(f) == 0 && written);
}

void Contents()
{
    static const struct {
        const char* name;
        std::string bytes;
        const char* field;
    } FILES[] = {
        {"NUL ends the record", std::string("PREC 9\0junk", 11), "9"},
        {"bad record before NUL", std::string("PREC x\0PREC 9", 13), "4"},
        {"only NULs", std::string(3, '\0'), "4"},
        {"empty", "", "4"},
        {"largest", "PREC 1000", "1000"},
        {"above the largest", "PREC 1001", "4"},
        {"saturating", "PREC 99999999999", "4"},
        {"negative", "PREC -5", "4"},
        {"trailing letters", "PREC 12abc", "4"},
        {"leading zeros", "PREC 0012", "12"},
        {"tab, no space", "PREC\t12", "4"},
        {"CP1251 key", "ТОЧНОСТЬ 15", "15"},
        {"bytes above 0x7F", "PREC \xff\xfe", "4"},
    };
    for (const auto& file : FILES) {
        g_context = std::string(" [") + file.name + "]";
        Program p([&](const std::string& dir) { WriteBytes(dir + INI, file.bytes); });
        EXPECT_EQ(TextOf(p.precision), std::string(file.field));
        EXPECT_EQ(p.Close(), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC ") + file.field);
    }
    g_context.clear();
}

void Huge()
{
    const size_t size = 200u << 20;
    static const struct {
        const char* name;
        const char* key;
        char filler;
        const char* tail;
        const char* field;
    } FILES[] = {
        {"200 MiB after the value", "PREC 12", '7', "", "4"},
        {"200 MiB key", "", 'K', " 12", "12"},
    };
    for (const auto& file : FILES) {
        g_context = std::string(" [") + file.name + "]";
        const DWORD start = GetTickCount();
        Program p([&](const std::string& dir) { WriteHuge(dir + INI, file.key, file.filler, size, file.tail); });
        std::printf("%s: started in %.1f s\n", file.name, (GetTickCount() - start) / 1000.0);
        EXPECT_EQ(TextOf(p.precision), std::string(file.field));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC 7"));
    }
    g_context.clear();
}

// A directory, a file another program holds without sharing (as good as
// unreadable; as root, file modes would not stop the reading), and a
// read-only file: the program starts, and none of them is touched.
void Untouchable()
{
    g_context = " [directory]";
    {
        Program p([](const std::string& dir) { REQUIRE(CreateDirectoryA((dir + INI).c_str(), nullptr)); });
        EXPECT_EQ(TextOf(p.precision), std::string("4"));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        const DWORD attributes = GetFileAttributesA((p.Directory() + INI).c_str());
        EXPECT(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
        EXPECT(!Exists(p.Directory() + INI + ".tmp"));
    }
    g_context = " [held without sharing]";
    {
        HANDLE held = INVALID_HANDLE_VALUE;
        Program p([&](const std::string& dir) {
            WriteBytes(dir + INI, "PREC 12");
            held = CreateFileA((dir + INI).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            REQUIRE(held != INVALID_HANDLE_VALUE);
        });
        EXPECT_EQ(TextOf(p.precision), std::string("4"));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        CloseHandle(held);
        EXPECT_EQ(p.Ini(), std::string("PREC 12"));
        EXPECT(!Exists(p.Directory() + INI + ".tmp"));
    }
    g_context = " [read-only]";
    {
        Program p([](const std::string& dir) {
            WriteBytes(dir + INI, "PREC 12");
            REQUIRE(SetFileAttributesA((dir + INI).c_str(), FILE_ATTRIBUTE_READONLY));
        });
        EXPECT_EQ(TextOf(p.precision), std::string("12"));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC 12"));
        EXPECT(!Exists(p.Directory() + INI + ".tmp"));
    }
    g_context.clear();
}

}  // namespace

// On a file system with no room left (a small tmpfs that full-disk.sh mounts
// at KALVORIX_FULL_DISK) the old file survives the failed save, and no
// half-written file is left beside it.
void SettingsFullDisk()
{
    const char* mount = std::getenv("KALVORIX_FULL_DISK");
    REQUIRE(mount != nullptr);
    std::string parent = std::string("Z:") + mount;
    for (char& c : parent)
        c = c == '/' ? '\\' : c;
    const auto fill = [](const std::string& dir) {
        FILE* f = std::fopen((dir + "\\filler").c_str(), "wb");
        REQUIRE(f != nullptr);
        const std::string chunk(4096, 'f');
        while (std::fwrite(chunk.data(), 1, chunk.size(), f) == chunk.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
    };
    g_context = " [full disk, old file]";
    {
        Program p(
            [&](const std::string& dir) {
                WriteBytes(dir + INI, "PREC 12");
                fill(dir);
            },
            parent);
        EXPECT_EQ(TextOf(p.precision), std::string("12"));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC 12"));
        EXPECT(!Exists(p.Directory() + INI + ".tmp"));
    }
    g_context = " [full disk, no file]";
    {
        Program p(fill, parent);
        EXPECT_EQ(TextOf(p.precision), std::string("4"));
        EXPECT_EQ(ConvertAtAndExit(p, "7"), 0);
        EXPECT_EQ(p.Ini(), std::string("<none>"));
        EXPECT(!Exists(p.Directory() + INI + ".tmp"));
    }
    g_context.clear();
}

void SettingsFaults()
{
    Contents();
    Untouchable();
    Huge();
}
