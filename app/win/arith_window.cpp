// The "Арифметика" window, modal as the "Решение" window is (modal_window.h): Tab
// moves between its fields, Enter computes, Escape closes.
#include "arith_window.h"

#include <string>

#include "arith_form.h"
#include "arithsteps.h"
#include "controls.h"
#include "messages.h"
#include "modal_window.h"
#include "skin.h"
#include "solution_view.h"
#include "solution_window.h"
#include "system_lists.h"
#include "window.h"

namespace {

const char CLASS_NAME[] = "KalvorArithmetic";
const char TITLE[] = "Арифметика";
const UINT IDM_ARITHMETIC = 0x0020;  // system-menu item: below 0xF000, low four bits clear
const int START_WIDTH = 720, START_HEIGHT = 560;
const int MIN_WIDTH = 560, MIN_HEIGHT = 360;
const int MARGIN = 12, LABEL_WIDTH = 108, FIELD_LEFT = MARGIN + LABEL_WIDTH + 6;
const int LIST_WIDTH = 150, ROW = 32, FIELD_HEIGHT = 22;
const int BUTTON_WIDTH = 91, BUTTON_HEIGHT = 29;

// Identifiers of the controls, in the order Tab visits them.
enum ControlId {
    ID_FIRST = 100,
    ID_FIRST_SYSTEM,
    ID_OPERATION,
    ID_SECOND,
    ID_SECOND_SYSTEM,
    ID_RESULT_SYSTEM,
    ID_PRECISION,
    ID_COMPUTE,
    ID_RESULT,
    ID_SOLUTION,
    ID_LABEL,
};

HWND hArith;           // the window; while it is open
HWND hArithFirst, hArithFirstSystem, hArithOperation, hArithSecond, hArithSecondSystem;  // its fields
HWND hArithResultSystem, hArithPrecision, hArithCompute, hArithResult, hArithSolution;    // likewise
HWND hArithLabels[7];  // its labels; likewise
HWND hArithFocus;      // the field that had the focus when the window was last left; while it is open
HFONT hFontArith;      // the solution's fixed-pitch font; while the window is open
bool bArithClosing;    // set by Escape or the close box; ends the loop

struct Label {
    const char* text;
    int row;
};

const Label LABELS[] = {
    {"Первое число:", 0}, {"Действие:", 1}, {"Второе число:", 2}, {"Ответ в:", 3}, {"Результат:", 4}, {"Решение:", 5},
    {"Точность:", 3},
};

int RowTop(int row)
{
    return MARGIN + row * ROW;
}

// The fields in rows, the lists at the right of the numbers, the solution
// filling what is left.
void Layout(int width, int height)
{
    const int listLeft = width - MARGIN - LIST_WIDTH;
    const int numberWidth = listLeft - 8 - FIELD_LEFT;
    for (int k = 0; k < 6; ++k)
        MoveWindow(hArithLabels[k], MARGIN, RowTop(LABELS[k].row) + 3, LABEL_WIDTH, 18, TRUE);
    MoveWindow(hArithFirst, FIELD_LEFT, RowTop(0), numberWidth, FIELD_HEIGHT, TRUE);
    MoveWindow(hArithFirstSystem, listLeft, RowTop(0), LIST_WIDTH, 300, TRUE);
    MoveWindow(hArithOperation, FIELD_LEFT, RowTop(1), LIST_WIDTH, 200, TRUE);
    MoveWindow(hArithSecond, FIELD_LEFT, RowTop(2), numberWidth, FIELD_HEIGHT, TRUE);
    MoveWindow(hArithSecondSystem, listLeft, RowTop(2), LIST_WIDTH, 300, TRUE);
    MoveWindow(hArithResultSystem, FIELD_LEFT, RowTop(3), LIST_WIDTH, 300, TRUE);
    const int precisionLabel = FIELD_LEFT + LIST_WIDTH + 16;
    MoveWindow(hArithLabels[6], precisionLabel, RowTop(3) + 3, 76, 18, TRUE);
    MoveWindow(hArithPrecision, precisionLabel + 80, RowTop(3), 54, FIELD_HEIGHT, TRUE);
    MoveWindow(hArithCompute, width - MARGIN - BUTTON_WIDTH, RowTop(3) - 3, BUTTON_WIDTH, BUTTON_HEIGHT, TRUE);
    MoveWindow(hArithResult, FIELD_LEFT, RowTop(4), width - MARGIN - FIELD_LEFT, FIELD_HEIGHT, TRUE);
    const int solutionTop = RowTop(5) + 22;
    MoveWindow(hArithSolution, MARGIN, solutionTop, width - 2 * MARGIN, height - MARGIN - solutionTop, TRUE);
}

// Reads the fields, runs the command, and shows its result and solution or
// the message of its refusal; the fields are left as they were.
void Compute()
{
    ArithFields fields;
    fields.first = WindowText(hArithFirst);
    fields.second = WindowText(hArithSecond);
    fields.precision = WindowText(hArithPrecision);
    fields.firstSystemItem = static_cast<int>(SendMessageA(hArithFirstSystem, CB_GETCURSEL, 0, 0));
    fields.secondSystemItem = static_cast<int>(SendMessageA(hArithSecondSystem, CB_GETCURSEL, 0, 0));
    fields.operationItem = static_cast<int>(SendMessageA(hArithOperation, CB_GETCURSEL, 0, 0));
    fields.resultItem = static_cast<int>(SendMessageA(hArithResultSystem, CB_GETCURSEL, 0, 0));
    const ArithmeticRequest request = RequestOfFields(fields);
    const ArithmeticOutcome outcome = Calculate(request);
    if (outcome.kind == ArithmeticOutcome::MESSAGE) {
        ShowError(hArith, outcome.message, MB_ICONEXCLAMATION);
        return;
    }
    if (outcome.kind != ArithmeticOutcome::RESULT)
        return;
    SetWindowTextA(hArithResult, outcome.result.c_str());
    SetWindowTextA(hArithSolution, SolveArithmetic(request, outcome).text.c_str());
}

// The labels on the window's grey, the read-only fields white.
LRESULT OnCtlColorStatic(HDC hdc, HWND control)
{
    if (control == hArithResult) {
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    SetBkMode(hdc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(hBrushStatic);
}

LRESULT CALLBACK ArithmeticProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{MIN_WIDTH, MIN_HEIGHT};
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MEASUREITEM:
        MeasureListItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        DrawListItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        // A message box takes the focus: the field that had it gets it back.
        if (LOWORD(wParam) == WA_INACTIVE)
            hArithFocus = GetFocus();
        else if (hArithFocus != nullptr && IsChild(hwnd, hArithFocus))
            SetFocus(hArithFocus);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_COMPUTE && HIWORD(wParam) == BN_CLICKED)
            Compute();
        return 0;
    case WM_CLOSE:
        bArithClosing = true;
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

HWND MakeControl(DWORD exStyle, const char* cls, const char* text, DWORD style, int id, HINSTANCE instance)
{
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hArith,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND MakeList(int id, const std::vector<std::string>& items, int selected, HINSTANCE instance)
{
    HWND list = MakeControl(0, "combobox", "",
                            WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS
                                | CBS_NOINTEGRALHEIGHT,
                            id, instance);
    for (const std::string& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    return list;
}

// The window centred on owner with its controls; false when any is missing.
bool Create(HWND owner, const std::string& precision)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    if (!RegisterModalClass(instance, CLASS_NAME, ArithmeticProcedure, hBrushStatic))
        return false;
    hArith = CreateModalWindow(owner, CLASS_NAME, TITLE, WS_EX_CONTROLPARENT, START_WIDTH, START_HEIGHT);
    if (hArith == nullptr)
        return false;
    const DWORD field = WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE;
    hArithFirst = MakeControl(WS_EX_CLIENTEDGE, "edit", "", field, ID_FIRST, instance);
    hArithFirstSystem = MakeList(ID_FIRST_SYSTEM, OperandSystemItems(), OPERAND_START_ITEM, instance);
    hArithOperation = MakeList(ID_OPERATION, OperationItems(), 0, instance);
    hArithSecond = MakeControl(WS_EX_CLIENTEDGE, "edit", "", field, ID_SECOND, instance);
    hArithSecondSystem = MakeList(ID_SECOND_SYSTEM, OperandSystemItems(), OPERAND_START_ITEM, instance);
    hArithResultSystem = MakeList(ID_RESULT_SYSTEM, TargetSystemItems(), RESULT_START_ITEM, instance);
    hArithPrecision = MakeControl(WS_EX_CLIENTEDGE, "edit", precision.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, ID_PRECISION,
                                  instance);
    hArithCompute = MakeControl(0, "button", "Вычислить", WS_TABSTOP, ID_COMPUTE, instance);
    hArithResult = MakeControl(WS_EX_CLIENTEDGE, "edit", "", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, ID_RESULT,
                               instance);
    // The view paints the notation's subscripts and copies them as Unicode.
    hArithSolution = CreateSolutionView(hArith, ID_SOLUTION, instance);
    if (hArithSolution != nullptr)
        SetWindowLongPtrA(hArithSolution, GWL_STYLE, GetWindowLongPtrA(hArithSolution, GWL_STYLE) | WS_TABSTOP);
    for (int k = 0; k < 7; ++k)
        hArithLabels[k] = MakeControl(0, "static", LABELS[k].text, SS_LEFT, ID_LABEL, instance);
    for (HWND control : {hArithFirst, hArithFirstSystem, hArithOperation, hArithSecond, hArithSecondSystem,
                         hArithResultSystem, hArithPrecision, hArithCompute, hArithResult, hArithSolution})
        if (control == nullptr)
            return false;
    for (HWND control : {hArithFirst, hArithFirstSystem, hArithOperation, hArithSecond, hArithSecondSystem,
                         hArithResultSystem, hArithPrecision, hArithCompute, hArithResult})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    for (HWND label : hArithLabels)
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    hFontArith = MakeFixedFont();
    SendMessageA(hArithSolution, WM_SETFONT, reinterpret_cast<WPARAM>(hFontArith), FALSE);
    SkinCloseButton(hArithCompute);
    RECT client;
    GetClientRect(hArith, &client);
    Layout(client.right, client.bottom);
    return true;
}

// Whether the list that has the focus shows its items: Enter and Escape are
// then the list's own.
bool ListDropped()
{
    HWND focus = GetFocus();
    char cls[16] = {};
    GetClassNameA(focus, cls, sizeof cls);
    return lstrcmpiA(cls, "ComboBox") == 0 && SendMessageA(focus, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// Escape closes, Enter computes, Ctrl+A selects the whole text of the field
// that has the focus (the fields copy with Ctrl+C themselves).
bool TakeKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || ListDropped())
        return false;
    switch (msg.wParam) {
    case VK_ESCAPE:
        bArithClosing = true;
        return true;
    case VK_RETURN:
        Compute();
        return true;
    case 'A':
        if (GetKeyState(VK_CONTROL) >= 0)
            return false;
        SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
        return true;
    default:
        return false;
    }
}

// The window's keys first; then Tab and the arrows go among the fields.
bool HandleKey(MSG& msg)
{
    return TakeKey(msg) || IsDialogMessageA(hArith, &msg) != 0;
}

}  // namespace

void ShowArithmeticWindow(HWND owner, const std::string& precision)
{
    bArithClosing = false;
    if (Create(owner, precision))
        RunModal(owner, hArith, hArithFirst, bArithClosing, HandleKey);
    if (hArith != nullptr)
        DestroyWindow(hArith);
    hArith = hArithFocus = nullptr;
    if (hFontArith != nullptr)
        DeleteObject(hFontArith);
    hFontArith = nullptr;
}

void AddArithmeticMenuItem(HWND window)
{
    AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, IDM_ARITHMETIC, "Арифметика...\tF3");
}

bool IsArithmeticMenuItem(WPARAM command)
{
    return (command & 0xFFF0) == IDM_ARITHMETIC;
}
