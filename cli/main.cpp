// kalvorix-cli: the window's conversion command on the command line. Numbers
// come from the arguments or, one per line, from standard input; every request
// runs in this one process, so the state carries over as in the window. No
// settings file is read or written.
#include <new>
#include <string>
#include <vector>

#include "args.h"
#include "arith.h"
#include "bitmodes.h"
#include "report.h"
#include "request.h"
#include "session.h"
#include "streams.h"
#include "utf8.h"

namespace {

// One request's outcome, in every system with -t all; it succeeded when no
// system refused it.
Reply Converted(const std::string& typed, const CliOptions& options)
{
    if (options.mode != CliMode::CONVERT)
        return RunModeRequest(typed, options);
    Reply reply;
    if (options.everySystem) {
        const std::vector<RequestReport> reports = RunEverySystem(typed, options);
        reply.out = options.json ? JsonEverySystem(reports) : PlainEverySystem(reports);
        reply.err = options.json ? std::string() : PlainEverySystemError(reports);
        reply.succeeded = AllConverted(reports);
    } else {
        const RequestReport report = options.arithmetic ? RunArithmetic(typed, options) : RunRequest(typed, options);
        reply.out = options.json ? JsonReport(report) : PlainResult(report);
        reply.err = options.json ? std::string() : PlainError(report);
        reply.succeeded = report.converted;
    }
    return reply;
}

int Run(const std::vector<std::string>& args, StandardStreams& streams)
{
    CliOptions options;
    std::string error;
    if (!ParseArguments(args, options, error))
        return Concluded(streams, EXIT_USAGE, streams.Err(Cp1251ToUtf8(UsageErrorText(error))));
    if (options.help)
        return Concluded(streams, EXIT_DONE, streams.Out(Cp1251ToUtf8(UsageText())));
    if (options.version)
        return Concluded(streams, EXIT_DONE, streams.Out(VersionText()));
    return AnswerRequests(
        options.numbers, [&options](const std::string& typed) { return Converted(typed, options); }, streams);
}

int RunGuarded(const std::vector<std::string>& args)
{
    StandardStreams streams;
    try {
        return Run(args, streams);
    } catch (const std::bad_alloc&) {
        // A number too large for memory ends the run with a message, not an abort.
        return Concluded(streams, EXIT_REFUSED, streams.Err(Cp1251ToUtf8("kalvorix-cli: не хватает памяти\n")));
    }
}

}  // namespace

#ifdef _WIN32
// kalvorix-cli.exe is linked with -municode: the arguments come in UTF-16, so
// that what the ANSI code page lacks (a no-break space, Cyrillic) arrives as
// typed, and go on in UTF-8 like every other text of the program.
extern "C" int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int k = 1; k < argc; ++k)
        args.push_back(Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[k])));
    return RunGuarded(args);
}
#else
int main(int argc, char** argv)
{
    return RunGuarded(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
