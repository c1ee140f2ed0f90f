// The command line of kalvorix-cli.
#ifndef KALVORIX_CLI_ARGS_H
#define KALVORIX_CLI_ARGS_H

#include <string>
#include <vector>

#include "text.h"
#include "validate.h"

// What each request does: a conversion, or one of the modes of numbers in
// memory (--code, --decode, --float, --decode-float).
enum class CliMode { CONVERT, CODE, DECODE, FLOAT, DECODE_FLOAT };

struct CliOptions {
    CliMode mode = CliMode::CONVERT;
    int width = 0;    // the modes' N: the register's bits, or the format's (16, 32, 64)
    int source = 10;  // numeral system of the numbers: ROMAN, or a base; the bits of
                      // --decode and --decode-float are binary unless -f is given
    int target = 2;   // numeral system of the results; with --arith and no -t, the -f system
    bool everySystem = false;  // -t all: the results in every system, target aside
    std::string precision = NumToStr(PREC_DEFAULT);  // the precision field's text, as given
    bool json = false;
    bool steps = false;           // print each result's worked solution
    bool arithmetic = false;      // --arith: each request is "A OP B"
    bool help = false;
    bool version = false;
    std::vector<std::string> numbers;  // as given; none: read standard input
};

// The system a name on the command line stands for: ROMAN for "roman" in any
// case, NSmin to NSmax for those numbers written plainly, 0 for anything else.
int SystemOfName(const std::string& name);

// The name of a system as the command line and -t all write it: "roman", or
// the base in decimal.
std::string NameOfSystem(int system);

// Reads the arguments after the program name into options. False on a usage
// error, with its reason (Windows-1251, as every text of the program) in error.
bool ParseArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The help text, Russian, in Windows-1251, ending with a line break.
std::string UsageText();

// What a usage error prints: a line with its reason (as ParseArguments gave
// it) and a line pointing to --help.
std::string UsageErrorText(const std::string& reason);

// "kalvorix-cli" and the program's version, ending with a line break.
std::string VersionText();

#endif
