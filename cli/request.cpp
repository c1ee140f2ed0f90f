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

// Beside the space, which the input field removes, what numbers copied from
// a table, a spreadsheet or a web page carry around and between their digit
// groups: the tab, the no-break space (the Russian group separator) and the
// narrow no-break space.
bool IsBlank(long cp)
{
    return cp == '\t' || cp == 0xA0 || cp == 0x202F;
}

// typed with each blank as a space.
std::string BlanksAsSpaces(const std::string& typed)
{
    std::string out;
    out.reserve(typed.size());
    std::size_t length;
    for (std::size_t pos = 0; pos < typed.size(); pos += length) {
        const long cp = DecodeUtf8(typed, pos, length);
        if (IsBlank(cp))
            out += ' ';
        else
            out.append(typed, pos, length);
    }
    return out;
}

}  // namespace

std::string CleanNumber(const std::string& typed)
{
    return ToCapitals(RemoveSpaces(Utf8ToAscii(BlanksAsSpaces(typed), FOREIGN)));
}

namespace {

// The report of one target's outcome, the solution not yet asked for.
RequestReport Reported(const std::string& typed, const CliOptions& options, int target, Outcome outcome)
{
    RequestReport report;
    if (options.json)
        report.input = typed;
    report.target = target;
    report.converted = outcome.kind == Outcome::OUTPUT;
    if (!report.converted) {
        report.message = std::move(outcome.text);
        return report;
    }
    if (options.json)
        report.decimal = strM_BUF;
    report.result = std::move(outcome.text);
    return report;
}

std::string PrecisionOf(const CliOptions& options)
{
    return Utf8ToAscii(options.precision, FOREIGN);
}

}  // namespace

RequestReport RunRequest(const std::string& typed, const CliOptions& options)
{
    const std::string number = CleanNumber(typed);
    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, PrecisionOf(options), options.source, options.target, parts);
    RequestReport report = Reported(typed, options, options.target, outcome);
    report.withSteps = options.steps;
    // -t all's JSON says nothing of exactness: no solution is needed for it.
    if (report.converted && (options.json || options.steps)) {
        Solution solution = SolveCommand(ConversionCommand(parts, outcome));
        report.solved = solution.solved;
        report.exact = solution.exact;
        report.exactWritten = solution.exactWritten;
        report.exactValue = std::move(solution.exactValue);
        report.steps = std::move(solution.text);
    }
    return report;
}

std::vector<RequestReport> RunEverySystem(const std::string& typed, const CliOptions& options)
{
    // The number is validated and read once, then written in each system.
    ReadNumber read;
    Outcome refusal;
    const bool accepted = ReadRequest(CleanNumber(typed), PrecisionOf(options), options.source, read, refusal);
    std::vector<RequestReport> reports;
    reports.reserve(NSmax - NSmin + 2);
    for (int system = NSmin; system <= NSmax + 1; ++system) {
        const int target = system > NSmax ? ROMAN : system;
        reports.push_back(Reported(reports.empty() ? typed : std::string(), options, target,
                                   accepted ? WriteNumber(read, target) : refusal));
    }
    return reports;
}
