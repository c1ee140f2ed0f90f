// Columns, sums of powers and chains of the solutions of numbers in memory.
#include "bitsteps.h"

#include "bitnames.h"
#include "bitstring.h"
#include "notation.h"
#include "steptext.h"
#include "systems.h"
#include "text.h"

namespace {

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
            + (bits.size() <= VALUE_BITS ? NumToStr(1UL << power) : PowerText(2, static_cast<long long>(power)));
    }
    return ones > 1 ? sum : std::string();
}

std::string BinaryChain(const std::string& digits, int system, const std::string& decimal, const std::string& binary)
{
    std::string chain;
    if (system != 10 && system != 2)
        chain = Stated(digits, system) + " = ";
    if (system != 2)
        chain += Stated(decimal, 10) + " = ";
    return chain + Stated(binary, 2);
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
        lines.push_back("Каждая цифра " + SystemName(system, Case::GENITIVE) + " — " + BitCount(group) + ":");
        lines.push_back("  " + Stated(code, system) + " = " + Stated(groups, 2));
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
                        + Shortened(GroupedByFour(bits), LONG_ANSWER) + ".");
    else if (binary.size() > bits.size())
        lines.push_back("Лишние нули слева отбрасываем, остаётся " + CountOf(bits.size(), "разряд", "разряда", "разрядов")
                        + ": " + Shortened(GroupedByFour(bits), LONG_ANSWER) + ".");
    return lines;
}

