// The core's heaviest requests: whole numbers of up to a million digits and
// fractions at the precision 1000 (the series that bench/peers.py sets beside
// its peers), the products of words by each method around their switches,
// arithmetic at the precision 1000; then whole conversion requests of 32,767
// characters (the window's longest), each of which also writes its number in
// decimal for the memory, and their worked solutions.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "arithmetic.h"
#include "arithsteps.h"
#include "bdouble.h"
#include "convert.h"
#include "converter.h"
#include "fraction.h"
#include "ntt.h"
#include "solution.h"
#include "words.h"

namespace {

constexpr int MAX_INPUT = 32767;

std::string RandomText(size_t length, int base, unsigned seed)
{
    static const char alphabet[] = "0123456789ABCDEF";
    std::mt19937 rng(seed);
    std::string text(length, '0');
    for (char& ch : text)
        ch = alphabet[rng() % base];
    text[0] = alphabet[1 + rng() % (base - 1)];
    return text;
}

// A whole number of state.range(0) digits, read in base from and written in to.
void WholeNumber(benchmark::State& state, int from, int to)
{
    const std::string text = RandomText(static_cast<size_t>(state.range(0)), from, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter(text, from).Convert(to));
}

// A fraction of 1000 digits of base from, cut to 1000 digits of base to.
void Fraction(benchmark::State& state, int from, int to)
{
    const std::string digits = RandomText(1000, from, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertFraction(digits, from, to, 1000));
}

// The three ways to multiply two random numbers of state.range(0) words, in
// binary and in words of nine decimal digits: where each overtakes the one
// before is where words.h switches.
using ProductMethod = void (*)(const uint32_t*, const uint32_t*, size_t, uint32_t*, const words::WordRadix&);

void BySchoolbook(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, const words::WordRadix& radix)
{
    words::Schoolbook(a, n, b, n, r, radix);
}

void ByTransform(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, const words::WordRadix& radix)
{
    ntt::Multiply(a, n, b, n, r, radix);
}

void ByDispatch(const uint32_t* a, const uint32_t* b, size_t n, uint32_t* r, const words::WordRadix& radix)
{
    const words::Words product = words::Multiply(words::Words(a, a + n), words::Words(b, b + n), radix);
    std::copy(product.begin(), product.end(), r);
}

void Product(benchmark::State& state, ProductMethod method, bool binary)
{
    const size_t n = static_cast<size_t>(state.range(0));
    const words::WordRadix radix = binary ? words::WordRadix::Binary() : words::WordRadix(1000000000);
    std::mt19937 rng(9);
    words::Words a(n), b(n), r(2 * n);
    for (size_t i = 0; i < n; ++i) {
        a[i] = static_cast<uint32_t>(rng() % radix.Value());
        b[i] = static_cast<uint32_t>(rng() % radix.Value());
    }
    for (auto _ : state) {
        method(a.data(), b.data(), n, r.data(), radix);
        benchmark::DoNotOptimize(r.data());
    }
}

void BM_DivisionAtPrecision1000(benchmark::State& state)
{
    SetPrec(1000);
    const bdouble a(RandomText(500, 10, 3) + "." + RandomText(1000, 10, 4));
    const bdouble b(RandomText(20, 10, 5) + "." + RandomText(1000, 10, 6));
    for (auto _ : state)
        benchmark::DoNotOptimize(a / b);
    SetPrec(4);
}

void BM_SquareRootAtPrecision1000(benchmark::State& state)
{
    SetPrec(1000);
    const bdouble a(RandomText(500, 10, 7) + "." + RandomText(1000, 10, 8));
    for (auto _ : state)
        benchmark::DoNotOptimize(bsqrt(a));
    SetPrec(4);
}

// One request as the window's conversion button sends it, at precision 1000.
void Request(benchmark::State& state, const std::string& number, int source, int target)
{
    for (auto _ : state) {
        Outcome outcome = ConvertRequest(number, "1000", source, target);
        if (outcome.kind != Outcome::OUTPUT) {
            state.SkipWithError("the request was refused");
            break;
        }
        benchmark::DoNotOptimize(outcome.text);
    }
}

// The worked solution of one request at precision 1000, from what the
// request left: its steps and exactness (the request itself is timed above).
void WorkedSolution(benchmark::State& state, const std::string& number, int source, int target)
{
    ConversionParts parts;
    const Outcome outcome = ConvertRequest(number, "1000", source, target, parts);
    const SolvedCommand command = ConversionCommand(parts, outcome);
    for (auto _ : state) {
        Solution solution = SolveCommand(command);
        if (!solution.solved) {
            state.SkipWithError("the request was refused");
            break;
        }
        benchmark::DoNotOptimize(solution.text);
    }
}

// A fraction of 32,767 characters: "0." and its digits.
std::string LongFraction(int base, unsigned seed)
{
    return "0." + RandomText(MAX_INPUT - 2, base, seed);
}

// A number of 32,767 characters with as many digits before the point as after it.
std::string LongMixed(int base, unsigned seed)
{
    const size_t half = (MAX_INPUT - 1) / 2;
    return RandomText(half, base, seed) + "." + RandomText(half, base, seed + 1);
}

// One arithmetic request at precision 1000 as the "Арифметика" window runs
// it: the value and its result, then with steps the worked solution too.
void Arithmetic(benchmark::State& state, const std::string& a, int baseA, Operation operation, const std::string& b,
                int baseB, int target, bool steps)
{
    ArithmeticRequest request;
    request.first = a;
    request.firstSystem = baseA;
    request.operation = operation;
    request.second = b;
    request.secondSystem = baseB;
    request.target = target;
    request.precision = "1000";
    for (auto _ : state) {
        const ArithmeticOutcome outcome = Calculate(request);
        if (outcome.kind != ArithmeticOutcome::RESULT) {
            state.SkipWithError("the request was refused");
            break;
        }
        if (steps)
            benchmark::DoNotOptimize(SolveArithmetic(request, outcome).text);
        benchmark::DoNotOptimize(outcome.result);
    }
}

// The worst arithmetic requests found: operands of 32,767 characters, whole
// and fractional parts of base 15 (read and written by Horner's rule and
// transforms, into base 11, the slowest target), a division of two such
// hexadecimal numbers (the greatest common divisor that decides whether the
// exact value is written), a divisor of 9,700 digits (the order of the base
// that gives the period), fractions of bases 3 and 16 into decimal (common
// fractions), and a power of 15 divided into (its small primes found).
void ArithmeticCases(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

#define KALVORIX_ARITHMETIC(NAME, A, BASE_A, OPERATION, B, BASE_B, TARGET)                                         \
    BENCHMARK_CAPTURE(Arithmetic, NAME, A, BASE_A, Operation::OPERATION, B, BASE_B, TARGET, false)                  \
        ->Apply(ArithmeticCases);                                                                                   \
    BENCHMARK_CAPTURE(Arithmetic, NAME##WithSteps, A, BASE_A, Operation::OPERATION, B, BASE_B, TARGET, true)        \
        ->Apply(ArithmeticCases)

// The lengths of bench/peers.py: powers of two up to the window's longest
// number, then up to a million digits.
void Lengths(benchmark::internal::Benchmark* b)
{
    for (const int64_t length : {1024, 2048, 4096, 8192, 16384, MAX_INPUT, 100000, 300000, 1000000})
        b->Arg(length);
}

// Named "WholeNumber/FROM/TO/DIGITS" and "Fraction/FROM/TO": peers.py reads them so.
BENCHMARK_CAPTURE(WholeNumber, 10/2, 10, 2)->Apply(Lengths)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeNumber, 10/16, 10, 16)->Apply(Lengths)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeNumber, 16/10, 16, 10)->Apply(Lengths)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeNumber, 7/11, 7, 11)->Apply(Lengths)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fraction, 10/2, 10, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fraction, 3/16, 3, 16)->Unit(benchmark::kMillisecond);
// Around the Karatsuba switch (schoolbook against words.h's choice), then
// around the transforms' (words.h's choice, Karatsuba below 400, against the
// transforms alone), then the growth of the transforms.
BENCHMARK_CAPTURE(Product, Schoolbook/Binary, BySchoolbook, true)->DenseRange(64, 256, 32);
BENCHMARK_CAPTURE(Product, Words/Binary, ByDispatch, true)->DenseRange(64, 256, 32)->DenseRange(384, 1024, 128);
BENCHMARK_CAPTURE(Product, Transform/Binary, ByTransform, true)->DenseRange(256, 1024, 128)->Arg(4096)->Arg(16384);
BENCHMARK_CAPTURE(Product, Schoolbook/Decimal, BySchoolbook, false)->DenseRange(64, 256, 32);
BENCHMARK_CAPTURE(Product, Words/Decimal, ByDispatch, false)->DenseRange(64, 256, 32)->DenseRange(384, 1024, 128);
BENCHMARK_CAPTURE(Product, Transform/Decimal, ByTransform, false)->DenseRange(256, 1024, 128)->Arg(4096)->Arg(16384);
BENCHMARK(BM_DivisionAtPrecision1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquareRootAtPrecision1000)->Unit(benchmark::kMillisecond);

