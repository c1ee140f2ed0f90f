// The entry point: start-up, and the message loop with the program's keys.
#include <windows.h>
#include <commctrl.h>

#include "arith_window.h"
#include "bits_window.h"
#include "commands.h"
#include "controls.h"
#include "help.h"
#include "keys.h"
#include "messages.h"
#include "program_class.h"
#include "settings.h"
#include "skin.h"
#include "solution_window.h"
#include "texts.h"
#include "window.h"

// The key table is written without <windows.h>; these are the codes it means.
static_assert(KEY_RETURN == VK_RETURN && KEY_ESCAPE == VK_ESCAPE && KEY_END == VK_END && KEY_HOME == VK_HOME
                  && KEY_INSERT == VK_INSERT && KEY_DELETE == VK_DELETE && KEY_MULTIPLY == VK_MULTIPLY
                  && KEY_ADD == VK_ADD && KEY_SUBTRACT == VK_SUBTRACT && KEY_DIVIDE == VK_DIVIDE
                  && KEY_F2 == VK_F2 && KEY_F3 == VK_F3 && KEY_F4 == VK_F4,
              "the program's keys are the Windows virtual keys");

namespace {

const char szClassName[] = "Kalvor";  // window class of the main window
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
    case KeyAction::SOLUTION:
        ShowSolution(window);
        return true;
    case KeyAction::ARITHMETIC:
        ShowArithmetic(window);
        return true;
    case KeyAction::BITS:
        ShowBitsWindow(window);
        return true;
    case KeyAction::COMMAND:
        SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(action.command), 0);
        return true;
    default:
        return false;
    }
}

}  // namespace

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

    if (!RegisterProgramClass(instance, szClassName, CS_DBLCLKS, WindowProcedure, hBrushStatic)) {
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
    AddSolutionMenuItem(window);
    AddArithmeticMenuItem(window);
    AddBitsMenuItem(window);
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
