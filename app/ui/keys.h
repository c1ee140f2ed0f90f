// The main window's commands and the program's keys, without a window: the
// command identifier of each button, and what each key of the message loop does.
#ifndef KALVORIX_UI_KEYS_H
#define KALVORIX_UI_KEYS_H

// Command identifiers of the main window: its eight buttons.
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

// Virtual-key codes of the keys the program acts on: the values of the
// VK_ names of <windows.h>, which the Win32 layer checks them against.
enum VirtualKey {
    KEY_RETURN = 0x0D,
    KEY_ESCAPE = 0x1B,
    KEY_END = 0x23,
    KEY_HOME = 0x24,
    KEY_INSERT = 0x2D,
    KEY_DELETE = 0x2E,
    KEY_MULTIPLY = 0x6A,
    KEY_ADD = 0x6B,
    KEY_SUBTRACT = 0x6D,
    KEY_DIVIDE = 0x6F,
    KEY_F2 = 0x71,
    KEY_F3 = 0x72,
    KEY_F4 = 0x73,
};

// What a key of the message loop does.
struct KeyAction {
    enum Kind { NONE, EXIT, HELP, SOLUTION, ARITHMETIC, BITS, COMMAND };  // BITS: numbers in memory
    Kind kind = NONE;
    int command = 0;  // for COMMAND
};

// The action of a key pressed in any window of the program; NONE lets the
// key through to the control that has the focus.
KeyAction ActionOfKey(int virtualKey);

#endif
