// Digits to bits and bits to digits: the whole part grouped from the point to
// the left, the fraction from the point to the right, each padded with zeros
// where a group falls short.
#include "groupsteps.h"

#include <algorithm>
#include <functional>

#include "notation.h"
#include "steptext.h"
#include "systems.h"

namespace {

// How a textbook names the groups of two, three and four bits.
struct GroupWords {
    const char* replacedBy;  // each digit is replaced by ...
    const char* splitInto;   // the bits are split into ...
    const char* each;        // each ... is replaced by a digit
};
const GroupWords WORDS[5] = {
    {"", "", ""},
    {"", "", ""},
    {"парой двоичных цифр", "пары — группы по две цифры", "пару"},
    {"триадой — тремя двоичными цифрами", "триады — группы по три цифры", "триаду"},
    {"тетрадой — четырьмя двоичными цифрами", "тетрады — группы по четыре цифры", "тетраду"},
};

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

uint32_t ValueOfGroup(const std::string& bits, size_t at, int group)
{
    uint32_t value = 0;
    for (size_t k = at; k < at + static_cast<size_t>(group); ++k)
        value = value * 2 + static_cast<uint32_t>(bits[k] - '0');
    return value;
}

std::string DigitsOfBits(const std::string& padded, int group)
{
    std::string digits;
    for (size_t at = 0; at < padded.size(); at += static_cast<size_t>(group))
        digits += DigitChar(static_cast<int>(ValueOfGroup(padded, at, group)));
    return digits;
}

std::string WithPoint(const std::string& whole, const std::string& fraction)
{
    return fraction.empty() ? whole : whole + "." + fraction;
}

// Padded groups apart: "011 111.101".
std::string Spaced(const std::string& wholeBits, const std::string& fractionBits, int group)
{
    const auto apart = [group](const std::string& padded) {
        std::string text;
        text.reserve(padded.size() + padded.size() / static_cast<size_t>(group));
        for (size_t at = 0; at < padded.size(); at += static_cast<size_t>(group)) {
            if (at != 0)
                text += ' ';
            text.append(padded, at, static_cast<size_t>(group));
        }
        return text;
    };
    const std::string whole = wholeBits == "0" ? "0" : apart(Padded(wholeBits, group, true));
    return fractionBits.empty() ? whole : whole + "." + apart(Padded(fractionBits, group, false));
}

// A table of count rows "left — right", under label when there is one; only
// the rows shown are asked for.
void AddTable(std::vector<std::string>& lines, const char* label, uint64_t count,
              const std::function<std::pair<std::string, std::string>(uint64_t)>& row)
{
    if (count == 0)
        return;
    if (*label != '\0')
        lines.push_back(label);
    StepTable table("RL");
    for (uint64_t k : ShownRows(count)) {
        const auto cells = row(k);
        table.Add({cells.first, " — " + cells.second});
    }
    for (const std::string& line : table.Lines(count))
        lines.push_back(line);
}

std::string Title(bool route, int step)
{
    return route ? "Шаг " + std::to_string(step) + ". " : std::string();
}

// Digits of base from, each replaced by its group of bits.
std::vector<std::string> ToBits(const std::string& whole, const std::string& fraction, int from, bool route,
                                std::string& wholeBits, std::string& fractionBits)
{
    const int group = BitsOf(from);
    std::vector<std::string> lines = {Title(route, 1) + "Каждую " + SystemAdjective(from, Case::ACCUSATIVE)
                                      + " цифру заменяем " + WORDS[group].replacedBy + ":"};
    const bool both = whole != "0" && !fraction.empty();
    const auto digitRow = [from](char digit) {
        return std::make_pair(DigitWithValue(static_cast<uint32_t>(DigitValue(digit, from))), BitsOfDigit(digit, from));
    };
    AddTable(lines, both ? "Целая часть:" : "", whole == "0" ? 0 : whole.size(),
             [&](uint64_t k) { return digitRow(whole[k]); });
    AddTable(lines, both ? "Дробная часть:" : "", fraction.size(), [&](uint64_t k) { return digitRow(fraction[k]); });
    const std::string allWhole = whole == "0" ? "0" : BitsOfDigits(whole, from);
    const std::string allFraction = BitsOfDigits(fraction, from);
    wholeBits = WithoutLeadingZeros(allWhole);
    fractionBits = WithoutTrailingZeros(allFraction);
    const std::string padded = Spaced(allWhole, allFraction, group);
    const std::string bits = WithPoint(wholeBits, fractionBits);
    std::string end = Stated(WithPoint(whole, fraction), from) + " = " + Stated(padded, 2);
    if (wholeBits.size() != allWhole.size() || fractionBits.size() != allFraction.size())
        end += " = " + Stated(bits, 2) + ". " + ZEROS_NOT_WRITTEN + ".";
    else
        end += ".";
    lines.push_back(end);
    return lines;
}

// Bits split into groups from the point, each replaced by a digit of base to.
std::vector<std::string> FromBits(const std::string& wholeBits, const std::string& fractionBits, int to, bool route)
{
    const int group = BitsOf(to);
    const size_t size = static_cast<size_t>(group);
    std::vector<std::string> lines = {
        Title(route, 2) + "Двоичные цифры разбиваем на " + WORDS[group].splitInto + " — от точки:",
        "целую часть справа налево, дробную слева направо; недостающие цифры дополняем нулями.",
        std::string("Каждую ") + WORDS[group].each + " заменяем " + SystemAdjective(to, Case::INSTRUMENTAL) + " цифрой:"};
    const std::string wholePadded = Padded(wholeBits, group, true);
    const std::string fractionPadded = Padded(fractionBits, group, false);
    const bool both = wholeBits != "0" && !fractionBits.empty();
    const auto groupRow = [size, group](const std::string& padded, uint64_t k) {
        return std::make_pair(padded.substr(k * size, size), DigitWithValue(ValueOfGroup(padded, k * size, group)));
    };
    AddTable(lines, both ? "Целая часть:" : "", wholeBits == "0" ? 0 : wholePadded.size() / size,
             [&](uint64_t k) { return groupRow(wholePadded, k); });
    AddTable(lines, both ? "Дробная часть:" : "", fractionPadded.size() / size,
             [&](uint64_t k) { return groupRow(fractionPadded, k); });
    const Grouped grouped = GroupDigits(wholeBits, fractionBits, 2, to);
    lines.push_back(Stated(WithPoint(wholeBits, fractionBits), 2) + " = " + Stated(Spaced(wholeBits, fractionBits, group), 2)
                    + " = " + Stated(WithPoint(grouped.whole, grouped.fraction), to) + ".");
    return lines;
}

std::string PowerOfTwo(int base)
{
    return std::to_string(base) + " = " + PowerText(2, BitsOf(base));
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

std::vector<std::vector<std::string>> GroupingSections(const std::string& whole, const std::string& fraction, int from,
                                                       int to)
{
    const bool route = from != 2 && to != 2;
    std::vector<std::vector<std::string>> sections;
    if (route)
        sections.push_back({"Основания " + PowerOfTwo(from) + " и " + PowerOfTwo(to) + " — степени двойки.",
                            "Поэтому переводим через двоичную систему: сначала в двоичную (шаг 1),",
                            "затем из двоичной в " + SystemAdjective(to, Case::ACCUSATIVE) + " (шаг 2)."});
    else
        sections.push_back({"Основание " + PowerOfTwo(from == 2 ? to : from)
                            + " — степень двойки, поэтому переводим группами двоичных цифр."});
    std::string wholeBits = whole, fractionBits = fraction;
    if (from != 2)
        sections.push_back(ToBits(whole, fraction, from, route, wholeBits, fractionBits));
    if (to != 2)
        sections.push_back(FromBits(wholeBits, fractionBits, to, route));
    return sections;
}

std::string GroupingBack(const std::string& whole, const std::string& fraction, int from, int to)
{
    std::string text = Stated(WithPoint(whole, fraction), from);
    const std::string wholeBits = WithoutLeadingZeros(BitsOfDigits(whole, from));
    const std::string fractionBits = WithoutTrailingZeros(BitsOfDigits(fraction, from));
    if (from != 2)
        text += " = " + Stated(Spaced(whole == "0" ? "0" : BitsOfDigits(whole, from), BitsOfDigits(fraction, from), BitsOf(from)), 2);
    if (to != 2)
        text += " = " + Stated(Spaced(wholeBits, fractionBits, BitsOf(to)), 2);
    const Grouped back = GroupDigits(whole, fraction, from, to);
    return text + " = " + Stated(WithPoint(back.whole, back.fraction), to);
}
