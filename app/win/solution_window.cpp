// The "Решение" window, modal as modal_window.h makes it.
#include "solution_window.h"

#include "lineends.h"
#include "modal_window.h"
#include "skin.h"
#include "solution_view.h"

namespace {

const char CLASS_NAME[] = "KalvorSolution";
const char TITLE[] = "Решение";
const UINT IDM_SOLUTION = 0x0010;  // system-menu item: below 0xF000, low four bits clear
const int ID_TEXT = 100;
const int START_WIDTH = 760, START_HEIGHT = 480;  // about 90 columns of the view
const int MIN_WIDTH = 320, MIN_HEIGHT = 200;
const int BUTTON_WIDTH = 91, BUTTON_HEIGHT = 29, BUTTON_RIGHT = 8, BUTTON_BOTTOM = 10;

HWND hSolution;         // the window; while it is open
HWND hSolutionText;     // its text view
HWND hSolutionClose;    // its button "Закрыть"
HFONT hFontSolution;    // the view's fixed-pitch font; while the window is open
bool bSolutionClosing;  // set by Escape, the button or the close box; ends the loop

// The view above the footer, the button in the footer's right corner.
void Layout(int width, int height)
{
    MoveWindow(hSolutionText, 0, 0, width, height - BoxFooterHeight(), TRUE);
    MoveWindow(hSolutionClose, width - BUTTON_WIDTH - BUTTON_RIGHT, height - BUTTON_HEIGHT - BUTTON_BOTTOM,
               BUTTON_WIDTH, BUTTON_HEIGHT, TRUE);
}

LRESULT CALLBACK SolutionProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result;
    if (AnswerModalMessage(hwnd, message, lParam, Layout, POINT{MIN_WIDTH, MIN_HEIGHT}, result))
        return result;
    switch (message) {
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

// The window centred on owner, its view and its button; false when any is missing.
bool Create(HWND owner, const std::string& text)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    if (!RegisterModalClass(instance, CLASS_NAME, SolutionProcedure))
        return false;
    hSolution = CreateModalWindow(owner, CLASS_NAME, TITLE, 0, START_WIDTH, START_HEIGHT);
    if (hSolution == nullptr)
        return false;
    hSolutionText = CreateSolutionView(hSolution, ID_TEXT, instance);
    hSolutionClose = CreateWindowExA(0, "button", "Закрыть", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                                     hSolution, reinterpret_cast<HMENU>(IDCANCEL), instance, nullptr);
    if (hSolutionText == nullptr || hSolutionClose == nullptr)
        return false;
    hFontSolution = MakeFixedFont();
    SendMessageA(hSolutionText, WM_SETFONT, reinterpret_cast<WPARAM>(hFontSolution), FALSE);
    SkinCloseButton(hSolutionClose);
    SetWindowTextA(hSolutionText, WithCrLf(text).c_str());
    RECT client;
    GetClientRect(hSolution, &client);
    Layout(client.right, client.bottom);
    return true;
}

// Escape closes; the view takes every other key itself (Ctrl+A, Ctrl+C, scrolling).
bool HandleKey(MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE)
        return false;
    bSolutionClosing = true;
    return true;
}

}  // namespace

void ShowSolutionWindow(HWND owner, const std::string& text)
{
    bSolutionClosing = false;
    if (Create(owner, text))
        RunModal(owner, hSolution, hSolutionText, bSolutionClosing, HandleKey);
    if (hSolution != nullptr)
        DestroyWindow(hSolution);
    hSolution = hSolutionText = hSolutionClose = nullptr;
    if (hFontSolution != nullptr)
        DeleteObject(hFontSolution);
    hFontSolution = nullptr;
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
