// The four modes of numbers in memory on the command line. Bit strings are
// grouped by four in the plain lines and whole in JSON.
#include "bitmodes.h"

#include <algorithm>
#include <optional>

#include "bitfields.h"
#include "codes.h"
#include "codesteps.h"
#include "floats.h"
#include "floatsteps.h"
#include "json.h"
#include "request.h"
#include "text.h"
#include "utf8.h"

namespace {

// "Прямой код:         1010 1101": each label padded to the longest, so the
// values stand in a column.
std::string Labelled(const BitFields& fields)
{
    size_t width = 0;
    for (const auto& field : fields)
        width = std::max(width, field.first.size());
    std::string text;
    for (const auto& field : fields)
        text += (text.empty() ? "" : "\n") + field.first + ":" + std::string(width - field.first.size() + 1, ' ')
            + field.second;
    return Cp1251ToUtf8(text);
}

std::optional<std::string> Present(const std::string& text)
{
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

// The object of a request: input first, the fields of the mode, error, and
// with --steps the solution.
std::string JsonObject(const std::string& typed, const std::string& fields, const std::string& error,
                       const CliOptions& options, const std::string& steps)
{
    std::string json = "{\"input\": " + JsonString(ValidUtf8(typed)) + fields + ", \"error\": "
        + JsonValue(error.empty() ? std::nullopt : std::optional<std::string>(Cp1251ToUtf8(error)));
    if (options.steps)
        json += ", \"steps\": " + JsonValue(steps.empty() ? std::nullopt : std::optional<std::string>(Cp1251ToUtf8(steps)));
    return json + "}";
}

Reply Finished(bool accepted, const std::string& plain, const std::string& typed, const std::string& json,
                    const std::string& fault, const std::string& steps, const CliOptions& options)
{
    Reply report;
    report.succeeded = accepted;
    if (options.json) {
        report.out = JsonObject(typed, json, fault, options, steps);
        return report;
    }
    if (!accepted) {
        report.err = Cp1251ToUtf8(fault) + "\n";
        return report;
    }
    report.out = plain + (options.steps ? "\n" + Cp1251ToUtf8(steps) : std::string());
    return report;
}

Reply Code(const std::string& typed, const std::string& number, const CliOptions& options)
{
    IntegerCodes c;
    std::string fault;
    const bool ok = EncodeInteger(number, options.source, options.width, c, fault);
    std::string plain, steps;
    if (ok) {
        plain = Labelled(CodeFields(c));
        if (options.steps)
            steps = CodesSolution(c);
    }
    auto field = [ok](const char* name, const std::string& value) {
        return std::string(", \"") + name + "\": " + JsonValue(ok ? Present(value) : std::nullopt);
    };
    const std::string json = ", \"bits\": " + NumToStr(options.width) + field("decimal", c.decimal)
        + field("sign_magnitude", c.signMagnitude) + field("ones_complement", c.onesComplement)
        + field("twos_complement", c.twosComplement) + field("hex", c.hex);
    return Finished(ok, plain, typed, json, fault, steps, options);
}

Reply Decode(const std::string& typed, const std::string& code, const CliOptions& options)
{
    CodeReading r;
    std::string fault;
    const bool ok = DecodeInteger(code, options.source, options.width, r, fault);
    std::string plain, steps;
    if (ok) {
        plain = Labelled(CodeReadingFields(r));
        if (options.steps)
            steps = CodeReadingSolution(r, code, options.source);
    }
    auto field = [ok](const char* name, const std::string& value) {
        return std::string(", \"") + name + "\": " + JsonValue(ok ? Present(value) : std::nullopt);
    };
    const std::string json = ", \"bits\": " + NumToStr(options.width) + field("code", r.code)
        + field("unsigned", r.unsignedValue) + field("sign_magnitude", r.signMagnitude)
        + field("ones_complement", r.onesComplement) + field("twos_complement", r.twosComplement);
    return Finished(ok, plain, typed, json, fault, steps, options);
}

const char* ClassKey(FloatClass kind)
{
    switch (kind) {
    case FloatClass::ZERO: return "zero";
    case FloatClass::SUBNORMAL: return "subnormal";
    case FloatClass::NORMAL: return "normal";
    case FloatClass::INFINITE_VALUE: return "infinity";
    default: return "nan";
    }
}

std::string FloatJson(const FloatValue& v, bool ok, const CliOptions& options)
{
    auto field = [ok](const char* name, const std::string& value) {
        return std::string(", \"") + name + "\": " + JsonValue(ok ? Present(value) : std::nullopt);
    };
    FloatFormat format;
    FloatFormatOf(options.width, format);
    return ", \"format\": " + JsonString(format.name) + field("bits", v.Bits()) + field("sign", v.signField)
        + field("exponent", v.exponentField) + field("mantissa", v.mantissaField) + field("hex", v.hex)
        + field("class", ClassKey(v.kind)) + field("stored", v.stored);
}

Reply Float(const std::string& typed, const std::string& number, const CliOptions& options)
{
    FloatFormat format;
    FloatFormatOf(options.width, format);
    FloatEncoding e;
    std::string fault;
    const bool ok = EncodeFloat(number, options.source, format, e, fault);
    std::string plain, steps;
    if (ok) {
        plain = Labelled(FloatEncodingFields(e));
        if (options.steps)
            steps = FloatSolution(e);
    }
    const std::string exact = !ok ? "null" : e.rounding.exact ? "true" : "false";
    return Finished(ok, plain, typed, FloatJson(e.value, ok, options) + ", \"exact\": " + exact, fault, steps, options);
}

Reply DecodeFloatRequest(const std::string& typed, const std::string& code, const CliOptions& options)
{
    FloatFormat format;
    FloatFormatOf(options.width, format);
    FloatValue v;
    std::string fault;
    const bool ok = DecodeFloat(code, options.source, format, v, fault);
    std::string plain, steps;
    if (ok) {
        plain = Labelled(FloatFields(v));
        if (options.steps)
            steps = FloatReadingSolution(v, code, options.source);
    }
    return Finished(ok, plain, typed, FloatJson(v, ok, options), fault, steps, options);
}

}  // namespace

Reply RunModeRequest(const std::string& typed, const CliOptions& options)
{
    const std::string text = CleanNumber(typed);
    switch (options.mode) {
    case CliMode::CODE: return Code(typed, text, options);
    case CliMode::DECODE: return Decode(typed, text, options);
    case CliMode::FLOAT: return Float(typed, text, options);
    default: return DecodeFloatRequest(typed, text, options);
    }
}
