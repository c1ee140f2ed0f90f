// The modal windows' common parts.
#include "modal_window.h"

#include "program_class.h"
#include "skin.h"
#include "solution_view.h"

bool RegisterModalClass(HINSTANCE instance, const char* className, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSEXA known = {};
    known.cbSize = sizeof known;
    const bool registered = GetClassInfoExA(instance, className, &known) != 0
        || RegisterProgramClass(instance, className, CS_HREDRAW | CS_VREDRAW, procedure, background);
    return registered && RegisterSolutionView(instance);
}

HWND CreateModalWindow(HWND owner, const char* className, const char* title, DWORD exStyle, int width, int height)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    RECT around;
    GetWindowRect(owner, &around);
    const int x = (around.left + around.right - width) / 2;
    const int y = (around.top + around.bottom - height) / 2;
    return CreateWindowExA(WS_EX_DLGMODALFRAME | exStyle, className, title,
                           WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, x > 0 ? x : 0,
                           y > 0 ? y : 0, width, height, owner, nullptr, instance, nullptr);
}

bool AnswerModalMessage(HWND window, UINT message, LPARAM lParam, void (*layout)(int width, int height),
                        POINT smallest, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_SIZE:
        layout(LOWORD(lParam), HIWORD(lParam));
        return true;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = smallest;
        return true;
    case WM_PAINT:
        PaintBoxWindow(window);
        return true;
    case WM_ERASEBKGND:
        result = 1;  // the paint covers it all
        return true;
    default:
        return false;
    }
}

HFONT MakeFixedFont()
{
    LOGFONTA font = {};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(font.lfFaceName, "Courier New");
    return CreateFontIndirectA(&font);
}

void RunModal(HWND owner, HWND window, HWND focus, const bool& closing, bool (*handleKey)(MSG& msg))
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
        if (handleKey(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
}
