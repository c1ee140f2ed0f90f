// kalvorix-cli: the window's conversion command on the command line. Numbers
// come from the arguments or, one per line, from standard input; every request
// runs in this one process, so the state carries over as in the window. No
// settings file is read or written.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "args.h"
#include "arith.h"
#include "report.h"
#include "request.h"
#include "streams.h"
#include "utf8.h"

namespace {

const int EXIT_REFUSED = 1;
const int EXIT_USAGE = 2;

// Shows one request's outcome, in every system with -t all; false when any
// was refused.
bool Handle(const std::string& typed, const CliOptions& options, StandardStreams& streams)
{
    std::string out, err;
    bool converted;
    if (options.everySystem) {
        const std::vector<RequestReport> reports = RunEverySystem(typed, options);
        out = options.json ? JsonEverySystem(reports) : PlainEverySystem(reports);
        err = options.json ? std::string() : PlainEverySystemError(reports);
        converted = AllConverted(reports);
    } else {
        const RequestReport report = options.arithmetic ? RunArithmetic(typed, options) : RunRequest(typed, options);
        out = options.json ? JsonReport(report) : PlainResult(report);
        err = options.json ? std::string() : PlainError(report);
        converted = report.converted;
    }
    streams.OutLine(out);
    streams.Err(err);
    return converted;
}

int Run(const std::vector<std::string>& args, StandardStreams& streams)
{
    CliOptions options;
    std::string error;
    if (!ParseArguments(args, options, error)) {
        streams.Err(Cp1251ToUtf8("kalvorix-cli: " + error + "\n\n" + UsageText()));
        return EXIT_USAGE;
    }
    if (options.help) {
        streams.Out(Cp1251ToUtf8(UsageText()));
        return 0;
    }
    if (options.version) {
        streams.Out(VersionText());
        return 0;
    }
    bool allConverted = true;
    if (!options.numbers.empty()) {
        for (const std::string& number : options.numbers)
            allConverted = Handle(number, options, streams) && allConverted;
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            allConverted = Handle(line, options, streams) && allConverted;
        }
    }
    return allConverted ? 0 : EXIT_REFUSED;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);  // nothing is written through std::cout
    StandardStreams streams;
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc), streams);
    } catch (const std::bad_alloc&) {
        // A number too large for memory ends the run with a message, not an abort.
        streams.Err(Cp1251ToUtf8("kalvorix-cli: не хватает памяти\n"));
        return EXIT_REFUSED;
    }
}
