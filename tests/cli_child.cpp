#include "cli_child.h"

#include <csignal>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace clitest {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "kalvorix-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

namespace {

// In the child: descriptor fd connected to target; false when that failed.
bool Connect(int fd, Target target, const fs::path& file, const fs::path& dir)
{
    int opened = -1;
    switch (target) {
    case Target::FILE:
        opened = fd == 0 ? open(file.c_str(), O_RDONLY) : open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        break;
    case Target::SAME_AS_OUTPUT:
        return dup2(1, fd) == fd;
    case Target::FULL_DEVICE:
        opened = open("/dev/full", O_WRONLY);
        break;
    case Target::CLOSED:
        close(fd);
        return true;
    case Target::DIRECTORY:
        opened = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        break;
    case Target::PIPE_WITHOUT_READER: {
        int ends[2];
        if (pipe(ends) != 0)
            return false;
        close(ends[0]);
        opened = ends[1];
        break;
    }
    }
    if (opened < 0 || dup2(opened, fd) != fd)
        return false;
    if (opened != fd)
        close(opened);
    return true;
}

}  // namespace

Result RunChild(const std::string& input, const Wiring& wiring, const fs::path& dir,
                const std::function<std::string()>& body)
{
    TempDir io;
    const fs::path in = io.path() / "in", out = io.path() / "out", err = io.path() / "err";
    std::ofstream(in, std::ios::binary) << input;
    const fs::path cwd = dir.empty() ? io.path() : dir;
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return {"", "no pipe", -1, ""};

    const pid_t pid = fork();
    if (pid == 0) {
        close(report[0]);
        if (wiring.ignorePipeSignal)
            signal(SIGPIPE, SIG_IGN);
        // Standard output first: standard error may share its file.
        if (!Connect(0, wiring.in, in, io.path()) || !Connect(1, wiring.out, out, io.path())
            || !Connect(2, wiring.err, err, io.path()) || chdir(cwd.c_str()) != 0)
            _exit(126);
        const std::string text = body();
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t wrote = write(report[1], text.data() + done, text.size() - done);
            if (wrote <= 0)
                _exit(125);
            done += static_cast<std::size_t>(wrote);
        }
        _exit(0);
    }
    close(report[1]);
    std::string said;
    char piece[4096];
    for (ssize_t got; pid > 0 && (got = read(report[0], piece, sizeof piece)) > 0;)
        said.append(piece, static_cast<std::size_t>(got));
    close(report[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return {"", "could not run", -1, ""};
    return {ReadAll(out), ReadAll(err), WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

Result RunCli(const std::vector<std::string>& args, const std::string& input, const fs::path& dir,
              const Wiring& wiring)
{
    std::vector<char*> argv;
    std::string program = KALVORIX_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return RunChild(input, wiring, dir, [&argv]() {
        execv(argv[0], argv.data());
        _exit(127);
        return std::string();
    });
}

}  // namespace clitest
