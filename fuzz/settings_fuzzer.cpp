// The settings file with any bytes: the loader gives the precision that the
// first record states, or 4, and the saver then writes exactly the record of
// that precision. Runs in a directory of its own, in memory where possible.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <fcntl.h>
#include <unistd.h>

#include "input.h"
#include "rules.h"
#include "settings.h"
#include "state.h"
#include "text.h"

namespace {

// The precision a file's bytes give, read by the rules of the format without
// the program's code: the first record ends at a NUL; one or two characters,
// or a space first, make it bad; the value follows the first space (or is the
// whole record) and must be a decimal number from 1 to PREC_MAX.
int ExpectedPrecision(const std::string& bytes)
{
    const std::string record = bytes.substr(0, bytes.find('\0'));
    if (record.size() == 1 || record.size() == 2 || (!record.empty() && record[0] == ' '))
        return 4;
    const std::size_t space = record.find(' ');
    const int precision = PrecisionOfText(space == std::string::npos ? record : record.substr(space + 1));
    return precision > 0 ? precision : 4;
}

std::string ReadWhole(const char* name)
{
    std::ifstream file(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Exists(const char* name)
{
    return access(name, F_OK) == 0;
}

std::string workDirectory;
int startDirectory = -1;  // the fuzzer's own: corpus paths and crash files are relative to it

void RemoveWorkDirectory()
{
    std::remove((workDirectory + "/kalvor.ini").c_str());
    rmdir(workDirectory.c_str());
}

// Runs one input in the work directory, where the program's bare file name
// points, and comes back.
class InWorkDirectory {
public:
    InWorkDirectory() { FUZZ_CHECK(chdir(workDirectory.c_str()) == 0); }
    ~InWorkDirectory() { FUZZ_CHECK(fchdir(startDirectory) == 0); }
};

// A new directory under parent, or "" when none can be made there.
std::string MakeDirectory(const char* parent)
{
    std::string pattern = std::string(parent) + "/kalvorix-settings-XXXXXX";
    return mkdtemp(&pattern[0]) ? pattern : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workDirectory = MakeDirectory("/dev/shm");  // in memory: the file is written every run
    if (workDirectory.empty())
        workDirectory = MakeDirectory("/tmp");
    startDirectory = open(".", O_RDONLY | O_DIRECTORY);
    if (workDirectory.empty() || startDirectory < 0) {
        std::perror("settings fuzzer: no working directory");
        std::exit(1);
    }
    std::atexit(RemoveWorkDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const InWorkDirectory here;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream file("kalvor.ini", std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    iFT = 4;
    FUZZ_CHECK(Loader() == 0);
    FUZZ_CHECK(iFT == ExpectedPrecision(bytes));
    FUZZ_CHECK(ReadWhole("kalvor.ini") == bytes);  // reading never changes the file

    FUZZ_CHECK(Saver() == 0);
    FUZZ_CHECK(ReadWhole("kalvor.ini") == "PREC " + NumToStr(iFT));
    FUZZ_CHECK(!Exists("kalvor.ini.tmp"));
    return 0;
}
