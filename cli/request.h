// One conversion request of kalvorix-cli, run by the window's own command.
#ifndef KALVORIX_CLI_REQUEST_H
#define KALVORIX_CLI_REQUEST_H

#include <string>
#include <vector>

#include "args.h"

struct RequestReport {
    std::string input;    // the number as given, UTF-8 or not; kept for --json only
    int target = 2;       // the system it was converted to
    bool converted = false;
    std::string result;   // Windows-1251, when converted
    std::string decimal;  // strM_BUF after the request, when converted; for --json only
    std::string message;  // Windows-1251, when refused
    // The worked solution's facts, asked for by --json or --steps, when converted:
    bool solved = false;
    bool exact = false;        // the result is the number's exact value
    bool exactWritten = false; // exactValue holds it (not beyond 10,000 fractional digits)
    std::string exactValue;    // Windows-1251
    bool wholeDivision = false;  // --arith, a division of two whole numbers: its
    std::string quotient;        // quotient and remainder, Windows-1251
    std::string remainder;
    bool withSteps = false;    // --steps was given
    std::string steps;         // the solution, Windows-1251, each line ended by "\n"
};

// The text the window's input field would hand to the command for what was
// typed: spaces gone, small ASCII letters made capitals (the field shows
// capitals only), and every character beyond ASCII a byte that no system
// accepts. Tabs and no-break spaces (U+00A0, U+202F) go like spaces, which
// the field, typed into by hand, does not need.
std::string CleanNumber(const std::string& typed);

// Converts typed by the options; iFT and strM_BUF carry over to the next
// request. With --json (but not -t all) or --steps a converted request also
// gets its worked solution.
RequestReport RunRequest(const std::string& typed, const CliOptions& options);

// -t all: typed converted to every system, NSmin to NSmax and then ROMAN, in
// that order, each as RunRequest would (the state carries on from one to the
// next); without worked solutions. With --json the first report keeps the input.
std::vector<RequestReport> RunEverySystem(const std::string& typed, const CliOptions& options);

#endif
