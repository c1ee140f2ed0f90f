// A read-only view of one of the program's texts (Windows-1251, lines ended
// by "\n" or "\r\n") that paints the notation's marks of charset.h: a
// subscript or superscript mark is drawn as a small character below or above
// the line, in a cell of its own, so the columns of a monospace table stay
// aligned. For any window that shows a worked solution or a like text.
//
// Use: RegisterSolutionView(instance) once, then CreateSolutionView(parent,
// id, instance) (or CreateWindowEx with SOLUTION_VIEW_CLASS), WM_SETFONT with
// a fixed-pitch font that the caller keeps until the view is gone (the view
// makes the small font of the marks itself) and WM_SETTEXT with the text.
//
// Messages it answers like a read-only edit field:
//   WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH  the text as set, byte for byte;
//   EM_SETSEL, EM_GETSEL  the selection, in bytes of that text ((0, -1) all);
//   WM_COPY               the selection to the clipboard as CF_UNICODETEXT,
//                         each mark as its Unicode character (1011.101₂);
//   WM_SETFONT, WM_GETFONT.
// The user scrolls with the scroll bars, the wheel, the arrows, Page Up and
// Page Down, Home and End (with Ctrl: the top and the bottom); selects with
// the mouse (Shift+click extends, a double click takes a word) or Ctrl+A;
// copies with Ctrl+C or Ctrl+Insert, or from the right button's menu.
// It uses nothing newer than Windows XP and only its system DLLs, and every
// GDI object it makes dies with it.
#ifndef KALVORIX_APP_WIN_SOLUTION_VIEW_H
#define KALVORIX_APP_WIN_SOLUTION_VIEW_H

#include <windows.h>

extern const char SOLUTION_VIEW_CLASS[];

// Registers the view's window class for instance; true when it is registered
// (also when it already was).
bool RegisterSolutionView(HINSTANCE instance);

// A visible child view of parent with a sunken edge and both scroll bars,
// empty and at the origin; null when it cannot be made.
HWND CreateSolutionView(HWND parent, int id, HINSTANCE instance);

#endif
