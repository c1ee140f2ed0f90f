// The core's heaviest requests at the sizes the window allows: a 32,767-digit
// whole number, and fractions and arithmetic at the precision 1000.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bdouble.h"
#include "converter.h"
#include "fraction.h"

namespace {

constexpr size_t MAX_INPUT = 32767;

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

void WholeNumber(benchmark::State& state, int from, int to)
{
    const std::string text = RandomText(MAX_INPUT, from, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Converter(text, from).Convert(to));
}

void BM_Decimal32767ToBase2(benchmark::State& state) { WholeNumber(state, 10, 2); }
void BM_Decimal32767ToBase16(benchmark::State& state) { WholeNumber(state, 10, 16); }
void BM_Hex32767ToBase10(benchmark::State& state) { WholeNumber(state, 16, 10); }

void BM_Base3FractionToHexAtPrecision1000(benchmark::State& state)
{
    SetPrec(1000);
    const std::string fraction = "0." + RandomText(1000, 3, 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(bfConvertFromDec(bfConvertToDec(fraction, 3), 16, 1000));
    SetPrec(4);
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

}  // namespace

BENCHMARK(BM_Decimal32767ToBase2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decimal32767ToBase16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hex32767ToBase10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base3FractionToHexAtPrecision1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DivisionAtPrecision1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SquareRootAtPrecision1000)->Unit(benchmark::kMillisecond);
