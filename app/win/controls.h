// The main window's controls, made once at start-up.
#ifndef KALVORIX_APP_WIN_CONTROLS_H
#define KALVORIX_APP_WIN_CONTROLS_H

#include <windows.h>

#include <string>

extern HWND hButtonTr, hButtonAbout, hMC, hMR, hMADD, hMSUB, hMMUL, hMDIV;
extern HWND hComboIn, hComboOut, hEditIn, hEditOut, hEditT;
extern HWND hStaticFrom, hStaticTo, hStaticT, hStaticM;
extern HWND hmMainDesignedCtrls[8];

// Creates the seventeen controls of window, fills the lists and sets the
// fonts; false when a control could not be made.
bool CreateControls(HWND window, HINSTANCE instance, HFONT font, HFONT memoryFont);

// The whole text of a control.
std::string WindowText(HWND control);

// The text of item index of a list ("" for none).
std::string ListItemText(HWND list, int index);

// The system chosen in a list: -1 Roman, else the base.
int SelectedSystem(HWND list);

#endif
