// Tables, chains and sections of the texts of a worked solution.
#include "steptext.h"

#include <algorithm>
#include <utility>

#include "text.h"

const char ZEROS_NOT_WRITTEN[] = "Нули в начале целой части и в конце дробной части не пишем";

namespace {

std::string Padded(const std::string& cell, size_t width, char alignment)
{
    const std::string fill(width - cell.size(), ' ');
    return alignment == 'R' ? fill + cell : cell + fill;
}

}  // namespace

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

std::vector<std::string> Chain(const std::string& left, const std::vector<std::string>& parts)
{
    const std::string indent(2 + left.size() + 1, ' ');  // under the first "="
    std::vector<std::string> lines;
    std::string line = "  " + left;
    for (size_t k = 0; k < parts.size(); ++k) {
        const std::string& part = parts[k];
        const size_t after = k + 1 < parts.size() ? 2 : 0;  // " =" when more follows
        if (line.size() > indent.size() && line.size() + 3 + part.size() + after > LINE_WIDTH) {
            lines.push_back(line + " =");
            line = indent + "= " + part;
        } else {
            line += " = " + part;
        }
    }
    lines.push_back(line);
    return lines;
}

void SolutionText::Section(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    if (!text_.empty())
        text_ += "\n";
    text_ += Joined(lines);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string JoinedBy(const std::vector<std::string>& items, const char* separator)
{
    std::string text;
    for (size_t k = 0; k < items.size(); ++k)
        text += (k == 0 ? "" : separator) + items[k];
    return text;
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
