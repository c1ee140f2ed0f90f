// kalvorix-cli: the window's conversion command on the command line. Numbers
// come from the arguments or, one per line, from standard input; every request
// runs in this one process, so the state carries over as in the window. No
// settings file is read or written.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "args.h"
#include "output.h"
#include "report.h"
#include "request.h"

namespace {

const int EXIT_REFUSED = 1;
const int EXIT_USAGE = 2;

// Shows one request's outcome; false when it was refused. On a terminal each
// outcome is flushed at once; into a file or a pipe they are buffered (a
// write per line was most of a batch's time). std::cerr is tied to
// std::cout: a reason flushes the outcomes before it, so the two keep their
// order in a shared file, and an empty one is not written for that reason.
bool Handle(const std::string& typed, const CliOptions& options, bool interactive)
{
    const RequestReport report = RunRequest(typed, options);
    std::cout << (options.json ? JsonReport(report) : PlainResult(report)) << '\n';
    if (interactive)
        std::cout.flush();
    const std::string reason = options.json ? std::string() : PlainError(report);
    if (!reason.empty())
        std::cerr << reason;
    return report.converted;
}

int Run(const std::vector<std::string>& args)
{
    CliOptions options;
    std::string error;
    if (!ParseArguments(args, options, error)) {
        std::cerr << "kalvorix-cli: " << error << "\n\n" << UsageText();
        return EXIT_USAGE;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    const bool interactive = StdoutIsTerminal();
    bool allConverted = true;
    if (!options.numbers.empty()) {
        for (const std::string& number : options.numbers)
            allConverted = Handle(number, options, interactive) && allConverted;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            allConverted = Handle(line, options, interactive) && allConverted;
        }
    }
    std::cout.flush();
    return allConverted ? 0 : EXIT_REFUSED;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);  // Handle flushes when it must; reading a line need not
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        // A number too large for memory ends the run with a message, not an abort.
        std::cerr << "kalvorix-cli: out of memory\n";
        return EXIT_REFUSED;
    }
}
