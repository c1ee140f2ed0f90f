// The window of numbers in memory, modal as modal_window.h makes it. The
// requests are the window-free form's (bits_form.h); this file only reads
// the controls and writes back.
#include "bits_window.h"

#include <string>

#include "bits_form.h"
#include "controls.h"
#include "messages.h"
#include "modal_window.h"
#include "skin.h"
#include "solution_view.h"
#include "window.h"

namespace {

const char CLASS_NAME[] = "KalvorBits";
const char TITLE[] = "Числа в памяти";
const UINT IDM_BITS = 0x0030;  // system-menu item: below 0xF000, low four bits clear

enum ControlId {
    ID_NUMBER = 100,
    ID_SYSTEM = 101,
    ID_CHOICE = 102,
    ID_WIDTH = 103,
    ID_WRITE = 104,
    ID_READ = 105,
    ID_COMPUTE = 106,
    ID_SOLUTION = 107,
    ID_LABEL = 110,  // the labels of the fields: ID_LABEL + row
    ID_FIELD = 120,  // the fields: ID_FIELD + row
    ID_STATIC = 130,
};

const int START_WIDTH = 740, START_HEIGHT = 580;  // within an 800 by 600 screen
const int MIN_WIDTH = 560, MIN_HEIGHT = 480;
const int BUTTON_WIDTH = 91, BUTTON_HEIGHT = 29, BUTTON_RIGHT = 8, BUTTON_BOTTOM = 10;
const int MARGIN = 12, LABEL_WIDTH = 110, ROW_HEIGHT = 24, FIELD_LABEL_WIDTH = 200;
const int FIELDS_TOP = 108;
const int SOLUTION_TOP = FIELDS_TOP + MOST_BIT_FIELDS * ROW_HEIGHT + 24;

HWND hBits;                       // the window; while it is open
HWND hBitsNumber, hBitsSystem;    // the number or code, and its system
HWND hBitsChoice, hBitsWidth;     // what to show, and the register's width for the codes
HWND hBitsWrite, hBitsRead;       // the direction: number to bits, bits to number
HWND hBitsCompute;                // "Вычислить"
HWND hBitsSolution;               // the worked solution
HWND hBitsLabels[MOST_BIT_FIELDS];  // the fields' labels and the fields
HWND hBitsFields[MOST_BIT_FIELDS];
HWND hBitsSolutionLabel, hBitsWidthLabel;
HFONT hFontBits;                  // the fields' fixed-pitch font; while the window is open
bool bBitsClosing;                // set by Escape or the close box; ends the loop

HWND Child(const char* cls, DWORD exStyle, DWORD style, const char* text, int id, HFONT font)
{
    HWND control = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hBits,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hBits, GWLP_HINSTANCE)), nullptr);
    if (control != nullptr)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void Place(int id, int x, int y, int width, int height)
{
    MoveWindow(GetDlgItem(hBits, id), x, y, width, height, TRUE);
}

// The inputs in three rows on top, the fields under them, the solution
// filling the rest, "Вычислить" in the footer's right corner.
void Layout(int width, int height)
{
    const int right = width - MARGIN;
    const int inputLeft = MARGIN + LABEL_WIDTH;
    Place(ID_STATIC + 0, MARGIN, 15, LABEL_WIDTH, 20);
    Place(ID_NUMBER, inputLeft, 12, right - inputLeft - 150, 22);
    Place(ID_STATIC + 1, right - 140, 15, 70, 20);
    Place(ID_SYSTEM, right - 64, 12, 64, 300);
    Place(ID_STATIC + 2, MARGIN, 47, LABEL_WIDTH, 20);
    Place(ID_CHOICE, inputLeft, 44, 240, 300);
    Place(ID_STATIC + 3, right - 140, 47, 86, 20);
    Place(ID_WIDTH, right - 50, 44, 50, 22);
    Place(ID_WRITE, inputLeft, 76, 150, 22);
    Place(ID_READ, inputLeft + 160, 76, 150, 22);
    for (int row = 0; row < MOST_BIT_FIELDS; ++row) {
        Place(ID_LABEL + row, MARGIN, FIELDS_TOP + row * ROW_HEIGHT + 3, FIELD_LABEL_WIDTH, 20);
        Place(ID_FIELD + row, MARGIN + FIELD_LABEL_WIDTH, FIELDS_TOP + row * ROW_HEIGHT,
              right - MARGIN - FIELD_LABEL_WIDTH, 22);
    }
    Place(ID_STATIC + 4, MARGIN, SOLUTION_TOP - 20, 200, 18);
    Place(ID_SOLUTION, MARGIN, SOLUTION_TOP, right - MARGIN, height - BoxFooterHeight() - 8 - SOLUTION_TOP);
    Place(ID_COMPUTE, width - BUTTON_WIDTH - BUTTON_RIGHT, height - BUTTON_HEIGHT - BUTTON_BOTTOM, BUTTON_WIDTH,
          BUTTON_HEIGHT);
}

