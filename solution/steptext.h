// The layout of a worked solution: sections apart by an empty line, tables
// of aligned cells cut when long, chains of equalities wrapped as a textbook
// wraps them, and the sentences every solution shares.
#ifndef KALVORIX_SOLUTION_STEPTEXT_H
#define KALVORIX_SOLUTION_STEPTEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr uint64_t LONG_TABLE = 64;  // a table of more rows is cut
constexpr uint64_t TABLE_END = 5;    // rows a cut table keeps at each end
constexpr size_t LINE_WIDTH = 80;    // a chain of equalities wraps before it grows longer

// Which rows a table of total rows shows: all, or the first and last TABLE_END.
std::vector<uint64_t> ShownRows(uint64_t total);

// A table of the rows ShownRows chose, as lines of aligned cells: each cell
// padded to its column's width, on the left ('R') or on the right ('L'). A
// cut table has a line saying how many rows were left out. Widths are
// counted in bytes: every byte of the program's texts takes one column.
class StepTable {
public:
    explicit StepTable(std::string alignment);
    void Add(std::vector<std::string> cells);
    std::vector<std::string> Lines(uint64_t total) const;

private:
    std::string alignment_;
    std::vector<std::vector<std::string>> rows_;
};

// "  left = part = part = …" as indented lines no wider than LINE_WIDTH
// where it can: a line that would grow longer ends with " =" and the next
// one starts with "= " under the first one's "=".
std::vector<std::string> Chain(const std::string& left, const std::vector<std::string>& parts);

// The text of a solution: sections, each of lines, apart by an empty line.
class SolutionText {
public:
    void Section(const std::vector<std::string>& lines);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Lines joined, each ended by "\n".
std::string Joined(const std::vector<std::string>& lines);

// items joined by separator.
std::string JoinedBy(const std::vector<std::string>& items, const char* separator);

// Digits without their leading zeros, "0" when none is left.
std::string WithoutLeadingZeros(const std::string& digits);
// Digits without their trailing zeros, "" when none is left.
std::string WithoutTrailingZeros(const std::string& digits);

// The one rule for zeros at the ends of a number, said where it applies.
extern const char ZEROS_NOT_WRITTEN[];  // "Нули в начале целой части и в конце дробной части не пишем", no period

#endif
