// The program's keys.
#include "keys.h"

KeyAction ActionOfKey(int virtualKey)
{
    struct Binding {
        int key;
        KeyAction action;
    };
    static const Binding bindings[] = {
        {KEY_ESCAPE, {KeyAction::EXIT, 0}},
        {KEY_END, {KeyAction::EXIT, 0}},
        {KEY_RETURN, {KeyAction::COMMAND, CMD_CONVERT}},
        {KEY_HOME, {KeyAction::HELP, 0}},
        {KEY_ADD, {KeyAction::COMMAND, CMD_MADD}},
        {KEY_SUBTRACT, {KeyAction::COMMAND, CMD_MSUB}},
        {KEY_MULTIPLY, {KeyAction::COMMAND, CMD_MMUL}},
        {KEY_DIVIDE, {KeyAction::COMMAND, CMD_MDIV}},
        {KEY_INSERT, {KeyAction::COMMAND, CMD_MR}},
        {KEY_DELETE, {KeyAction::COMMAND, CMD_MC}},
        {KEY_F2, {KeyAction::SOLUTION, 0}},
        {KEY_F3, {KeyAction::ARITHMETIC, 0}},
        {KEY_F4, {KeyAction::BITS, 0}},
    };
    for (const Binding& binding : bindings)
        if (binding.key == virtualKey)
            return binding.action;
    return KeyAction();
}
