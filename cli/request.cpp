// Turning a typed number into a conversion request and its outcome.
#include "request.h"

#include "convert.h"
#include "solution.h"
#include "state.h"
#include "systems.h"
#include "utf8.h"

namespace {

// Stands for any character beyond ASCII: it is no digit, separator, sign or
// Roman letter, so such a number is refused as the window would refuse it,
// and never decoded into something that looks valid.
const char FOREIGN = '?';

std::string ToCapitals(std::string text)
{
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

}  // namespace

std::string CleanNumber(const std::string& typed)
{
    return ToCapitals(RemoveSpaces(Utf8ToAscii(typed, FOREIGN)));
}

RequestReport RunRequest(const std::string& typed, const CliOptions& options)
{
    RequestReport report;
    if (options.json)
        report.input = typed;
    report.target = options.target;
    const std::string number = CleanNumber(typed);
    const std::string precision = Utf8ToAscii(options.precision, FOREIGN);
    Outcome outcome = ConvertRequest(number, precision, options.source, options.target);
    report.converted = outcome.kind == Outcome::OUTPUT;
    report.withSteps = options.steps;
    if (!report.converted) {
        report.message = std::move(outcome.text);
        return report;
    }
    if (options.json)
        report.decimal = strM_BUF;
    // -t all's JSON says nothing of exactness: no solution is needed for it.
    if ((options.json && !options.everySystem) || options.steps) {
        Solution solution = SolveCommand(ConversionCommand(number, options.source, options.target, outcome));
        report.solved = solution.solved;
        report.exact = solution.exact;
        report.exactWritten = solution.exactWritten;
        report.exactValue = std::move(solution.exactValue);
        report.steps = std::move(solution.text);
    }
    report.result = std::move(outcome.text);
    return report;
}

std::vector<RequestReport> RunEverySystem(const std::string& typed, const CliOptions& options)
{
    CliOptions each = options;
    each.steps = false;
    std::vector<RequestReport> reports;
    reports.reserve(NSmax - NSmin + 2);
    for (int system = NSmin; system <= NSmax + 1; ++system) {
        each.target = system > NSmax ? ROMAN : system;
        reports.push_back(RunRequest(typed, each));
    }
    return reports;
}
