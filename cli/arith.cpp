// Reading "A OP B" and running it through the arithmetic command.
#include "arith.h"

#include "arithsteps.h"
#include "systems.h"
#include "texts.h"
#include "utf8.h"

namespace {

const char NO_OPERATION[] =
    "Операция невозможна:\n\nНет знака действия: выражение записывается как «A + B» (знаки +, -, *, /, :)";

// The operation a code point stands for; false for any other.
bool OperationOf(long cp, Operation& operation)
{
    switch (cp) {
    case '+': operation = Operation::ADD; return true;
    case '-': case 0x2212: operation = Operation::SUBTRACT; return true;
    case '*': case 0x00D7: case 0x00B7: operation = Operation::MULTIPLY; return true;
    case '/': case ':': case 0x00F7: operation = Operation::DIVIDE; return true;
    default: return false;
    }
}

// The subscript digit U+2080 to U+2089 that ends text, as a value; -1 for none.
int TrailingSubscript(const std::string& text)
{
    if (text.size() < 3)
        return -1;
    std::size_t length;
    const long cp = DecodeUtf8(text, text.size() - 3, length);
    return length == 3 && cp >= 0x2080 && cp <= 0x2089 ? static_cast<int>(cp - 0x2080) : -1;
}

// Splits an operand's base off its digits: 1011(2), 1011_2 or 1011₂. False
// when the digits name no base.
bool SplitBase(std::string& digits, std::string& base)
{
    base.clear();
    const std::size_t open = digits.rfind('(');
    if (!digits.empty() && digits.back() == ')' && open != std::string::npos) {
        base = digits.substr(open + 1, digits.size() - open - 2);
        digits.erase(open);
        return true;
    }
    const std::size_t mark = digits.rfind('_');
    if (mark != std::string::npos) {
        base = digits.substr(mark + 1);
        digits.erase(mark);
        return true;
    }
    for (int digit; (digit = TrailingSubscript(digits)) >= 0; digits.erase(digits.size() - 3))
        base.insert(base.begin(), static_cast<char>('0' + digit));
    return !base.empty();
}

// One operand: its sign and digits cleaned, and its system; false with the
// fault when the base it names is no base.
bool ReadOperand(std::string text, int which, int defaultSystem, std::string& number, int& system, std::string& fault)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    std::string base;
    system = SplitBase(text, base) ? SystemOfName(base) : defaultSystem;
    if (!IsBase(system)) {
        fault = ERR_WRONGDATA + "\n\n" + OperandName(which) + ": основание системы счисления «" + Utf8ToAscii(base, '?')
            + "» — не число от 2 до 16.";
        return false;
    }
    number = CleanNumber((negative ? "-" : "") + text);
    return true;
}

}  // namespace

bool ReadExpression(const std::string& typed, int defaultSystem, ArithmeticRequest& request, std::string& fault)
{
    const std::string text = RemoveSpaces(typed);
    // The operation: the first operator after A's optional sign.
    std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0, length = 1;
    bool found = false;
    for (; at < text.size(); at += length) {
        const long cp = DecodeUtf8(text, at, length);
        if (OperationOf(cp, request.operation)) {
            found = true;
            break;
        }
    }
    if (!found) {
        fault = NO_OPERATION;
        return false;
    }
    return ReadOperand(text.substr(0, at), 1, defaultSystem, request.first, request.firstSystem, fault)
        && ReadOperand(text.substr(at + length), 2, defaultSystem, request.second, request.secondSystem, fault);
}

RequestReport RunArithmetic(const std::string& typed, const CliOptions& options)
{
    RequestReport report;
    if (options.json)
        report.input = typed;
    report.target = options.target;
    report.withSteps = options.steps;
    ArithmeticRequest request;
    request.target = options.target;
    request.precision = Utf8ToAscii(options.precision, '?');
    std::string fault;
    if (!ReadExpression(typed, options.source, request, fault)) {
        report.message = fault;
        return report;
    }
    const ArithmeticOutcome outcome = Calculate(request);
    report.converted = outcome.kind == ArithmeticOutcome::RESULT;
    if (!report.converted) {
        report.message = outcome.message;
        return report;
    }
    report.result = outcome.result;
    report.solved = true;
    report.exact = outcome.exact;
    report.exactWritten = outcome.exactWritten;
    report.exactValue = outcome.exactValue;
    report.wholeDivision = outcome.wholeDivision;
    if (outcome.wholeDivision) {
        report.quotient = WholeText(outcome, outcome.quotient);
        report.remainder = WholeText(outcome, outcome.remainder);
    }
    if (options.json)
        report.decimal = DecimalText(outcome);
    if (options.steps)
        report.steps = SolveArithmetic(request, outcome).text;
    return report;
}
