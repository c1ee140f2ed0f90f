// Digits to bits and bits to digits: the whole part grouped from the point to
// the left, the fraction from the point to the right, each padded with zeros
// where a group falls short.
#include "groupsteps.h"

#include <algorithm>
#include <functional>

#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

// log2 of a base that is a power of two, else 0.
int BitsOf(int base)
{
    int bits = 1;
    while (bits < 4 && (1 << bits) < base)
        ++bits;
    return (1 << bits) == base ? bits : 0;
}

std::string BitsOfDigit(char digit, int base)
{
    const int bits = BitsOf(base);
    const uint32_t value = static_cast<uint32_t>(std::max(DigitValue(digit, base), 0));
    std::string text(static_cast<size_t>(bits), '0');
    for (int k = 0; k < bits; ++k)
        text[static_cast<size_t>(bits - 1 - k)] = static_cast<char>('0' + ((value >> k) & 1));
    return text;
}

std::string BitsOfDigits(const std::string& digits, int base)
{
    std::string bits;
    for (char digit : digits)
        bits += BitsOfDigit(digit, base);
    return bits;
}

// Bits padded with zeros to whole groups: in front for a whole part, behind
// for a fraction.
std::string Padded(const std::string& bits, int group, bool whole)
{
    const size_t size = static_cast<size_t>(group);
    const std::string zeros((size - bits.size() % size) % size, '0');
    return whole ? zeros + bits : bits + zeros;
}

char DigitOfGroup(const std::string& bits, size_t at, int group)
{
    uint32_t value = 0;
    for (size_t k = at; k < at + static_cast<size_t>(group); ++k)
        value = value * 2 + static_cast<uint32_t>(bits[k] - '0');
    return DigitChar(value);
}

std::string DigitsOfBits(const std::string& padded, int group)
{
    std::string digits;
    for (size_t at = 0; at < padded.size(); at += static_cast<size_t>(group))
        digits += DigitOfGroup(padded, at, group);
    return digits;
}

// A table of count rows "left — right" titled by label; only the rows shown
// are asked for.
void AddTable(std::vector<std::string>& lines, const std::string& label, uint64_t count,
              const std::function<std::pair<std::string, std::string>(uint64_t)>& row)
{
    if (count == 0)
        return;
    lines.push_back(label);
    StepTable table("LL");
    for (uint64_t k : ShownRows(count)) {
        const auto cells = row(k);
        table.Add({cells.first, " — " + cells.second});
    }
    for (const std::string& line : table.Lines(count))
        lines.push_back(line);
}

std::string WithPoint(const std::string& whole, const std::string& fraction)
{
    return fraction.empty() ? whole : whole + "." + fraction;
}

}  // namespace

bool GroupingApplies(int from, int to)
{
    return from != to && BitsOf(from) != 0 && BitsOf(to) != 0;
}

Grouped GroupDigits(const std::string& whole, const std::string& fraction, int from, int to)
{
    const int group = BitsOf(to);
    const std::string wholeBits = WithoutLeadingZeros(BitsOfDigits(whole, from));
    const std::string fractionBits = WithoutTrailingZeros(BitsOfDigits(fraction, from));
    return {WithoutLeadingZeros(DigitsOfBits(Padded(wholeBits, group, true), group)),
            WithoutTrailingZeros(DigitsOfBits(Padded(fractionBits, group, false), group))};
}

std::vector<std::string> GroupingLines(const std::string& whole, const std::string& fraction, int from, int to,
                                       int precision)
{
    const int fromBits = BitsOf(from), toBits = BitsOf(to);
    std::vector<std::string> lines = {"Основания " + NumToStr(from) + " и " + NumToStr(to)
                                      + " — степени двойки: число переводится группами двоичных цифр."};
    std::string wholeBits = whole, fractionBits = fraction;
    if (from != 2) {
        lines.push_back(NumToStr(from) + " = 2^" + NumToStr(fromBits) + ", поэтому каждая " + NumToStr(from)
                        + "-ная цифра — группа из " + NumToStr(fromBits) + " двоичных цифр:");
        AddTable(lines, "Целая часть:", whole == "0" ? 0 : whole.size(),
                 [&](uint64_t k) { return std::make_pair(whole.substr(k, 1), BitsOfDigit(whole[k], from)); });
        AddTable(lines, "Дробная часть:", fraction.size(),
                 [&](uint64_t k) { return std::make_pair(fraction.substr(k, 1), BitsOfDigit(fraction[k], from)); });
        wholeBits = WithoutLeadingZeros(BitsOfDigits(whole, from));
        fractionBits = WithoutTrailingZeros(BitsOfDigits(fraction, from));
        lines.push_back("Двоичная запись (без нулей в начале и в конце): " + Shortened(WithPoint(wholeBits, fractionBits)));
    }
    Grouped grouped = {wholeBits, fractionBits};
    if (to != 2) {
        const std::string wholePadded = Padded(wholeBits, toBits, true);
        const std::string fractionPadded = Padded(fractionBits, toBits, false);
        const size_t size = static_cast<size_t>(toBits);
        lines.push_back("Двоичные цифры делим на группы по " + NumToStr(toBits)
                        + " от точки: целую часть — справа налево, дробную — слева");
        lines.push_back("направо; недостающие места заполняем нулями. " + NumToStr(to) + " = 2^" + NumToStr(toBits)
                        + ", поэтому каждая группа — одна " + NumToStr(to) + "-ная цифра:");
        AddTable(lines, "Целая часть:", wholeBits == "0" ? 0 : wholePadded.size() / size, [&](uint64_t k) {
            return std::make_pair(wholePadded.substr(k * size, size),
                                  std::string(1, DigitOfGroup(wholePadded, k * size, toBits)));
        });
        AddTable(lines, "Дробная часть:", fractionPadded.size() / size, [&](uint64_t k) {
            return std::make_pair(fractionPadded.substr(k * size, size),
                                  std::string(1, DigitOfGroup(fractionPadded, k * size, toBits)));
        });
        grouped = GroupDigits(whole, fraction, from, to);
        lines.push_back("Получено: " + Shortened(WithPoint(grouped.whole, grouped.fraction)));
    }
    if (grouped.fraction.size() > static_cast<size_t>(precision)) {
        const std::string kept = WithoutTrailingZeros(grouped.fraction.substr(0, static_cast<size_t>(precision)));
        lines.push_back(CutLine(precision) + Shortened(WithPoint(grouped.whole, kept)));
    }
    return lines;
}
