// Options, numeral-system names and the usage text of kalvorix-cli.
#include "args.h"

#include "systems.h"
#include "text.h"
#include "version.h"

#include <cctype>

namespace {

bool EqualsIgnoringCase(const std::string& text, const char* lower)
{
    std::size_t k = 0;
    for (; k < text.size() && lower[k] != '\0'; ++k)
        if (std::tolower(static_cast<unsigned char>(text[k])) != lower[k])
            return false;
    return k == text.size() && lower[k] == '\0';
}

// Only these are options, and "--" followed by anything. Any other argument,
// even one that begins with "-", is a number: "-FF" and "-10.5" are negative.
bool IsOption(const std::string& arg)
{
    return arg == "-f" || arg == "-t" || arg == "-p" || arg == "-h" || arg.compare(0, 2, "--") == 0;
}

}  // namespace

int SystemOfName(const std::string& name)
{
    if (EqualsIgnoringCase(name, "roman"))
        return ROMAN;
    const int base = StrToNum(name);
    // The round trip admits exactly the plain decimal form: no sign, no leading zero.
    if (NumToStr(base) != name || base < NSmin || base > NSmax)
        return 0;
    return base;
}

bool ParseArguments(const std::vector<std::string>& args, CliOptions& options, std::string& error)
{
    bool optionsEnded = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (optionsEnded || !IsOption(arg)) {
            options.numbers.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--steps") {
            options.steps = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "-f" || arg == "-t" || arg == "-p") {
            if (k + 1 == args.size()) {
                error = "option " + arg + " needs an argument";
                return false;
            }
            const std::string& value = args[++k];
            if (arg == "-p") {
                options.precision = value;
                continue;
            }
            const int system = SystemOfName(value);
            if (system == 0) {
                error = "unknown numeral system \"" + value + "\" (2 to 16 or roman)";
                return false;
            }
            (arg == "-f" ? options.source : options.target) = system;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}

const char* UsageText()
{
    return "Usage: kalvorix-cli [-f SYS] [-t SYS] [-p PRECISION] [--json] [--steps] [NUMBER ...]\n"
           "Converts each NUMBER from one numeral system to another exactly as the\n"
           "Kalvorix window does. With no NUMBER, converts each line of standard input.\n"
           "\n"
           "  -f SYS        system the numbers are written in (default 10)\n"
           "  -t SYS        system to convert them to (default 2)\n"
           "  -p PRECISION  fractional digits of the results, 1 to 1000 (default 4)\n"
           "  --json        print one JSON object per number:\n"
           "                {\"input\", \"result\", \"decimal\", \"error\", \"exact\",\n"
           "                \"exact_value\"}, and \"steps\" with --steps\n"
           "  --steps       print each result's worked solution (in Russian) after it,\n"
           "                then an empty line\n"
           "  -h, --help    print this help and exit\n"
           "  --version     print the version and exit\n"
           "  --            take every later argument as a NUMBER\n"
           "\n"
           "SYS is a base from 2 to 16, or roman (numerals 1 to 3999).\n"
           "Spaces in a NUMBER are ignored and letters may be small. A NUMBER may begin\n"
           "with \"-\"; put \"--\" before one that reads as an option (-- -f).\n"
           "A refused NUMBER prints an empty line and its reason on standard error.\n"
           "\"exact\" says whether the result is the number's exact value (a fraction\n"
           "may be cut at the precision); \"exact_value\" is that value in the target\n"
           "system, a period in parentheses: 0.1 to base 2 is 0.0(0011). It is null\n"
           "for a fraction of more than 10,000 digits, and both are null when refused.\n"
           "\n"
           "Exit status: 0 if every NUMBER was converted, 1 if any was refused,\n"
           "2 for a usage error.\n";
}

std::string VersionText()
{
    return std::string("kalvorix-cli ") + KALVORIX_VERSION_TEXT + "\n";
}
