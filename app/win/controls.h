// The main window's size and its seventeen controls, made once at start-up,
// with the owner-drawn items of its two lists.
#ifndef KALVORIX_APP_WIN_CONTROLS_H
#define KALVORIX_APP_WIN_CONTROLS_H

#include <windows.h>

#include <string>
#include <vector>

constexpr int WndWidth = 444;   // outer size of the main window; the right-hand
constexpr int WndHeight = 199;  // controls and the button row are placed from it

extern HWND hButtonTr, hButtonAbout, hMC, hMR, hMADD, hMSUB, hMMUL, hMDIV;
extern HWND hComboIn, hComboOut, hEditIn, hEditOut, hEditT;
extern HWND hStaticFrom, hStaticTo, hStaticT, hStaticM;
extern HWND hmMainDesignedCtrls[8];

// Creates the seventeen controls of window, fills the lists and sets the
// fonts; false when a control could not be made.
bool CreateControls(HWND window, HINSTANCE instance, HFONT font, HFONT memoryFont);

// Adds items to a list and selects the one at index selected.
void FillList(HWND list, const std::vector<std::string>& items, int selected);

// The whole text of a control.
std::string WindowText(HWND control);

// The text of item index of a list ("" for none).
std::string ListItemText(HWND list, int index);

// The system chosen in a list: ROMAN, else the base.
int SelectedSystem(HWND list);

// WM_MEASUREITEM and WM_DRAWITEM of the lists: the hover green behind the
// selection, every second row of the drop-down striped.
void MeasureListItem(MEASUREITEMSTRUCT* item);
void DrawListItem(const DRAWITEMSTRUCT* item);

#endif
