// The window "Числа в памяти": a number written in the integer codes or a
// floating-point format, or bits read as a number, with the fields a pupil
// copies into a notebook and the worked solution below them. Shown modally
// over the main window, keyboard-first: Enter computes, Escape closes.
#ifndef KALVORIX_APP_WIN_BITS_WINDOW_H
#define KALVORIX_APP_WIN_BITS_WINDOW_H

#include <windows.h>

// Shows the window until it is closed; owner is disabled meanwhile and gets
// the activation back.
void ShowBitsWindow(HWND owner);

// Appends "Числа в памяти...\tF4" to the window's system menu.
void AddBitsMenuItem(HWND window);

// Whether a WM_SYSCOMMAND's wParam is that item.
bool IsBitsMenuItem(WPARAM command);

#endif
