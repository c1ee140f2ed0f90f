// The layout of a worked solution: long numbers shortened, long tables cut,
// counts with their Russian words, and the names of the numeral systems.
#ifndef KALVORIX_SOLUTION_STEPTEXT_H
#define KALVORIX_SOLUTION_STEPTEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "systems.h"

constexpr size_t LONG_NUMBER = 40;  // a longer number is shortened
constexpr size_t NUMBER_END = 15;   // characters a shortened number keeps at each end
constexpr uint64_t LONG_TABLE = 12; // a table of more rows is cut
constexpr uint64_t TABLE_END = 5;   // rows a cut table keeps at each end

// The number itself, or when longer than LONG_NUMBER its first and last
// NUMBER_END characters and its length: "123456789012345…543210987654321 (32767 знаков)".
std::string Shortened(const std::string& number);

// The same for a number known only by its ends (each at least NUMBER_END
// characters) and its length, which is above LONG_NUMBER.
std::string ShortenedEnds(const std::string& head, const std::string& tail, uint64_t length);

// "1 цифра", "3 цифры", "25 цифр": the count and its word.
std::string CountOf(uint64_t n, const char* one, const char* few, const char* many);
std::string DigitCount(uint64_t n);

// The word of a count that is written as a text (a power product takes "many").
const char* WordOf(const std::string& count, const char* one, const char* few, const char* many);

// Which rows a table of total rows shows: all, or the first and last TABLE_END.
std::vector<uint64_t> ShownRows(uint64_t total);

// A table of the rows ShownRows chose, as lines of aligned cells: each cell
// padded to its column's width, on the left ('R') or on the right ('L'). A
// cut table has a line saying how many rows were left out.
class StepTable {
public:
    explicit StepTable(std::string alignment);
    void Add(std::vector<std::string> cells);
    std::vector<std::string> Lines(uint64_t total) const;

private:
    std::string alignment_;
    std::vector<std::vector<std::string>> rows_;
};

// "10-ной системы", "римской системы": the system a number is translated from.
std::string SourceName(int system);
// "2-ную", "римскую": the system it is translated into.
std::string TargetName(int system);
// " (2)" after a number of a positional system; nothing after a Roman numeral.
std::string Mark(int system);
// A value below 16, with its digit when they differ: "12 (C)".
std::string ValueWithDigit(uint32_t value);

// "Точность 4: цифры после 4-й отбрасываются, без округления: ", before the cut number.
std::string CutLine(int precision);

// Digits without their leading zeros, "0" when none is left.
std::string WithoutLeadingZeros(const std::string& digits);
// Digits without their trailing zeros, "" when none is left.
std::string WithoutTrailingZeros(const std::string& digits);

// Lines joined, each ended by "\n".
std::string Joined(const std::vector<std::string>& lines);

// The text of a solution: sections, each of lines, apart by an empty line.
class SolutionText {
public:
    void Section(const std::vector<std::string>& lines);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

#endif
