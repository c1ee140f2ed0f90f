// The ends of a number's digits: the tail is the number modulo base^kept,
// the head its quotient by a power of the base that leaves a few more than
// kept digits, found from the bit length; both divisions have short
// quotients or short divisors, so they cost one pass over the number.
#include "digitends.h"

#include <cmath>
#include <iterator>

#include "converter.h"
#include "digitwords.h"
#include "rational.h"
#include "systems.h"

namespace {

// Powers of the base within this many of one another are made one from
// the other.
constexpr uint64_t NEAR_POWER = 64;
// The heads of long numbers are read at exponents that are multiples of
// this: numbers of one solution, a few lengths apart, share one power, and
// the quotient it leaves is still short (measured: of the worst requests'
// solutions, 30% faster than a power for each number).
constexpr uint64_t HEAD_GRID = 512;

}  // namespace

char DigitEnds::At(uint64_t position) const
{
    if (position >= count)
        return '0';
    if (!all.empty())
        return all[all.size() - 1 - static_cast<size_t>(position)];
    if (position < tail.size())
        return tail[tail.size() - 1 - static_cast<size_t>(position)];
    const uint64_t fromTop = count - 1 - position;
    return fromTop < head.size() ? head[static_cast<size_t>(fromTop)] : '0';
}

uint64_t DigitEnds::Above(uint64_t position, int base) const
{
    if (position >= count)  // a shorter number has nothing there
        return 0;
    return words::ValueOfDigits(0, static_cast<size_t>(count - position), static_cast<uint64_t>(base),
                                [this](size_t i) { return DigitValue(At(count - 1 - i), NSmax); });
}

// A power near one already made is that one times a short power: one pass
// over it instead of a chain of squarings.
const naturals::Natural& EndsReader::PowerOf(uint64_t exponent)
{
    auto found = powers_.find(exponent);
    if (found != powers_.end())
        return found->second;
    auto below = powers_.upper_bound(exponent);
    naturals::Natural power;
    if (below != powers_.begin() && exponent - std::prev(below)->first <= NEAR_POWER) {
        --below;
        power = naturals::Multiply(below->second, naturals::Power(static_cast<uint32_t>(base_), exponent - below->first));
    } else {
        power = naturals::Power(static_cast<uint32_t>(base_), exponent);
    }
    return powers_.emplace(exponent, std::move(power)).first->second;
}

DigitEnds EndsReader::Read(const naturals::Natural& x)
{
    DigitEnds ends;
    const double bitsPerDigit = std::log2(static_cast<double>(base_));
    const size_t bits = naturals::BitLength(x);
    // Digits of x: at least (bits - 1) / log2(base) + 1, rounded down with a margin.
    const uint64_t fewest = static_cast<uint64_t>(static_cast<double>(bits > 0 ? bits - 1 : 0) / bitsPerDigit);
    if (fewest <= 2 * ENDS_KEPT + 2) {
        ends.all = BinaryToDigits(x, base_);
        ends.count = ends.all.size();
        ends.head = ends.all.substr(0, ENDS_KEPT);
        ends.tail = ends.all.substr(ends.all.size() - std::min(ends.all.size(), ENDS_KEPT));
        if (ends.count > 2 * ENDS_KEPT)
            ends.all.clear();
        return ends;
    }
    // The head is read from a quotient of a few dozen digits more than it
    // keeps: the power below it is rounded so that numbers of about one
    // length share it.
    naturals::Natural high, low;
    const uint64_t below = (fewest - ENDS_KEPT - 2) / HEAD_GRID * HEAD_GRID;
    naturals::DivMod(x, PowerOf(below), high, low);
    const std::string top = BinaryToDigits(high, base_);
    ends.count = below + top.size();
    ends.head = top.substr(0, ENDS_KEPT);
    naturals::DivMod(x, PowerOf(ENDS_KEPT), high, low);
    ends.tail = DigitsOfWidth(low, base_, ENDS_KEPT);
    return ends;
}
