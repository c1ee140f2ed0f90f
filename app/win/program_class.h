// The window classes of the program's own top-level windows.
#ifndef KALVORIX_APP_WIN_PROGRAM_CLASS_H
#define KALVORIX_APP_WIN_PROGRAM_CLASS_H

#include <windows.h>

// Registers a window class of the program: the icon "A" large and small, the
// arrow cursor, and the given style, procedure and background (null where
// the window paints its background itself).
bool RegisterProgramClass(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure, HBRUSH background);

#endif
