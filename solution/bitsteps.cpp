// Columns, sums of powers and chains of the solutions of numbers in memory.
#include "bitsteps.h"

#include "bitnames.h"
#include "bitstring.h"
#include "notation.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

const size_t LONGEST_BITS = 79;  // 64 bits grouped by four
const size_t LONGEST_VALUE = 100;
const size_t MOST_TERMS = 12;  // a sum of more powers is not written out
const size_t VALUE_BITS = 20;  // powers up to 2^19 are written as values

// Grouped bits with the leading zeros as blanks, the last digit kept.
std::string Blanked(const std::string& grouped)
{
    std::string shown = grouped;
    for (size_t k = 0; k + 1 < shown.size() && (shown[k] == '0' || shown[k] == ' '); ++k)
        shown[k] = ' ';
    return shown;
}

}  // namespace

std::vector<std::string> ColumnLines(const std::string& a, const std::string& b, Term shown)
{
    const ColumnSum sum = AddInColumn(a, b);
    const std::string lead = sum.carryOut ? "1 " : "  ";  // the column beyond the register
    std::vector<std::string> lines;
    if (sum.carries.find('1') != std::string::npos || sum.carryOut) {
        std::string carries = GroupedByFour(sum.carries);
        for (char& ch : carries)
            ch = ch == '1' ? '1' : ' ';
        std::string line = "    " + lead + carries;
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line + "   (переносы)");
    }
    const std::string rule(GroupedByFour(a).size() + (sum.carryOut ? 2 : 0), '-');
    lines.push_back("    " + std::string("  ") + GroupedByFour(a));
    lines.push_back("  + " + std::string("  ") + (shown == Term::SHORT ? Blanked(GroupedByFour(b)) : GroupedByFour(b)));
    lines.push_back("    " + std::string(sum.carryOut ? "" : "  ") + rule);
    lines.push_back("    " + (sum.carryOut ? lead : std::string("  ")) + GroupedByFour(sum.sum));
    return lines;
}

std::string PowerSum(const std::string& bits)
{
    std::string sum;
    size_t ones = 0;
    for (size_t k = 0; k < bits.size(); ++k) {
        if (bits[k] != '1')
            continue;
        if (++ones > MOST_TERMS)
            return std::string();
        const size_t power = bits.size() - 1 - k;
        sum += (sum.empty() ? "" : " + ")
            + (bits.size() <= VALUE_BITS ? NumToStr(1UL << power) : TwoTo(static_cast<long long>(power)));
    }
    return ones > 1 ? sum : std::string();
}

std::string ShortBased(const std::string& number, int base)
{
    if (number.size() <= LONG_NUMBER)
        return Based(number, base);
    const std::string shortened = Shortened(number);
    const size_t length = shortened.rfind(" (");
    return Based(shortened.substr(0, length), base) + shortened.substr(length);
}

std::string BitsShown(const std::string& bits)
{
    return bits.size() <= LONGEST_BITS ? bits : Shortened(bits);
}

std::string BitsBased(const std::string& bits)
{
    return bits.size() <= LONGEST_BITS ? Based(bits, 2) : ShortBased(bits, 2);
}

std::string ValueShown(const std::string& value)
{
    return value.size() <= LONGEST_VALUE ? value : Shortened(value);
}

std::string BinaryChain(const std::string& digits, int system, const std::string& decimal, const std::string& binary)
{
    std::string chain;
    if (system != 10 && system != 2)
        chain = ShortBased(digits, system) + " = ";
    if (system != 2)
        chain += ShortBased(decimal, 10) + " = ";
    return chain + ShortBased(binary, 2);
}

std::vector<std::string> CodeBitsLines(const std::string& code, int system, const std::string& bits)
{
    if (system == 2 && code == bits)
        return {};
    std::vector<std::string> lines;
    std::string binary;
    const int group = system == 4 ? 2 : system == 8 ? 3 : system == 16 ? 4 : 0;
    if (group > 0) {
        std::string groups;
        for (char digit : code) {
            const std::string digitBits = BitsOf(static_cast<uint64_t>(DigitValue(digit, system)), group);
            groups += (groups.empty() ? "" : " ") + digitBits;
            binary += digitBits;
        }
        lines.push_back("Каждая цифра " + SystemName(system, Case::GENITIVE) + " — " + BitCount(group) + ": "
                        + ShortBased(code, system) + " = " + BitsBased(groups) + ".");
    } else if (system != 2) {
        binary = BinaryOfWhole(code, system);
        lines.push_back("Код записан в " + SystemName(system, Case::PREPOSITIONAL) + ": "
                        + BinaryChain(code, system, DecimalOfBinary(binary), binary) + ".");
    } else {
        binary = code;
    }
    const std::string width = NumToStr(bits.size());
    if (binary.size() < bits.size())
        lines.push_back("Дополняем нулями слева до " + width + " " + WordOf(width, "разряда", "разрядов", "разрядов") + ": "
                        + BitsShown(GroupedByFour(bits)) + ".");
    else if (binary.size() > bits.size())
        lines.push_back("Лишние нули слева отбрасываем, остаётся " + CountOf(bits.size(), "разряд", "разряда", "разрядов")
                        + ": " + BitsShown(GroupedByFour(bits)) + ".");
    return lines;
}

std::string SolutionText(const std::vector<std::vector<std::string>>& sections)
{
    std::vector<std::string> lines;
    for (const std::vector<std::string>& section : sections) {
        if (section.empty())
            continue;
        if (!lines.empty())
            lines.push_back(std::string());
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return Joined(lines);
}
