// The main window's fixed tables and text rules that need no window: the
// items of the two system lists, the system of an item, the cleaning of the
// number text, and which command a key or a command identifier stands for.
#ifndef KALVORIX_APP_DISPATCH_H
#define KALVORIX_APP_DISPATCH_H

#include <string>
#include <vector>

// Command identifiers of the main window.
enum CommandId {
    CMD_CONVERT = 1,
    CMD_ABOUT = 2,
    CMD_MC = 10,
    CMD_MR = 11,
    CMD_MADD = 12,
    CMD_MSUB = 13,
    CMD_MMUL = 14,
    CMD_MDIV = 15,
};

// What a key of the message loop does.
struct KeyAction {
    enum Kind { NONE, EXIT, HELP, COMMAND };
    Kind kind = NONE;
    int command = 0;  // for COMMAND
};

KeyAction ActionOfKey(int virtualKey);

// Whether a WM_COMMAND identifier is one of the eight commands.
bool IsCommand(int id);

std::vector<std::string> SourceSystemItems();  // "2-ной" ... "16-ной", "Римской системы"
std::vector<std::string> TargetSystemItems();  // "2-ную" ... "16-ную", "Римскую систему"
constexpr int SOURCE_START_ITEM = 8;           // "10-ной"
constexpr int TARGET_START_ITEM = 0;           // "2-ную"

// -1 for a text that begins with "Р" (Roman), else StrToNum of it.
int SystemOfItem(const std::string& itemText);

// The number text without any space (0x20).
std::string RemoveSpaces(std::string text);

#endif
