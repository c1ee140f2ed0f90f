// The commands of the main window, bound to its controls: each reads the
// controls, runs the window-free command and writes its outcome back.
#ifndef KALVORIX_APP_WIN_COMMANDS_H
#define KALVORIX_APP_WIN_COMMANDS_H

#include <windows.h>

// Runs the conversion request of the number text (size counts the
// terminator) at the precision text; overwrites a leading "-" of text.
void StartConvert(char* text, int size, char* precision, int precisionSize, int source, int target, HWND owner);

// MR into the output field in the target system.
void ReadMemory(int target, HWND owner);

// MC, M+, M-, M×, M÷ by their command identifiers.
void RunMemoryCommand(int id, HWND owner);

// Shows the "M" indicator while the register is not zero.
void ChangeM();

// The "Решение" window over owner: the worked solution of the command that
// last wrote the output field, or the line saying that none did yet.
void ShowSolution(HWND owner);

// The "Арифметика" window over owner, its precision the precision field's.
void ShowArithmetic(HWND owner);

#endif
