// The program's own windows shown as a message box is: modal over the main
// window, with a message loop of their own, so that the main window's keys
// are not active meanwhile.
#ifndef KALVORIX_APP_WIN_MODAL_H
#define KALVORIX_APP_WIN_MODAL_H

#include <windows.h>

// Shows window, puts the focus into focus and disables owner; then runs the
// loop until closing is set, offering every message to handleKey first (a
// key it has dealt with goes no further) and, with tabbing, Tab and the
// arrows to the window's fields. Gives owner the activation back before
// returning; a WM_QUIT met on the way is posted again for the main loop.
void RunModal(HWND owner, HWND window, HWND focus, const bool& closing, bool (*handleKey)(const MSG&), bool tabbing);

#endif