// Whole numbers: base 16 holds the largest value, base 3 has the most digits,
// and base 11 proved the slowest target of all (15 x 14 directions tried);
// base 15 is also read by Horner's rule, where base 16 is read bit by bit.
BENCHMARK_CAPTURE(Request, Hex32767ToBase3, RandomText(MAX_INPUT, 16, 11), 16, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, Hex32767ToBase10, RandomText(MAX_INPUT, 16, 12), 16, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, Hex32767ToBase11, RandomText(MAX_INPUT, 16, 13), 16, 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, Base15_32767ToBase11, RandomText(MAX_INPUT, 15, 14), 15, 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, Binary32767ToBase10, RandomText(MAX_INPUT, 2, 15), 2, 10)->Unit(benchmark::kMillisecond);
// Fractions cut at 1000 digits; base 16 to 15 is the slowest fraction found.
BENCHMARK_CAPTURE(Request, Base3Fraction32767ToBase16, LongFraction(3, 16), 3, 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, HexFraction32767ToBase15, LongFraction(16, 17), 16, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Request, Base15Mixed32767ToBase11, LongMixed(15, 18), 15, 11)->Unit(benchmark::kMillisecond);

// Worked solutions of the largest requests, which must take under 100 ms:
// whole numbers through the expansion and the division table (each a power
// of its base as big as the number), fractions through the multiplication
// table or, into base 10, their decimal value, and the grouping.
BENCHMARK_CAPTURE(WorkedSolution, Base15_32767ToBase11, RandomText(MAX_INPUT, 15, 14), 15, 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, Hex32767ToBase11, RandomText(MAX_INPUT, 16, 13), 16, 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, Decimal32767ToBase2, RandomText(MAX_INPUT, 10, 20), 10, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, Base15Fraction32767ToBase11, LongFraction(15, 21), 15, 11)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, HexFraction32767ToBase15, LongFraction(16, 17), 16, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, HexFraction32767ToBase10, LongFraction(16, 22), 16, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, HexFraction32767ToBase2, LongFraction(16, 24), 16, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WorkedSolution, Base15Mixed32767ToBase11, LongMixed(15, 18), 15, 11)->Unit(benchmark::kMillisecond);

