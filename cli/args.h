// The command line of kalvorix-cli.
#ifndef KALVORIX_CLI_ARGS_H
#define KALVORIX_CLI_ARGS_H

#include <string>
#include <vector>

struct CliOptions {
    int source = 10;              // numeral system of the numbers: -1 Roman, 2 to 16
    int target = 2;               // numeral system of the results
    std::string precision = "4";  // the precision field's text, as given
    bool json = false;
    bool steps = false;           // print each result's worked solution
    bool help = false;
    std::vector<std::string> numbers;  // as given; none: read standard input
};

// The system a name on the command line stands for: -1 for "roman" in any
// case, 2 to 16 for those numbers written plainly, 0 for anything else.
int SystemOfName(const std::string& name);

// Reads the arguments after the program name into options. False on a usage
// error, with its reason in error.
bool ParseArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The help text, English, ending with a line break.
const char* UsageText();

#endif
