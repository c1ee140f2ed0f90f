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
