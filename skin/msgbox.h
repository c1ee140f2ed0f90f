// The skinned message box: what its button and a test need of it.
#ifndef KALVORIX_SKIN_MSGBOX_H
#define KALVORIX_SKIN_MSGBOX_H

#include <windows.h>

extern WNDPROC fnOldCbtOK;  // the box button's own procedure; for each box

// Paints a box's body into any device context: white over client, a grey
// footer of footerHeight pixels at its bottom with the gradient line on top.
void PaintBoxBody(HDC hdc, RECT client, int footerHeight);

#endif
