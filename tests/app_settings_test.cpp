#include "settings.h"
#include "state.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char INI[] = "kalvor.ini";
const char TEMP[] = "kalvor.ini.tmp";  // where Saver puts the new content first

void WriteBytes(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
}

// At most 1 MiB, so that a settings file gone wrong (say, a link to a device)
// fails the test instead of hanging it.
std::string ReadBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::string bytes(1u << 20, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Every test runs in a fresh empty directory of its own, made current.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        home_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "kalvorix-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::current_path(dir_);
        iFT = 4;
    }

    void TearDown() override
    {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::current_path(home_);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
        iFT = 4;
    }

    // Names in the directory other than kalvor.ini, such as a leftover temporary file.
    std::vector<std::string> Strays() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().filename() != INI)
                names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path home_;
    fs::path dir_;
};

struct LoadRow {
    const char* label;
    std::string content;
    int expected;
};

const std::string NUL(1, '\0');

TEST_F(SettingsFile, LoaderReadsTheFirstRecord)
{
    const LoadRow rows[] = {
        {"the saved form", "PREC 10", 10},
        {"key not compared", "X 10", 10},
        {"line break after the number", "PREC 10\n", 4},
        {"CR LF after the number", "PREC 10\r\n", 4},
        {"second space", "PREC  10", 4},
        {"three digits alone", "123", 123},
        {"two digits alone", "12", 4},
        {"leading space", " 7", 4},
        {"zero", "PREC 0", 4},
        {"empty file", "", 4},
        {"empty value", "PREC ", 4},
        {"sign", "PREC -5", 4},
        {"leading zeros", "PREC " + std::string(40, '0') + "1000", 1000},
        {"above the largest", "PREC 1001", 4},
        {"eleven nines", "PREC 99999999999", 4},
        {"a record after a NUL", "PREC 9" + NUL + "garbage\n", 9},
        {"bad first record wins", "PREC x" + NUL + "PREC 9", 4},
        {"empty first record", NUL + "PREC 9", 4},
        {"huge key", std::string(8u << 20, 'K') + " 25", 25},
        {"huge value", "PREC " + std::string(8u << 20, '9'), 4},
        {"huge run of leading zeros", "PREC " + std::string(8u << 20, '0') + "7", 7},
    };
    for (const LoadRow& row : rows) {
        SCOPED_TRACE(row.label);
        WriteBytes(INI, row.content);
        iFT = 77;  // tells a fall-back to 4 from a kept value
        EXPECT_EQ(Loader(), 0);
        EXPECT_EQ(iFT, row.expected);
        EXPECT_EQ(fs::file_size(INI), row.content.size()) << "the file is not touched";
    }
}

// A writer that feeds kalvor.ini as a pipe: prefix, then filler until the
// reader goes away or a limit far beyond any record is reached.
long long FeedPipe(const std::string& prefix, char filler)
{
    const long long limit = 64ll << 20;
    std::atomic<long long> sent{0};
    std::thread writer([&] {
        const int fd = open(INI, O_WRONLY);  // waits for the reader
        if (fd < 0)
            return;
        std::string chunk = prefix;
        while (sent < limit) {
            const ssize_t put = write(fd, chunk.data(), chunk.size());
            if (put <= 0)
                break;  // the reader closed its end
            sent += put;
            chunk.assign(65536, filler);
        }
        close(fd);
    });
    Loader();
    // Releases a writer still waiting in open, should Loader not have opened the
    // pipe: a reader that comes and goes lets the writer's open and then its
    // writes fail.
    const int unblock = open(INI, O_RDONLY | O_NONBLOCK);
    if (unblock >= 0)
        close(unblock);
    writer.join();
    return sent;
}

TEST_F(SettingsFile, LoaderStopsReadingOnceTheRecordDecides)
{
    struct Row {
        const char* label;
        std::string prefix;
        char filler;
        int expected;
    } rows[] = {
        {"value growing without end", "PREC ", '9', 4},
        {"endless rest after a good record", "PREC 9" + NUL, 'x', 9},
        {"endless rest after a bad record", "PREC x" + NUL, '9', 4},
        {"endless empty records", "", '\0', 4},
    };
    void (*oldPipe)(int) = std::signal(SIGPIPE, SIG_IGN);  // a closed pipe must not end the test
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ASSERT_EQ(mkfifo(INI, 0600), 0);
        iFT = 77;
        const long long sent = FeedPipe(row.prefix, row.filler);
        EXPECT_EQ(iFT, row.expected);
        EXPECT_LT(sent, 1ll << 20) << "read far beyond the first record";
        fs::remove(INI);
    }
    std::signal(SIGPIPE, oldPipe);
}

