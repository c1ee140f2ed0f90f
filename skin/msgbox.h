// The skinned message box: what the skinned buttons need of it.
#ifndef KALVORIX_SKIN_MSGBOX_H
#define KALVORIX_SKIN_MSGBOX_H

#include <windows.h>

extern WNDPROC fnOldCbtOK;  // the box button's own procedure; for each box

#endif
