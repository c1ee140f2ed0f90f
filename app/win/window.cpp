// The main window procedure: one handler per message, one call per command.
#include "window.h"

#include <string>

#include "arith_window.h"
#include "bits_window.h"
#include "commands.h"
#include "controls.h"
#include "convert.h"
#include "keys.h"
#include "messages.h"
#include "settings.h"
#include "skin.h"
#include "solution_window.h"
#include "texts.h"

bool IsXP;            // set by WinMain before the window exists
HFONT hFont;          // made by WinMain, released by the exit sequence
HFONT hFontM;         // likewise
HBRUSH hBrushStatic;  // likewise

namespace {

void OnConvert(HWND hwnd)
{
    std::string number = RemoveSpaces(WindowText(hEditIn));
    std::string precision = WindowText(hEditT);
    StartConvert(&number[0], static_cast<int>(number.size()) + 1, &precision[0],
                 static_cast<int>(precision.size()) + 1, SelectedSystem(hComboIn), SelectedSystem(hComboOut), hwnd);
}

// Any other identifier, the lists' and fields' notifications among them, does nothing.
void OnCommand(HWND hwnd, int id)
{
    switch (id) {
    case CMD_CONVERT:
        OnConvert(hwnd);
        break;
    case CMD_ABOUT:
        ShowAbout(hwnd, AboutText());
        break;
    case CMD_MR:
        ReadMemory(SelectedSystem(hComboOut), hwnd);
        break;
    case CMD_MC:
    case CMD_MADD:
    case CMD_MSUB:
    case CMD_MMUL:
    case CMD_MDIV:
        RunMemoryCommand(id, hwnd);
        break;
    }
}

// The separator above the button row.
void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT line = {9, WndHeight - 76, WndWidth - 15, WndHeight - 75};
    DrawEdge(hdc, &line, IsXP ? EDGE_ETCHED : EDGE_SUNKEN, BF_BOTTOM);
    EndPaint(hwnd, &ps);
}

LRESULT OnCtlColorStatic(HDC hdc, HWND control)
{
    SetBkMode(hdc, TRANSPARENT);
    if (control == hStaticM)
        SetTextColor(hdc, clrOrange);
    return reinterpret_cast<LRESULT>(hBrushStatic);
}

void OnDestroy()
{
    Saver();
    DeleteObject(hFont);
    DeleteObject(hFontM);
    DeleteInterface();
    DeleteObject(hBrushStatic);
    PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wParam));
        return 0;
    case WM_MEASUREITEM:
        MeasureListItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return 0;
    case WM_DRAWITEM:
        DrawListItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        SetFocus(hEditIn);
        return 0;
    case WM_SYSCOMMAND:
        if (IsSolutionMenuItem(wParam))
            ShowSolution(hwnd);
        else if (IsArithmeticMenuItem(wParam))
            ShowArithmetic(hwnd);
        else if (IsBitsMenuItem(wParam))
            ShowBitsWindow(hwnd);
        else
            return DefWindowProcA(hwnd, message, wParam, lParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}
