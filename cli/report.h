// How kalvorix-cli shows the outcome of one request.
#ifndef KALVORIX_CLI_REPORT_H
#define KALVORIX_CLI_REPORT_H

#include <string>

#include "request.h"

// The --json line of a report, without its line break: input, result,
// decimal, error, exact and exact_value, and with --steps steps, in UTF-8,
// null where the outcome has no such value.
std::string JsonReport(const RequestReport& report);

// The plain text for standard output, without its final line break: the
// result, or nothing for a refused request; with --steps, after a result,
// a line break and its worked solution, whose last line break the final
// one follows, so an empty line ends it.
std::string PlainResult(const RequestReport& report);

// The text for standard error, in UTF-8 with its line breaks and a final one;
// empty for a converted request.
std::string PlainError(const RequestReport& report);

#endif
