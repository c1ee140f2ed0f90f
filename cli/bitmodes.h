// kalvorix-cli's modes of numbers in memory: --code, --decode, --float and
// --decode-float, each request run by the window's own modules and shown as
// labelled lines or as one JSON object.
#ifndef KALVORIX_CLI_BITMODES_H
#define KALVORIX_CLI_BITMODES_H

#include <string>

#include "args.h"
#include "session.h"

// Runs typed (as given; cleaned as the input field cleans it) in the mode of
// options, which is not CliMode::CONVERT. Its reply's output is the labelled
// lines (with --steps the worked solution after them, ending with its line
// break), empty for a refused request, or the JSON object; its error text
// the message of a refused request (not with --json).
Reply RunModeRequest(const std::string& typed, const CliOptions& options);

#endif
