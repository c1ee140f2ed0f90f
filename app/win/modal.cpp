#include "modal.h"

void RunModal(HWND owner, HWND window, HWND focus, const bool& closing, bool (*handleKey)(const MSG&), bool tabbing)
{
    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(focus);
    MSG msg;
    while (!closing) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);  // for the main loop
            break;
        }
        if (handleKey(msg) || (tabbing && IsDialogMessageA(window, &msg)))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);  // before the window goes, so the activation does not wander
}