TEST_F(SettingsFile, LoaderKeepsThePrecisionWhenTheFileCannotBeRead)
{
    iFT = 7;
    Loader();
    EXPECT_EQ(iFT, 7) << "no file";

    fs::create_directory(INI);
    Loader();
    EXPECT_EQ(iFT, 7) << "a directory";
    fs::remove(INI);

    WriteBytes(INI, "PREC 9");
    fs::permissions(INI, fs::perms::none);
    const bool readable = access(INI, R_OK) == 0;  // a privileged user reads it all the same
    Loader();
    EXPECT_EQ(iFT, readable ? 9 : 7) << "no read permission";
}

TEST_F(SettingsFile, SaverWritesOneRecordWithoutALineBreak)
{
    WriteBytes(INI, "PREC 123456789\nsecond line" + NUL + "more");
    const struct {
        int precision;
        const char* bytes;
        int readBack;  // by Loader, which takes no more than 1000
    } rows[] = {
        {4, "PREC 4", 4}, {9, "PREC 9", 9}, {25, "PREC 25", 25}, {1000, "PREC 1000", 1000},
        {2147483647, "PREC 2147483647", 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.precision);
        iFT = row.precision;
        EXPECT_EQ(Saver(), 0);
        EXPECT_EQ(ReadBytes(INI), row.bytes);
        EXPECT_TRUE(Strays().empty());
        iFT = 77;
        Loader();
        EXPECT_EQ(iFT, row.readBack);
    }
    iFT = 4;
    Saver();
    EXPECT_EQ(fs::file_size(INI), 6u);
}

TEST_F(SettingsFile, SaverLeavesADirectoryOfThatName)
{
    fs::create_directory(INI);
    WriteBytes(std::string(INI) + "/inside", "keep");
    iFT = 12;
    Saver();
    EXPECT_TRUE(fs::is_directory(INI));
    EXPECT_EQ(ReadBytes(std::string(INI) + "/inside"), "keep");
    EXPECT_TRUE(Strays().empty());
}

TEST_F(SettingsFile, SaverKeepsTheOldFileWhenTheNewOneFails)
{
    WriteBytes(INI, "PREC 9");
    fs::create_directory(TEMP);  // the temporary file cannot be made
    iFT = 5;
    Saver();
    EXPECT_EQ(ReadBytes(INI), "PREC 9");
    EXPECT_TRUE(fs::is_directory(TEMP)) << "not Saver's to remove";
    fs::remove(TEMP);

    if (!fs::exists("/dev/full"))
        return;
    fs::create_symlink("/dev/full", TEMP);  // every write there fails: disk full
    Saver();
    EXPECT_EQ(ReadBytes(INI), "PREC 9");
    EXPECT_TRUE(Strays().empty()) << "the failed temporary file stays behind";
}

TEST_F(SettingsFile, SaverOnAReadOnlyFileOrDirectory)
{
    WriteBytes(INI, "PREC 9");
    fs::permissions(INI, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    iFT = 5;
    Saver();
    EXPECT_EQ(ReadBytes(INI), "PREC 9") << "read-only file, even for a user who could write it";
    EXPECT_TRUE(Strays().empty());

    fs::permissions(INI, fs::perms::owner_all);
    WriteBytes(INI, "PREC 9");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    iFT = 6;
    Saver();
    EXPECT_EQ(ReadBytes(INI), "PREC 6") << "read-only directory, writable file";
    EXPECT_TRUE(Strays().empty());
}

// A folder where no file may be made, with a settings file anyone may write:
// the record is written in place. Root may make files anywhere, so there the
// saving runs in a child process as the unprivileged user "nobody".
TEST_F(SettingsFile, SaverWritesInPlaceWhereNoFileMayBeMade)
{
    WriteBytes(INI, "PREC 1000");
    fs::permissions(INI, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read
                             | fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                              | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    iFT = 6;
    if (geteuid() != 0) {
        Saver();
    } else {
        const uid_t NOBODY = 65534;
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            const bool unprivileged = setgid(NOBODY) == 0 && setuid(NOBODY) == 0 && access(".", W_OK) != 0;
            if (unprivileged)
                Saver();
            _exit(unprivileged ? 0 : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 3)
            GTEST_SKIP() << "cannot run as an unprivileged user here";
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(ReadBytes(INI), "PREC 6");
    EXPECT_TRUE(Strays().empty());
}

}  // namespace
