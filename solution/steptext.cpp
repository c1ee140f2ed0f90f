// Shortening, cutting and naming in the texts of a worked solution.
#include "steptext.h"

#include <algorithm>
#include <utility>

#include "systems.h"
#include "text.h"

namespace {

std::string Padded(const std::string& cell, size_t width, char alignment)
{
    const std::string fill(width - cell.size(), ' ');
    return alignment == 'R' ? fill + cell : cell + fill;
}

}  // namespace

std::string Shortened(const std::string& number)
{
    if (number.size() <= LONG_NUMBER)
        return number;
    return ShortenedEnds(number.substr(0, NUMBER_END), number.substr(number.size() - NUMBER_END), number.size());
}

std::string ShortenedEnds(const std::string& head, const std::string& tail, uint64_t length)
{
    return head.substr(0, NUMBER_END) + "…" + tail.substr(tail.size() - std::min(tail.size(), NUMBER_END)) + " ("
        + CountOf(length, "знак", "знака", "знаков") + ")";
}

std::string CountOf(uint64_t n, const char* one, const char* few, const char* many)
{
    const std::string count = std::to_string(n);
    return count + " " + WordOf(count, one, few, many);
}

std::string DigitCount(uint64_t n)
{
    return CountOf(n, "цифра", "цифры", "цифр");
}

// Russian counts: 1, 21, 31... take "one"; 2-4, 22-24... "few"; the rest,
// 11-14 among them, "many".
const char* WordOf(const std::string& count, const char* one, const char* few, const char* many)
{
    if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos)
        return many;
    const int last = count.back() - '0';
    const int tens = count.size() > 1 ? count[count.size() - 2] - '0' : 0;
    if (tens == 1)
        return many;
    if (last == 1)
        return one;
    return last >= 2 && last <= 4 ? few : many;
}

std::vector<uint64_t> ShownRows(uint64_t total)
{
    std::vector<uint64_t> rows;
    for (uint64_t k = 0; k < total; ++k) {
        if (total > LONG_TABLE && k == TABLE_END)
            k = total - TABLE_END;
        rows.push_back(k);
    }
    return rows;
}

StepTable::StepTable(std::string alignment) : alignment_(std::move(alignment)) {}

void StepTable::Add(std::vector<std::string> cells)
{
    cells.resize(alignment_.size());
    rows_.push_back(std::move(cells));
}

std::vector<std::string> StepTable::Lines(uint64_t total) const
{
    std::vector<size_t> widths(alignment_.size(), 0);
    for (const auto& row : rows_)
        for (size_t k = 0; k < row.size(); ++k)
            widths[k] = std::max(widths[k], row[k].size());
    std::vector<std::string> lines;
    for (size_t r = 0; r < rows_.size(); ++r) {
        if (total > LONG_TABLE && r == TABLE_END)
            lines.push_back("  … пропущено строк: " + std::to_string(total - 2 * TABLE_END) + " …");
        std::string line = "  ";
        for (size_t k = 0; k < rows_[r].size(); ++k)
            line += Padded(rows_[r][k], widths[k], alignment_[k]);
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line);
    }
    return lines;
}

std::string SourceName(int system)
{
    return system == ROMAN ? "римской системы" : NumToStr(system) + "-ной системы";
}

std::string TargetName(int system)
{
    return system == ROMAN ? "римскую систему" : NumToStr(system) + "-ную систему";
}

std::string Mark(int system)
{
    return system == ROMAN ? std::string() : " (" + NumToStr(system) + ")";
}

std::string ValueWithDigit(uint32_t value)
{
    const std::string number = std::to_string(value);
    return value < 10 ? number : number + " (" + std::string(1, DigitChar(value)) + ")";
}

std::string CutLine(int precision)
{
    const std::string p = NumToStr(precision);
    return "Точность " + p + ": цифры после " + p + "-й отбрасываются, без округления: ";
}

std::string WithoutLeadingZeros(const std::string& digits)
{
    const std::string rest = trimleft(digits);
    return rest.empty() ? "0" : rest;
}

std::string WithoutTrailingZeros(const std::string& digits)
{
    return digits.substr(0, digits.find_last_not_of('0') + 1);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void SolutionText::Section(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    if (!text_.empty())
        text_ += "\n";
    text_ += Joined(lines);
}