// The width field only counts for the codes.
void OnChoice()
{
    const bool codes = SendMessageA(hBitsChoice, CB_GETCURSEL, 0, 0) == BITS_CHOICE_CODES;
    EnableWindow(hBitsWidth, codes);
    EnableWindow(hBitsWidthLabel, codes);
}

void ShowAnswer(const BitsAnswer& answer)
{
    for (int row = 0; row < MOST_BIT_FIELDS; ++row) {
        const bool shown = row < static_cast<int>(answer.fields.size());
        SetWindowTextA(hBitsLabels[row], shown ? (answer.fields[static_cast<size_t>(row)].first + ":").c_str() : "");
        SetWindowTextA(hBitsFields[row], shown ? answer.fields[static_cast<size_t>(row)].second.c_str() : "");
        ShowWindow(hBitsFields[row], shown ? SW_SHOW : SW_HIDE);
    }
    SetWindowTextA(hBitsSolution, answer.solution.c_str());
}

// Reads the controls, runs the request, and shows its fields and solution,
// or the box with the message; a refused request leaves what was shown.
void OnCompute()
{
    BitsRequest request;
    request.number = WindowText(hBitsNumber);
    request.system = SelectedSystem(hBitsSystem);
    request.choice = static_cast<int>(SendMessageA(hBitsChoice, CB_GETCURSEL, 0, 0));
    request.reading = SendMessageA(hBitsRead, BM_GETCHECK, 0, 0) == BST_CHECKED;
    request.width = WindowText(hBitsWidth);
    const BitsAnswer answer = AnswerBits(request);
    if (answer.done)
        ShowAnswer(answer);
    else if (!answer.message.empty())
        ShowError(hBits, answer.message, MB_ICONEXCLAMATION);
    SetFocus(hBitsNumber);
}

void OnCommand(int id, int notification)
{
    if (id == ID_COMPUTE && notification == BN_CLICKED)
        OnCompute();
    else if (id == ID_CHOICE && notification == CBN_SELCHANGE)
        OnChoice();
    else if (id == IDCANCEL)
        bBitsClosing = true;
}

