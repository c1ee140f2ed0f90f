// Plain and JSON forms of a request's outcome.
#include "report.h"

#include <optional>

#include "json.h"
#include "utf8.h"

namespace {

std::optional<std::string> When(bool present, const std::string& text)
{
    return present ? std::optional<std::string>(text) : std::nullopt;
}

// A message on one line: each run of line breaks becomes one space.
std::string OnOneLine(const std::string& message)
{
    std::string line;
    for (char ch : message) {
        if (ch != '\n')
            line += ch;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}

// Whether the number itself was refused: by every system, for one reason.
bool NumberRefused(const std::vector<RequestReport>& reports)
{
    for (const RequestReport& report : reports)
        if (report.converted || report.message != reports.front().message)
            return false;
    return !reports.empty();
}

}  // namespace

std::string JsonReport(const RequestReport& report)
{
    const bool ok = report.converted;
    const bool solved = ok && report.solved;
    std::string json = "{\"input\": " + JsonString(ValidUtf8(report.input))
        + ", \"result\": " + JsonValue(When(ok, Cp1251ToUtf8(report.result)))
        + ", \"decimal\": " + JsonValue(When(ok, Cp1251ToUtf8(report.decimal)))
        + ", \"error\": " + JsonValue(When(!ok, Cp1251ToUtf8(report.message)))
        + ", \"exact\": " + (solved ? (report.exact ? "true" : "false") : "null")
        + ", \"exact_value\": " + JsonValue(When(solved && report.exactWritten, Cp1251ToUtf8(report.exactValue)));
    if (report.wholeDivision)
        json += ", \"quotient\": " + JsonString(Cp1251ToUtf8(report.quotient)) + ", \"remainder\": "
            + JsonString(Cp1251ToUtf8(report.remainder));
    if (report.withSteps)
        json += ", \"steps\": " + JsonValue(When(solved, Cp1251ToUtf8(report.steps)));
    return json + "}";
}

std::string PlainResult(const RequestReport& report)
{
    if (!report.converted)
        return std::string();
    const std::string result = Cp1251ToUtf8(report.result);
    return report.withSteps && report.solved ? result + "\n" + Cp1251ToUtf8(report.steps) : result;
}

std::string PlainError(const RequestReport& report)
{
    return report.converted ? std::string() : Cp1251ToUtf8(report.message) + "\n";
}

std::string PlainEverySystem(const std::vector<RequestReport>& reports)
{
    if (NumberRefused(reports))
        return std::string();
    std::string text;
    for (const RequestReport& report : reports) {
        if (!text.empty())
            text += '\n';
        text += NameOfSystem(report.target) + ": "
            + Cp1251ToUtf8(report.converted ? report.result : OnOneLine(report.message));
    }
    return text;
}

std::string PlainEverySystemError(const std::vector<RequestReport>& reports)
{
    return NumberRefused(reports) ? PlainError(reports.front()) : std::string();
}

std::string JsonEverySystem(const std::vector<RequestReport>& reports)
{
    std::optional<std::string> decimal;
    std::string fields, errors;
    for (const RequestReport& report : reports) {
        if (report.target == 10 && report.converted)
            decimal = Cp1251ToUtf8(report.decimal);
        fields += ", " + JsonString(NameOfSystem(report.target)) + ": "
            + JsonValue(When(report.converted, Cp1251ToUtf8(report.result)));
        if (!report.converted)
            errors += (errors.empty() ? "" : ", ") + JsonString(NameOfSystem(report.target)) + ": "
                + JsonString(Cp1251ToUtf8(report.message));
    }
    const std::string input = reports.empty() ? std::string() : reports.front().input;
    return "{\"input\": " + JsonString(ValidUtf8(input)) + ", \"decimal\": " + JsonValue(decimal) + fields
        + ", \"errors\": {" + errors + "}}";
}

bool AllConverted(const std::vector<RequestReport>& reports)
{
    for (const RequestReport& report : reports)
        if (!report.converted)
            return false;
    return true;
}
