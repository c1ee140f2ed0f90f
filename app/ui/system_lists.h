// The two system lists of the main window, without a window: their items, the
// item each starts on, and the system an item's text stands for.
#ifndef KALVORIX_UI_SYSTEM_LISTS_H
#define KALVORIX_UI_SYSTEM_LISTS_H

#include <string>
#include <vector>

std::vector<std::string> SourceSystemItems();  // "2-ной" ... "16-ной", "Римской системы"
std::vector<std::string> TargetSystemItems();  // "2-ную" ... "16-ную", "Римскую систему"
constexpr int SOURCE_START_ITEM = 8;           // "10-ной"
constexpr int TARGET_START_ITEM = 0;           // "2-ную"

// ROMAN for a text that begins with "Р", else StrToNum of it.
int SystemOfItem(const std::string& itemText);

#endif
