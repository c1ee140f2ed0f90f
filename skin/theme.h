// The theme's state shared by the skin's modules (not by the application).
#ifndef KALVORIX_SKIN_THEME_H
#define KALVORIX_SKIN_THEME_H

#include <windows.h>

#include "look.h"

// The pieces of one look of one layout: left end, stretched middle, right end.
enum ButtonLayout { LAYOUT_BTNR, LAYOUT_SMBTNL, LAYOUT_SMBTNR, LAYOUT_SMBTNC };

extern char TADD[2];
extern char TSUB[2];
extern char TMUL[2];
extern char TDIV[2];

extern HFONT ihFont;
extern bool iIsXP;
extern HBITMAP hBmpLine;
extern BITMAP bmpLine;

// Sets the main font and the older-system flag, and loads the bitmaps.
void LoadTheme(HINSTANCE instance, HFONT font, bool isXP);

// Frees the bitmaps.
void FreeTheme();

// Fills rect with a brush of colour made for this fill alone.
void FillSolid(HDC hdc, const RECT& rect, COLORREF colour);

// Paints the three pieces of layout in look over face (left and top 0).
void DrawLayout(HDC hdc, HDC memory, RECT face, ButtonLayout layout, ButtonLook look);

#endif
