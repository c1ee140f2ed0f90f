// Turning a typed number into a conversion request and its outcome.
#include "request.h"

#include "convert.h"
#include "state.h"
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
    report.input = typed;
    const Outcome outcome = ConvertRequest(CleanNumber(typed), Utf8ToAscii(options.precision, FOREIGN),
                                           options.source, options.target);
    report.converted = outcome.kind == Outcome::OUTPUT;
    if (report.converted) {
        report.result = outcome.text;
        report.decimal = strM_BUF;
    } else {
        report.message = outcome.text;
    }
    return report;
}
