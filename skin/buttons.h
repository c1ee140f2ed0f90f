// The skinned push buttons: one window procedure per button and the sixteen
// drawing functions (four layouts times four looks).
#ifndef KALVORIX_SKIN_BUTTONS_H
#define KALVORIX_SKIN_BUTTONS_H

#include <windows.h>

#include "theme.h"

// Everything a skinned button's picture depends on but its caption and font.
struct ButtonFace {
    ButtonLayout layout;
    ButtonLook look;
    COLORREF captionColour;
    int captionLeft;     // pixels the caption moves right of centre
    int captionDown;     // pixels it moves down (the box button on older systems)
    int shadowDrop;      // pixels the white shadow lies below the caption
    const char* sign;    // operator sign drawn beside "M ", or null
    int signLeft;        // pixels the sign moves right of centre
};

// Paints the button into any device context: the pieces of its layout in its
// look over rect (left and top 0), the caption and the sign in font. Leaves the
// context's objects and colours as it found them.
void PaintButton(HDC hdc, RECT rect, const ButtonFace& face, const char* caption, HFONT font);

LRESULT CALLBACK TrButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK AbButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MCButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MRButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MADDButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MSUBButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MMULButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK MDIVButtonProc(HWND, UINT, WPARAM, LPARAM);

// Paints the message box's button as the skin's, its flags cleared, until
// the next box: the box's one button is subclassed anew for each box.
void SkinBoxButton(HWND button);

void BTNRDrawNormal(HDC hdc, HDC memory, RECT face);
void BTNRDrawHover(HDC hdc, HDC memory, RECT face);
void BTNRDrawPressed(HDC hdc, HDC memory, RECT face);
void BTNRDrawDisabled(HDC hdc, HDC memory, RECT face);
void SMBTNLDrawNormal(HDC hdc, HDC memory, RECT face);
void SMBTNLDrawHover(HDC hdc, HDC memory, RECT face);
void SMBTNLDrawPressed(HDC hdc, HDC memory, RECT face);
void SMBTNLDrawDisabled(HDC hdc, HDC memory, RECT face);
void SMBTNRDrawNormal(HDC hdc, HDC memory, RECT face);
void SMBTNRDrawHover(HDC hdc, HDC memory, RECT face);
void SMBTNRDrawPressed(HDC hdc, HDC memory, RECT face);
void SMBTNRDrawDisabled(HDC hdc, HDC memory, RECT face);
void SMBTNCDrawNormal(HDC hdc, HDC memory, RECT face);
void SMBTNCDrawHover(HDC hdc, HDC memory, RECT face);
void SMBTNCDrawPressed(HDC hdc, HDC memory, RECT face);
void SMBTNCDrawDisabled(HDC hdc, HDC memory, RECT face);

#endif
