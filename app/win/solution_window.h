// The "Решение" window: a text shown modally over the main window in a
// read-only text view (solution_view.h), resizable, closed by Escape or its button "Закрыть".
#ifndef KALVORIX_APP_WIN_SOLUTION_WINDOW_H
#define KALVORIX_APP_WIN_SOLUTION_WINDOW_H

#include <windows.h>

#include <string>

// Shows text (Windows-1251, lines ended by "\n") until the window is closed;
// owner is disabled meanwhile and gets the activation back.
void ShowSolutionWindow(HWND owner, const std::string& text);

// The fixed-pitch font worked solutions are shown in; the caller deletes it.
HFONT MakeSolutionFont();

// Appends "Решение...\tF2" after a separator to the window's system menu.
void AddSolutionMenuItem(HWND window);

// Whether a WM_SYSCOMMAND's wParam is that item.
bool IsSolutionMenuItem(WPARAM command);

#endif
