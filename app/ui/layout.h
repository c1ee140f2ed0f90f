// Layout rules of the main window that need no window.
#ifndef KALVORIX_UI_LAYOUT_H
#define KALVORIX_UI_LAYOUT_H

#include <cstdint>

// The owner-drawn items of the main window's system lists: every second row of
// a drop-down is striped, and the text starts a few pixels from the left.
constexpr uint32_t clrListStripe = 0x00F0F0F0;  // COLORREF (0x00BBGGRR)
constexpr int LIST_FIELD_HEIGHT = 17;           // the selection field
constexpr int LIST_ITEM_HEIGHT = 19;            // a row of the drop-down
constexpr int LIST_TEXT_LEFT = 6;

// The width a one-line label needs: its own width while the text fits in it
// (textWidth pixels, as measured in its font), else the text's width, but
// never more than room, the space up to the next control.
int FittedLabelWidth(int textWidth, int width, int room);

#endif
