// The items of the system lists and the system of an item.
#include "system_lists.h"

#include "systems.h"
#include "text.h"

namespace {

// "2" + suffix ... "16" + suffix, then the Roman item.
std::vector<std::string> SystemItems(const std::string& suffix, const std::string& roman)
{
    std::vector<std::string> items;
    for (int n = NSmin; n <= NSmax; ++n)
        items.push_back(NumToStr(n) + suffix);
    items.push_back(roman);
    return items;
}

}  // namespace

std::vector<std::string> SourceSystemItems()
{
    return SystemItems("-ной", "Римской системы");
}

std::vector<std::string> TargetSystemItems()
{
    return SystemItems("-ную", "Римскую систему");
}

// Only the Roman items begin with "Р"; the others begin with their base.
int SystemOfItem(const std::string& itemText)
{
    static const std::string romanMark = "Р";
    if (itemText.compare(0, romanMark.size(), romanMark) == 0)
        return ROMAN;
    return StrToNum(itemText);
}
