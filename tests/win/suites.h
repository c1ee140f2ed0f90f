// Tests of the program kept in files of their own.
#ifndef KALVORIX_TESTS_WIN_SUITES_H
#define KALVORIX_TESTS_WIN_SUITES_H

// kalvor.ini bad, odd, huge, locked, read-only.
void SettingsFaults();

// kalvor.ini on a full disk: a small tmpfs at KALVORIX_FULL_DISK.
void SettingsFullDisk();

// Random commands, keys and clicks against the window-free logic; the
// argument is how many (300 when none is given).
void Soak();

// The "Решение" window: F2, the system menu, Escape, Ctrl+A, a hundred openings.
void Solution();

// The "Арифметика" window: F3, the system menu, a sum, a division by zero, Escape, a hundred openings.
void Arithmetic();
// The window of numbers in memory: F4, the menu, a code and a float, a
// refused width, Escape, a hundred openings.
void Bits();

#endif
