// How kalvorix-cli shows the outcome of one request.
#ifndef KALVORIX_CLI_REPORT_H
#define KALVORIX_CLI_REPORT_H

#include <string>
#include <vector>

#include "request.h"

// The --json line of a report, without its line break: input, result,
// decimal, error, exact and exact_value, quotient and remainder of a whole
// division (--arith), and with --steps steps, in UTF-8, null where the
// outcome has no such value.
std::string JsonReport(const RequestReport& report);

// The plain text for standard output, without its final line break: the
// result, or nothing for a refused request; with --steps, after a result,
// a line break and its worked solution, whose last line break the final
// one follows, so an empty line ends it.
std::string PlainResult(const RequestReport& report);

// The text for standard error, in UTF-8 with its line breaks and a final one;
// empty for a converted request.
std::string PlainError(const RequestReport& report);

// -t all, from the reports of RunEverySystem. When every system refused the
// number for one same reason, it is the number that was refused: the plain
// output and its error are a refused request's. Otherwise PlainEverySystem
// gives a line a system, "2: 11111111" up to "roman: CCLV", a refused one with
// its reason on that line, the last without its line break, and
// PlainEverySystemError nothing.
std::string PlainEverySystem(const std::vector<RequestReport>& reports);
std::string PlainEverySystemError(const std::vector<RequestReport>& reports);

// -t all's JSON line: input, decimal (the value in base 10, null when that
// was refused), a field a system with its result or null, and errors, the
// reason of each system that refused, by its name.
std::string JsonEverySystem(const std::vector<RequestReport>& reports);

// Whether every report is a converted one.
bool AllConverted(const std::vector<RequestReport>& reports);

#endif
