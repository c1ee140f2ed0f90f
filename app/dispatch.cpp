// The window-free tables of the main window.
#include "dispatch.h"

#include <algorithm>

#include "state.h"
#include "text.h"

KeyAction ActionOfKey(int virtualKey)
{
    struct Binding {
        int key;
        KeyAction action;
    };
    static const Binding bindings[] = {
        {27, {KeyAction::EXIT, 0}},              // VK_ESCAPE
        {35, {KeyAction::EXIT, 0}},              // VK_END
        {13, {KeyAction::COMMAND, CMD_CONVERT}}, // VK_RETURN
        {36, {KeyAction::HELP, 0}},              // VK_HOME
        {107, {KeyAction::COMMAND, CMD_MADD}},   // VK_ADD
        {109, {KeyAction::COMMAND, CMD_MSUB}},   // VK_SUBTRACT
        {106, {KeyAction::COMMAND, CMD_MMUL}},   // VK_MULTIPLY
        {111, {KeyAction::COMMAND, CMD_MDIV}},   // VK_DIVIDE
        {45, {KeyAction::COMMAND, CMD_MR}},      // VK_INSERT
        {46, {KeyAction::COMMAND, CMD_MC}},      // VK_DELETE
    };
    for (const Binding& binding : bindings)
        if (binding.key == virtualKey)
            return binding.action;
    return KeyAction();
}

bool IsCommand(int id)
{
    return id == CMD_CONVERT || id == CMD_ABOUT || (id >= CMD_MC && id <= CMD_MDIV);
}

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
        return -1;
    return StrToNum(itemText);
}

std::string RemoveSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}
