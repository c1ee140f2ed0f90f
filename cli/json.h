// The few pieces of JSON that the --json output needs.
#ifndef KALVORIX_CLI_JSON_H
#define KALVORIX_CLI_JSON_H

#include <optional>
#include <string>

// A JSON string literal of text, which must be valid UTF-8: quotes and
// backslashes escaped, control characters as \n, \r, \t, \b, \f or \u00XX.
std::string JsonString(const std::string& text);

// JsonString of the text, or null without one.
std::string JsonValue(const std::optional<std::string>& text);

#endif
