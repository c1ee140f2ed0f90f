// The "Решение" window. It runs a loop of its own while it is open, as a
// message box does, so the main window's keys are not active meanwhile.
#include "solution_window.h"

#include "lineends.h"
#include "modal.h"
#include "skin.h"
#include "window.h"

namespace {

const char CLASS_NAME[] = "KalvorSolution";
const char TITLE[] = "Решение";
const UINT IDM_SOLUTION = 0x0010;  // system-menu item: below 0xF000, low four bits clear
const int ID_TEXT = 100;
const int START_WIDTH = 700, START_HEIGHT = 460;
const int MIN_WIDTH = 320, MIN_HEIGHT = 200;
const int FOOTER_HEIGHT = BOX_FOOTER_HEIGHT;  // as the message box's
const int BUTTON_WIDTH = 91, BUTTON_HEIGHT = 29, BUTTON_RIGHT = 8, BUTTON_BOTTOM = 10;

HWND hSolution;         // the window; while it is open
HWND hSolutionText;     // its read-only field
HWND hSolutionClose;    // its button "Закрыть"
HFONT hFontSolution;    // the field's fixed-pitch font; while the window is open
bool bSolutionClosing;  // set by Escape, the button or the close box; ends the loop

// The field above the footer, the button in the footer's right corner.
void Layout(int width, int height)
{
    MoveWindow(hSolutionText, 0, 0, width, height - FOOTER_HEIGHT, TRUE);
    MoveWindow(hSolutionClose, width - BUTTON_WIDTH - BUTTON_RIGHT, height - BUTTON_HEIGHT - BUTTON_BOTTOM,
               BUTTON_WIDTH, BUTTON_HEIGHT, TRUE);
}

void OnPaint(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    PaintBoxBody(hdc, client, FOOTER_HEIGHT);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK SolutionProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{MIN_WIDTH, MIN_HEIGHT};
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers it all
    case WM_CTLCOLORSTATIC:  // the read-only field: black on white
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            bSolutionClosing = true;
        return 0;
    case WM_CLOSE:
        bSolutionClosing = true;
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

bool RegisterOnce(HINSTANCE instance)
{
    static bool registered = false;
    if (!registered)
        registered = RegisterProgramClass(instance, CLASS_NAME, CS_HREDRAW | CS_VREDRAW, SolutionProcedure, nullptr);
    return registered;
}

// The window centred on owner, its field and its button; false when any is missing.
bool Create(HWND owner, const std::string& text)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    if (!RegisterOnce(instance))
        return false;
    RECT around;
    GetWindowRect(owner, &around);
    const int x = (around.left + around.right - START_WIDTH) / 2;
    const int y = (around.top + around.bottom - START_HEIGHT) / 2;
    hSolution = CreateWindowExA(WS_EX_DLGMODALFRAME, CLASS_NAME, TITLE,
                                WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                                x > 0 ? x : 0, y > 0 ? y : 0, START_WIDTH, START_HEIGHT, owner, nullptr, instance,
                                nullptr);
    if (hSolution == nullptr)
        return false;
    hSolutionText = CreateWindowExA(WS_EX_CLIENTEDGE, "edit", "",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY
                                        | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                    0, 0, 0, 0, hSolution, reinterpret_cast<HMENU>(ID_TEXT), instance, nullptr);
    hSolutionClose = CreateWindowExA(0, "button", "Закрыть", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                                     hSolution, reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
    if (hSolutionText == nullptr || hSolutionClose == nullptr)
        return false;
    hFontSolution = MakeSolutionFont();
    SendMessageA(hSolutionText, WM_SETFONT, reinterpret_cast<WPARAM>(hFontSolution), FALSE);
    SkinCloseButton(hSolutionClose);
    SendMessageA(hSolutionText, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(hSolutionText, WithCrLf(text).c_str());
    RECT client;
    GetClientRect(hSolution, &client);
    Layout(client.right, client.bottom);
    return true;
}

// Escape closes, Ctrl+A selects the whole text (the field copies with Ctrl+C itself).
bool HandleKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        return false;
    if (msg.wParam == VK_ESCAPE) {
        bSolutionClosing = true;
        return true;
    }
    if (msg.wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SendMessageA(hSolutionText, EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

}  // namespace

void ShowSolutionWindow(HWND owner, const std::string& text)
{
    bSolutionClosing = false;
    if (Create(owner, text))
        RunModal(owner, hSolution, hSolutionText, bSolutionClosing, HandleKey, false);
    if (hSolution != nullptr)
        DestroyWindow(hSolution);
    hSolution = hSolutionText = hSolutionClose = nullptr;
    if (hFontSolution != nullptr)
        DeleteObject(hFontSolution);
    hFontSolution = nullptr;
}

HFONT MakeSolutionFont()
{
    LOGFONTA font = {};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = RUSSIAN_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(font.lfFaceName, "Courier New");
    return CreateFontIndirectA(&font);
}

void AddSolutionMenuItem(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_SOLUTION, "Решение...\tF2");
}

bool IsSolutionMenuItem(WPARAM command)
{
    return (command & 0xFFF0) == IDM_SOLUTION;
}
