// Layout rules of the main window that need no window.
#ifndef KALVORIX_UI_LAYOUT_H
#define KALVORIX_UI_LAYOUT_H

// The width a one-line label needs: its own width while the text fits in it
// (textWidth pixels, as measured in its font), else the text's width, but
// never more than room, the space up to the next control.
int FittedLabelWidth(int textWidth, int width, int room);

#endif
