// kalvorix-cli's modes of numbers in memory: --code, --decode, --float and
// --decode-float, each request run by the window's own modules and shown as
// labelled lines or as one JSON object.
#ifndef KALVORIX_CLI_BITMODES_H
#define KALVORIX_CLI_BITMODES_H

#include <string>

#include "args.h"

// What one request of a mode gives, in UTF-8.
struct ModeReport {
    bool accepted = false;
    std::string out;  // standard output without its final line break: the labelled
                      // lines (with --steps the worked solution after them, ending
                      // with its line break), empty for a refused request; or the
                      // JSON object
    std::string err;  // standard error, with its line breaks: the message of a
                      // refused request (not with --json); else empty
};

// Runs typed (as given; cleaned as the input field cleans it) in the mode of
// options, which is not CliMode::CONVERT.
ModeReport RunModeRequest(const std::string& typed, const CliOptions& options);

#endif