KALVORIX_ARITHMETIC(Base15MixedTimesBase15MixedToBase11, LongMixed(15, 31), 15, MULTIPLY, LongMixed(15, 33), 15, 11);
KALVORIX_ARITHMETIC(Hex32767TimesBase15FractionToBase11, RandomText(MAX_INPUT, 16, 35), 16, MULTIPLY,
                    LongFraction(15, 36), 15, 11);
KALVORIX_ARITHMETIC(Hex32767ByHex32767ToBase11, RandomText(MAX_INPUT, 16, 37), 16, DIVIDE,
                    RandomText(MAX_INPUT, 16, 38), 16, 11);
KALVORIX_ARITHMETIC(Hex32767ByHex9700ToBase16, RandomText(MAX_INPUT, 16, 37), 16, DIVIDE, RandomText(9700, 16, 39),
                    16, 16);
KALVORIX_ARITHMETIC(Base15MixedByBase15MixedToBase11, LongMixed(15, 31), 15, DIVIDE, LongMixed(15, 33), 15, 11);
KALVORIX_ARITHMETIC(Base15MixedMinusBase7MixedToBase11, LongMixed(15, 31), 15, SUBTRACT, LongMixed(7, 40), 7, 11);
KALVORIX_ARITHMETIC(Base3FractionPlusHexFractionToBase10, LongFraction(3, 41), 3, ADD, LongFraction(16, 42), 16, 10);
KALVORIX_ARITHMETIC(OneByPowerOf15ToBase5, "1", 15, DIVIDE, "1" + std::string(MAX_INPUT - 1, '0'), 15, 5);
