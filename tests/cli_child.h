// Running kalvorix-cli, or a piece of its stream layer, in a child process
// whose standard streams are files, a full device, a closed descriptor or a
// pipe nobody reads.
#ifndef KALVORIX_TESTS_CLI_CHILD_H
#define KALVORIX_TESTS_CLI_CHILD_H

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace clitest {

namespace fs = std::filesystem;

// What a standard stream of the child is connected to.
enum class Target {
    FILE,                 // a file of its own (standard input: holding the input)
    SAME_AS_OUTPUT,       // standard error only: the file of standard output
    FULL_DEVICE,          // /dev/full: every write fails for want of space
    CLOSED,               // no descriptor at all
    DIRECTORY,            // standard input only: a directory, which no read takes
    PIPE_WITHOUT_READER,  // a pipe whose reading end is closed
};

struct Wiring {
    Target in = Target::FILE;
    Target out = Target::FILE;
    Target err = Target::FILE;
    bool ignorePipeSignal = false;  // SIGPIPE ignored, so a write gets EPIPE instead
};

struct Result {
    std::string out;     // what reached standard output's file
    std::string err;     // what reached standard error's file
    int status;          // exit status, or -1 when ended by a signal
    std::string report;  // what the child's body returned
};

std::string ReadAll(const fs::path& path);

// A fresh temporary directory, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs body in a child process in dir (a fresh one when empty), its standard
// input holding input, its streams wired as asked; the child exits with
// status 0 after body returns its report. Files stand between, so a large
// input or output cannot block.
Result RunChild(const std::string& input, const Wiring& wiring, const fs::path& dir,
                const std::function<std::string()>& body);

// Runs the built program so (body execs it).
Result RunCli(const std::vector<std::string>& args, const std::string& input, const fs::path& dir = {},
              const Wiring& wiring = {});

}  // namespace clitest

#endif
