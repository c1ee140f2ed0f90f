// The skinned interface: the theme's bitmaps, the owner-painted push buttons
// and the restyled message box.
#ifndef KALVORIX_SKIN_SKIN_H
#define KALVORIX_SKIN_SKIN_H

#include <windows.h>

#include "look.h"

// Builds the theme and subclasses the eight buttons of the main window, in
// the order convert, about, MC, MR, M+, M-, M×, M÷. Returns 0.
int InitInterface(HWND parent, HINSTANCE instance, HWND* buttons, int count, HFONT font, bool isXP);

// Gives the buttons their own procedures back and frees the bitmaps.
void DeleteInterface();

// Enables or disables a skinned control and repaints it in its new look.
void EnableWindowModern(HWND control, int enable);

// A new pattern brush of the edit-field background, owned by the caller.
HBRUSH GetEditBKG();

// Paints a push button of one of the program's own windows as the message
// box's button is painted, until the button is destroyed. One at a time.
void SkinCloseButton(HWND button);

// The body of a window painted as the message box's: white, with a grey
// footer of footerHeight pixels and the gradient line on top of it.
void PaintBoxBody(HDC hdc, RECT client, int footerHeight);

// The height of the message box's grey footer: 50 pixels, 43 on older systems.
int BoxFooterHeight();

// WM_PAINT of a window painted as the message box: its whole client area
// by PaintBoxBody, with the box's footer.
void PaintBoxWindow(HWND window);

// MessageBoxA restyled by the skin: white body, grey footer, one skinned
// button "Закрыть" in the bottom right corner.
int CBTMessageBox(HWND owner, const char* text, const char* caption, unsigned int flags);

#endif