LRESULT CALLBACK BitsProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result;
    if (AnswerModalMessage(hwnd, message, lParam, Layout, POINT{MIN_WIDTH, MIN_HEIGHT}, result))
        return result;
    switch (message) {
    case WM_CTLCOLORSTATIC:  // labels, radio buttons and read-only fields: on the white body
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_MEASUREITEM:
        MeasureListItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        DrawListItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        bBitsClosing = true;
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const DWORD LIST = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;

// The controls, in the order Tab visits them; false when any is missing.
bool CreateControls()
{
    HFONT font = hFont;
    hFontBits = MakeFixedFont();
    bool made = Child("static", 0, 0, "Число или код:", ID_STATIC + 0, font) != nullptr;
    hBitsNumber = Child("edit", WS_EX_CLIENTEDGE, WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, "", ID_NUMBER, font);
    made = Child("static", 0, SS_RIGHT, "Система:", ID_STATIC + 1, font) && made;
    hBitsSystem = Child("combobox", 0, LIST, "", ID_SYSTEM, font);
    made = Child("static", 0, 0, "Что показать:", ID_STATIC + 2, font) && made;
    hBitsChoice = Child("combobox", 0, LIST, "", ID_CHOICE, font);
    hBitsWidthLabel = Child("static", 0, SS_RIGHT, "Разрядность:", ID_STATIC + 3, font);
    hBitsWidth = Child("edit", WS_EX_CLIENTEDGE, WS_TABSTOP | ES_NUMBER, "8", ID_WIDTH, font);
    hBitsWrite = Child("button", 0, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, "Число в биты", ID_WRITE, font);
    hBitsRead = Child("button", 0, BS_AUTORADIOBUTTON, "Биты в число", ID_READ, font);
    for (int row = 0; row < MOST_BIT_FIELDS; ++row) {
        hBitsLabels[row] = Child("static", 0, WS_GROUP, "", ID_LABEL + row, font);
        hBitsFields[row] = Child("edit", WS_EX_CLIENTEDGE, WS_GROUP | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, "",
                                 ID_FIELD + row, hFontBits);
        made = made && hBitsLabels[row] && hBitsFields[row];
        ShowWindow(hBitsFields[row], SW_HIDE);
    }
    hBitsSolutionLabel = Child("static", 0, 0, "Решение:", ID_STATIC + 4, font);
    hBitsSolution = Child(SOLUTION_VIEW_CLASS, WS_EX_CLIENTEDGE, WS_GROUP | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL, "",
                          ID_SOLUTION, hFontBits);
    hBitsCompute = Child("button", 0, WS_GROUP | WS_TABSTOP, "Вычислить", ID_COMPUTE, font);
    if (!made || !hBitsNumber || !hBitsSystem || !hBitsChoice || !hBitsWidthLabel || !hBitsWidth || !hBitsWrite
        || !hBitsRead || !hBitsSolutionLabel || !hBitsSolution || !hBitsCompute || !hFontBits)
        return false;
    FillList(hBitsSystem, BitsSystemItems(), BITS_SYSTEM_START_ITEM);
    FillList(hBitsChoice, BitsChoiceItems(), BITS_CHOICE_CODES);
    SendMessageA(hBitsWrite, BM_SETCHECK, BST_CHECKED, 0);
    SkinCloseButton(hBitsCompute);
    return true;
}

// The window centred on owner with its controls; false when any is missing.
bool Create(HWND owner)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    if (!RegisterModalClass(instance, CLASS_NAME, BitsProcedure))
        return false;
    hBits = CreateModalWindow(owner, CLASS_NAME, TITLE, WS_EX_CONTROLPARENT, START_WIDTH, START_HEIGHT);
    if (hBits == nullptr || !CreateControls())
        return false;
    RECT client;
    GetClientRect(hBits, &client);
    Layout(client.right, client.bottom);
    return true;
}

// Enter computes (but chooses in an open list), Escape closes; the rest goes
// to the controls, Tab and the arrows among them. The solution's view takes
// its own keys (Ctrl+A, Ctrl+C, scrolling).
bool HandleKey(MSG& msg)
{
    if (msg.message == WM_KEYDOWN) {
        if (msg.wParam == VK_ESCAPE) {
            bBitsClosing = true;
            return true;
        }
        const bool listOpen = SendMessageA(hBitsSystem, CB_GETDROPPEDSTATE, 0, 0)
                              || SendMessageA(hBitsChoice, CB_GETDROPPEDSTATE, 0, 0);
        if (msg.wParam == VK_RETURN && !listOpen) {
            OnCompute();
            return true;
        }
    }
    return IsDialogMessageA(hBits, &msg) != 0;
}

void Destroy()
{
    if (hBits != nullptr)
        DestroyWindow(hBits);
    hBits = hBitsNumber = hBitsSystem = hBitsChoice = hBitsWidth = hBitsWrite = hBitsRead = nullptr;
    hBitsCompute = hBitsSolution = hBitsSolutionLabel = hBitsWidthLabel = nullptr;
    for (int row = 0; row < MOST_BIT_FIELDS; ++row)
        hBitsLabels[row] = hBitsFields[row] = nullptr;
    if (hFontBits != nullptr)
        DeleteObject(hFontBits);
    hFontBits = nullptr;
}

}  // namespace

void ShowBitsWindow(HWND owner)
{
    bBitsClosing = false;
    if (Create(owner))
        RunModal(owner, hBits, hBitsNumber, bBitsClosing, HandleKey);
    Destroy();
}

void AddBitsMenuItem(HWND window)
{
    AppendMenuA(GetSystemMenu(window, FALSE), MF_STRING, IDM_BITS, "Числа в памяти...\tF4");
}

bool IsBitsMenuItem(WPARAM command)
{
    return (command & 0xFFF0) == IDM_BITS;
}
