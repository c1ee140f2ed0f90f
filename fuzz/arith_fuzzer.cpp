// kalvorix-cli --arith's expression reader, the arithmetic command and its
// worked solution: the systems and the precision field come from the input,
// then the expression as typed. Whatever is typed, the request ends in a
// result or one of the program's messages; a result is a number of the
// target system that agrees with its exact value, a whole division adds up,
// and the solution answers with the result.
#include <cstddef>
#include <cstdint>
#include <string>

#include "arith.h"
#include "arithsteps.h"
#include "input.h"
#include "roman.h"
#include "systems.h"
#include "texts.h"
#include "validate.h"

namespace {

bool IsProgramMessage(const std::string& text)
{
    for (const std::string* known : {&ERR_WRONGDATA, &ERR_OUTOFRANGE, &ERR_MINROMAN, &ERR_WRONGT, &ERR_DIVZERO,
                                     &ERR_NOGT})
        if (text.compare(0, known->size(), *known) == 0)
            return true;
    return text.compare(0, 20, "Операция невозможна:") == 0;
}

std::string WithoutSign(const std::string& text)
{
    return !text.empty() && text[0] == '-' ? text.substr(1) : text;
}

bool IsNumberOf(const std::string& text, int system)
{
    const std::string digits = WithoutSign(text);
    return CheckValid(digits.data(), static_cast<int>(digits.size()), system);
}

// The exact value's first `precision` digits after the point, the period
// repeated as often as needed, as the result writes them.
std::string CutOfExact(const std::string& exact, int precision)
{
    const size_t point = exact.find('.');
    if (point == std::string::npos)
        return exact;
    std::string digits = exact.substr(point + 1), written;
    const size_t open = digits.find('(');
    const std::string period = open == std::string::npos ? std::string() : digits.substr(open + 1, digits.size() - open - 2);
    written = digits.substr(0, open);
    while (!period.empty() && written.size() < static_cast<size_t>(precision))
        written += period;
    written = written.substr(0, static_cast<size_t>(precision));
    written.erase(written.find_last_not_of('0') + 1);
    return exact.substr(0, point) + (written.empty() ? "" : "." + written);
}

// a = q b + r for the whole division's parts, read back in the target.
void CheckWholeDivision(const ArithmeticRequest& request, const ArithmeticOutcome& o)
{
    if (!o.wholeDivision || request.target == ROMAN)
        return;
    auto read = [&request](const std::string& text) {
        const bool negative = !text.empty() && text[0] == '-';
        return RationalOf(negative, WithoutSign(text), std::string(), request.target);
    };
    const Rational q = read(WholeText(o, o.quotient)), r = read(WholeText(o, o.remainder));
    const Rational back = Sum(Product(q, o.secondValue), r);
    FUZZ_CHECK(back.negative == o.firstValue.negative || IsZero(back));
    FUZZ_CHECK(Difference(back, o.firstValue).numerator.empty());
    FUZZ_CHECK(IsZero(r) || r.negative == o.firstValue.negative);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int source = SystemOfByte(input.Byte());
    const int target = SystemOfByte(input.Byte());
    const std::string precision = input.Text('\n');
    const std::string typed = input.Rest();

    ArithmeticRequest request;
    request.target = target;
    request.precision = precision;
    std::string fault;
    if (!ReadExpression(typed, source >= NSmin && source <= NSmax ? source : 10, request, fault)) {
        FUZZ_CHECK(IsProgramMessage(fault));
        return 0;
    }
    const ArithmeticOutcome o = Calculate(request);
    const Solution solution = SolveArithmetic(request, o);
    FUZZ_CHECK(!solution.text.empty() && solution.text.back() == '\n');
    FUZZ_CHECK(solution.solved == (o.kind == ArithmeticOutcome::RESULT));
    if (!IsSystem(target)) {
        FUZZ_CHECK(o.kind == ArithmeticOutcome::NOTHING);
        return 0;
    }
    FUZZ_CHECK(o.kind != ArithmeticOutcome::NOTHING);
    if (o.kind == ArithmeticOutcome::MESSAGE) {
        FUZZ_CHECK(IsProgramMessage(o.message));
        return 0;
    }
    if (target == ROMAN) {
        FUZZ_CHECK(o.result.empty() || (IsNumberOf(o.result, ROMAN) && RomanToArab(o.result.c_str()) <= ROMAN_MAX));
    } else {
        FUZZ_CHECK(IsNumberOf(o.result, target));
        if (o.exactWritten)
            FUZZ_CHECK(CutOfExact(o.exactValue, o.precision) == o.result);
        FUZZ_CHECK(!o.exact || (o.exactWritten && o.exactValue == o.result));
    }
    CheckWholeDivision(request, o);
    FUZZ_CHECK(solution.text.find("Ответ: ") != std::string::npos);
    return 0;
}
