// The main window's procedure and what it shares with the start-up in WinMain.
#ifndef KALVORIX_APP_WIN_WINDOW_H
#define KALVORIX_APP_WIN_WINDOW_H

#include <windows.h>

extern bool IsXP;             // Windows of major version 5 or lower; set at start-up
extern HFONT hFont;           // main font; from start-up to the exit sequence
extern HFONT hFontM;          // font of the memory buttons (ANSI, for × and ÷); likewise
extern HBRUSH hBrushStatic;   // window and label background; likewise

// Dispatches every message of the main window to its handler.
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
