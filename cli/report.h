// How kalvorix-cli shows the outcome of one request.
#ifndef KALVORIX_CLI_REPORT_H
#define KALVORIX_CLI_REPORT_H

#include <string>

#include "request.h"

// The --json line of a report, without its line break: input, result,
// decimal and error, in UTF-8, null where the outcome has no such text.
std::string JsonReport(const RequestReport& report);

// The plain line for standard output, without its line break: the result,
// or nothing for a refused request.
std::string PlainResult(const RequestReport& report);

// The text for standard error, in UTF-8 with its line breaks and a final one;
// empty for a converted request.
std::string PlainError(const RequestReport& report);

#endif
