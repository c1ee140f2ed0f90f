// The arithmetic command against exact rational arithmetic done by GMP:
// random operands of every pair of systems, with signs and fractions, every
// operation and target; the result, its exactness and exact value, the
// decimal value, and the quotient and remainder of whole numbers.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "arithmetic.h"
#include "gmp_rational.h"
#include "test_digits.h"
#include "texts.h"

namespace {

using gmporacle::Q;

std::string RandomNumber(std::mt19937_64& rng, int base)
{
    std::string text = rng() % 3 == 0 ? "-" : "";
    text += testdigits::RandomDigits(rng, 1 + rng() % 7, base);
    if (rng() % 2)
        text += (rng() % 4 ? "." : ",") + testdigits::RandomDigits(rng, 1 + rng() % 6, base);
    return text;
}

// The signed text of the oracle's expansion, cut or exact.
std::string Signed(bool negative, const std::string& whole, const std::string& fraction)
{
    return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

const Operation OPERATIONS[] = {Operation::ADD, Operation::SUBTRACT, Operation::MULTIPLY, Operation::DIVIDE};

// a op b by GMP; b not zero for a division.
Q Exactly(const Q& a, Operation operation, const Q& b)
{
    Q value;
    switch (operation) {
    case Operation::ADD: mpq_add(value.value, a.value, b.value); break;
    case Operation::SUBTRACT: mpq_sub(value.value, a.value, b.value); break;
    case Operation::MULTIPLY: mpq_mul(value.value, a.value, b.value); break;
    case Operation::DIVIDE: mpq_div(value.value, a.value, b.value); break;
    }
    return value;
}

TEST(ArithmeticOracle, RandomRequests)
{
    std::mt19937_64 rng(41);
    for (int round = 0; round < 2500; ++round) {
        ArithmeticRequest request;
        request.firstSystem = 2 + static_cast<int>(rng() % 15);
        request.secondSystem = 2 + static_cast<int>(rng() % 15);
        request.target = 2 + static_cast<int>(rng() % 15);
        request.operation = OPERATIONS[rng() % 4];
        request.first = RandomNumber(rng, request.firstSystem);
        request.second = round % 50 == 0 ? "0" : RandomNumber(rng, request.secondSystem);
        const int precision = 1 + static_cast<int>(rng() % 12);
        request.precision = std::to_string(precision);
        SCOPED_TRACE(request.first + " (" + std::to_string(request.firstSystem) + ") "
                     + OperationSign(request.operation) + " " + request.second + " ("
                     + std::to_string(request.secondSystem) + ") -> " + std::to_string(request.target) + ", precision "
                     + request.precision);
        const ArithmeticOutcome o = Calculate(request);

        const Q a = gmporacle::Read(request.first, request.firstSystem);
        const Q b = gmporacle::Read(request.second, request.secondSystem);
        if (request.operation == Operation::DIVIDE && mpq_sgn(b.value) == 0) {
            ASSERT_EQ(o.kind, ArithmeticOutcome::MESSAGE);
            ASSERT_EQ(o.message, ERR_DIVZERO);
            continue;
        }
        const Q value = Exactly(a, request.operation, b);
        const bool negative = mpq_sgn(value.value) < 0;
        const gmporacle::Expansion e = gmporacle::Expand(value, request.target, precision, LONGEST_EXACT);
        const gmporacle::Expansion d = gmporacle::Expand(value, 10, precision, LONGEST_EXACT);
        ASSERT_EQ(o.kind, ArithmeticOutcome::RESULT) << o.message;
        ASSERT_EQ(o.result, Signed(negative, e.whole, e.fraction));
        ASSERT_EQ(DecimalText(o), Signed(negative, d.whole, d.fraction));
        ASSERT_EQ(o.exact, e.exact);
        ASSERT_EQ(o.exactWritten, e.written);
        if (e.written) {
            ASSERT_EQ(o.exactValue, Signed(negative, e.whole, e.exactFraction));
        }

        const bool whole = mpz_cmp_ui(mpq_denref(a.value), 1) == 0 && mpz_cmp_ui(mpq_denref(b.value), 1) == 0;
        ASSERT_EQ(o.wholeDivision, whole && request.operation == Operation::DIVIDE);
        if (o.wholeDivision) {
            gmporacle::Z q, r;
            mpz_tdiv_qr(q.value, r.value, mpq_numref(a.value), mpq_numref(b.value));
            auto signedText = [&request](const mpz_t n) {
                gmporacle::Z magnitude;
                mpz_abs(magnitude.value, n);
                return (mpz_sgn(n) < 0 ? "-" : "") + gmporacle::Text(magnitude.value, request.target);
            };
            ASSERT_EQ(WholeText(o, o.quotient), signedText(q.value));
            ASSERT_EQ(WholeText(o, o.remainder), signedText(r.value));
        }
    }
}

// Long operands, where the products and divisions go by the fast methods:
// hundreds of digits, every operation, against the same oracle.
TEST(ArithmeticOracle, LongOperands)
{
    std::mt19937_64 rng(42);
    for (int round = 0; round < 60; ++round) {
        ArithmeticRequest request;
        request.firstSystem = 2 + static_cast<int>(rng() % 15);
        request.secondSystem = 2 + static_cast<int>(rng() % 15);
        request.target = 2 + static_cast<int>(rng() % 15);
        request.operation = OPERATIONS[round % 4];
        request.first = testdigits::RandomDigits(rng, 1 + rng() % 3000, request.firstSystem) + "."
            + testdigits::RandomDigits(rng, 1 + rng() % 3000, request.firstSystem);
        request.second = testdigits::RandomDigits(rng, 1 + rng() % 3000, request.secondSystem);
        request.precision = "1000";
        SCOPED_TRACE(std::to_string(request.first.size()) + " digits (" + std::to_string(request.firstSystem) + ") "
                     + OperationSign(request.operation) + " " + std::to_string(request.second.size()) + " digits ("
                     + std::to_string(request.secondSystem) + ") -> " + std::to_string(request.target));
        const ArithmeticOutcome o = Calculate(request);
        const Q a = gmporacle::Read(request.first, request.firstSystem);
        const Q b = gmporacle::Read(request.second, request.secondSystem);
        if (mpq_sgn(b.value) == 0)
            continue;
        const Q value = Exactly(a, request.operation, b);
        // Long periods are beyond the oracle's reach here: the cut digits only.
        const gmporacle::Expansion e = gmporacle::Expand(value, request.target, 1000, 0);
        ASSERT_EQ(o.result, Signed(mpq_sgn(value.value) < 0, e.whole, e.fraction));
        ASSERT_EQ(o.exact, e.exact);
    }
}

}  // namespace
