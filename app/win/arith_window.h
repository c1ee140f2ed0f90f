// The "Арифметика" window: two numbers in their systems, the operation, the
// system of the answer and the precision; "Вычислить" (Enter) shows the
// result and its worked solution. Modal over the main window, closed by
// Escape, opened by F3 and by the system menu.
#ifndef KALVORIX_APP_WIN_ARITH_WINDOW_H
#define KALVORIX_APP_WIN_ARITH_WINDOW_H

#include <windows.h>

#include <string>

// Shows the window over owner until it is closed; its precision field
// starts with precision, the main window's. owner is disabled meanwhile.
void ShowArithmeticWindow(HWND owner, const std::string& precision);

// Appends "Арифметика...\tF3" to the window's system menu (after "Решение...").
void AddArithmeticMenuItem(HWND window);

// Whether a WM_SYSCOMMAND's wParam is that item.
bool IsArithmeticMenuItem(WPARAM command);

#endif
