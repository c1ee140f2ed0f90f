// The skinned message box's hook and procedures.
#ifndef KALVORIX_SKIN_MSGBOX_H
#define KALVORIX_SKIN_MSGBOX_H

#include <windows.h>

extern WNDPROC fnOldCbtOK;  // the box button's own procedure; for each box

LRESULT CALLBACK CBTProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CBTWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void CBTMSGDrawLine(HDC hdc, HDC memory, RECT band);

#endif
