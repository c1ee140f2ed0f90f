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
    return "{\"input\": " + JsonString(ValidUtf8(report.input))
        + ", \"result\": " + JsonValue(When(ok, Cp1251ToUtf8(report.result)))
        + ", \"decimal\": " + JsonValue(When(ok, Cp1251ToUtf8(report.decimal)))
        + ", \"error\": " + JsonValue(When(!ok, Cp1251ToUtf8(report.message))) + "}";
}

std::string PlainResult(const RequestReport& report)
{
    return report.converted ? Cp1251ToUtf8(report.result) : std::string();
}

std::string PlainError(const RequestReport& report)
{
    return report.converted ? std::string() : Cp1251ToUtf8(report.message) + "\n";
}
