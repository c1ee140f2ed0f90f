// The entry point and the main window: start-up, the message loop with the
// program's keys, and a window procedure that only dispatches.
#include <windows.h>
#include <commctrl.h>

#include "commands.h"
#include "controls.h"
#include "convert.h"
#include "keys.h"
#include "help.h"
#include "settings.h"
#include "skin.h"
#include "state.h"
#include "texts.h"

const char szClassName[] = "Kalvor";  // window class of the main window
const int WndWidth = 444;             // outer size of the main window
const int WndHeight = 199;
bool IsXP;                            // Windows of major version 5 or lower; from start-up
HFONT hFont;                          // main font; from start-up to the exit sequence
HFONT hFontM;                         // font of the memory buttons (ANSI, for × and ÷)
HBRUSH hBrushStatic;                  // window and label background; from start-up to the exit sequence

namespace {

const char START_FAILURE[] = "Ошибка инициализации программы!";

HFONT MakeFont(BYTE charset)
{
    LOGFONTA font = {};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    font.lfQuality = PROOF_QUALITY;
    lstrcpyA(font.lfFaceName, "Tahoma");
    return CreateFontIndirectA(&font);
}

// False when neither version record can be read.
bool ReadOsGeneration()
{
    OSVERSIONINFOEXA extended = {};
    extended.dwOSVersionInfoSize = sizeof extended;
    OSVERSIONINFOA& info = reinterpret_cast<OSVERSIONINFOA&>(extended);
    if (!GetVersionExA(&info)) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(&info))
            return false;
    }
    IsXP = (info.dwPlatformId == VER_PLATFORM_WIN32_NT || info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
           && info.dwMajorVersion <= 5;
    return true;
}

void OnCommand(HWND hwnd, int id)
{
    switch (id) {
    case CMD_CONVERT: {
        std::string number = RemoveSpaces(WindowText(hEditIn));
        std::string precision = WindowText(hEditT);
        StartConvert(&number[0], static_cast<int>(number.size()) + 1, &precision[0],
                     static_cast<int>(precision.size()) + 1, SelectedSystem(hComboIn), SelectedSystem(hComboOut), hwnd);
        break;
    }
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

void OnMeasureItem(MEASUREITEMSTRUCT* item)
{
    if (item->CtlType == ODT_COMBOBOX)
        item->itemHeight = item->itemID == static_cast<UINT>(-1) ? 17 : 19;
}

// List items: the hover green behind the selection, every second row of
// the drop-down striped.
void OnDrawItem(DRAWITEMSTRUCT* item)
{
    if (item->CtlType != ODT_COMBOBOX)
        return;
    HDC hdc = item->hDC;
    SetBkMode(hdc, TRANSPARENT);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const COLORREF oldText = SetTextColor(hdc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    COLORREF background = GetSysColor(COLOR_WINDOW);
    if (selected)
        background = clrTextHover;
    else if ((item->itemID & 1) && !(item->itemState & ODS_COMBOBOXEDIT))
        background = 0xF0F0F0;
    SetBkColor(hdc, background);
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    const int y = (item->rcItem.top + item->rcItem.bottom - metrics.tmHeight) / 2;
    const std::string text = ListItemText(item->hwndItem, static_cast<int>(item->itemID));
    ExtTextOutA(hdc, 6, y, ETO_OPAQUE | ETO_CLIPPED, &item->rcItem, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    SetTextColor(hdc, oldText);
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

// The program's keys act before translation, in any of its windows.
bool HandleKey(HWND window, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        return false;
    const KeyAction action = ActionOfKey(static_cast<int>(msg.wParam));
    switch (action.kind) {
    case KeyAction::EXIT:
        SendMessageA(window, WM_DESTROY, 0, 0);
        return true;
    case KeyAction::HELP:
        OpenHelp();
        return true;
    case KeyAction::COMMAND:
        SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(action.command), 0);
        return true;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wParam));
        return 0;
    case WM_MEASUREITEM:
        OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        SetFocus(hEditIn);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    Loader();
    if (!ReadOsGeneration())
        return 0;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int x = desktop.right / 2 - WndWidth / 2;
    const int y = desktop.bottom / 2 - WndHeight / 2;
    hFont = MakeFont(DEFAULT_CHARSET);
    hFontM = MakeFont(ANSI_CHARSET);
    hBrushStatic = CreateSolidBrush(clrBackground);

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "A");
    wc.hIconSm = LoadIconA(instance, "A");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = hBrushStatic;
    wc.lpszClassName = szClassName;
    if (!RegisterClassExA(&wc)) {
        ShowError(nullptr, START_FAILURE, MB_ICONHAND);
        return 0;
    }

    ComposeFullTitle();
    HWND window = CreateWindowExA(0, szClassName, strAppName.c_str(), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                                  WndWidth, WndHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        ShowError(nullptr, START_FAILURE, MB_ICONHAND);
        return 0;
    }
    ShowWindow(window, showCommand);
    if (!CreateControls(window, instance, hFont, hFontM)) {
        ShowError(nullptr, START_FAILURE, MB_ICONHAND);
        return 0;
    }
    if (IsXP)
        MoveWindow(window, x, y, WndWidth, WndHeight + 4, TRUE);
    InitInterface(window, instance, hmMainDesignedCtrls, 8, hFont, IsXP);
    SetFocus(hEditIn);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (HandleKey(window, msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
