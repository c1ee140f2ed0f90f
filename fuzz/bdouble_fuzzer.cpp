// bdouble read from any two texts at any precision up to 63, through every
// operator: nothing may crash or read out of bounds, whatever the text holds.
// Where the texts have the form the program writes, the results must also
// agree with one another (exact sums, ordered comparisons).
#include <cstddef>
#include <cstdint>
#include <string>

#include "bdouble.h"
#include "input.h"

namespace {

// "[-]digits[.digits]" with at least one digit, as the program's texts are.
bool IsWellFormed(const std::string& text)
{
    std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.', at);
    const std::string whole = text.substr(at, point == std::string::npos ? std::string::npos : point - at);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    const auto allDigits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    return !whole.empty() && allDigits(whole) && allDigits(fraction);
}

// Equal values: zeros of either sign are equal, and a text's leading zeros
// (kept until an operation) do not count; adding zero drops them.
bool SameValue(const bdouble& x, const bdouble& y)
{
    if (zcmp(x) && zcmp(y))
        return true;
    const bdouble zero("0");
    return cmp(x + zero, y + zero) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    SetPrec(input.Byte() % 64);
    const std::string first = input.Text('\n');
    const std::string second = input.Rest();

    bdouble a(first);
    bdouble b(second);
    a.normal();
    b.normal();
    (void)a.print();
    (void)b.print();
    const bdouble sum = a + b;
    const bdouble difference = a - b;
    const bdouble product = a * b;
    const bdouble quotient = a / b;
    const int divisionError = bdGetLastError();
    (void)(product.print() + quotient.print() + bsqrt(a).print() + bsqrt(b).print() + (-a).print());

    if (IsWellFormed(first) && IsWellFormed(second)) {
        FUZZ_CHECK(SameValue(sum - b, a));
        FUZZ_CHECK(SameValue(difference + b, a));
        FUZZ_CHECK(SameValue(sum, b + a));
        FUZZ_CHECK(cmp(a, b) == -cmp(b, a));
        FUZZ_CHECK(divisionError == (zcmp(b) ? 1 : 0));
    }
    return 0;
}
