#include "controls.h"

#include <vector>

#include "system_lists.h"
#include "state.h"
#include "text.h"

HWND hButtonTr, hButtonAbout, hMC, hMR, hMADD, hMSUB, hMMUL, hMDIV;  // buttons; for the run
HWND hComboIn, hComboOut;                                           // the system lists
HWND hEditIn, hEditOut, hEditT;                                     // input, output, precision
HWND hStaticFrom, hStaticTo, hStaticT, hStaticM;                    // labels and the "M" indicator
HWND hmMainDesignedCtrls[8];                                        // the skinned buttons, in skin order

namespace {

const int W = 444;  // the window's outer size, from which the right-hand
const int H = 199;  // controls and the button row are placed

const DWORD BUTTON = WS_CHILD | WS_VISIBLE;
const DWORD LIST = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS
                   | CBS_NOINTEGRALHEIGHT;
const DWORD FIELD = WS_CHILD | WS_VISIBLE | WS_HSCROLL | ES_MULTILINE | ES_UPPERCASE | ES_AUTOHSCROLL;
const DWORD LABEL = WS_CHILD | WS_VISIBLE | SS_CENTER;

struct Control {
    HWND* handle;
    const char* cls;
    DWORD exStyle, style;
    const char* text;
    int x, y, width, height, id;
    bool memoryFont;
};

// In the order of creation; the precision field's text is the precision.
const Control CONTROLS[] = {
    {&hButtonTr, "button", 0, BUTTON, "Перевести", W - 207, H - 66, 91, 29, 1, false},
    {&hButtonAbout, "button", 0, BUTTON, "О программе", W - 114, H - 66, 99, 29, 2, false},
    {&hMC, "button", 0, BUTTON, "MC", 9, H - 66, 30, 29, 10, true},
    {&hMR, "button", 0, BUTTON, "MR", 41, H - 66, 30, 29, 11, true},
    {&hMADD, "button", 0, BUTTON, "M ", 73, H - 66, 30, 29, 12, true},
    {&hMSUB, "button", 0, BUTTON, "M ", 105, H - 66, 30, 29, 13, true},
    {&hMMUL, "button", 0, BUTTON, "M ", 137, H - 66, 30, 29, 14, true},
    {&hMDIV, "button", 0, BUTTON, "M ", 169, H - 66, 30, 29, 15, true},
    {&hComboIn, "combobox", 0, LIST, "", 34, 10, 173, 500, 3, false},
    {&hComboOut, "combobox", 0, LIST, "", W - 188, 10, 173, 500, 4, false},
    {&hEditIn, "edit", WS_EX_CLIENTEDGE, FIELD, "", 34, 42, 173, 40, 5, false},
    {&hEditOut, "edit", WS_EX_CLIENTEDGE, FIELD | ES_READONLY, "0", W - 188, 42, 173, 40, 6, false},
    {&hEditT, "edit", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, nullptr, 153, 91, 54, 22, 9, false},
    {&hStaticFrom, "static", 0, LABEL, "Из:", 8, 14, 20, 20, 7, false},
    {&hStaticTo, "static", 0, LABEL, "в:", W - 211, 14, 20, 20, 8, false},
    {&hStaticT, "static", 0, LABEL, "Точность вычислений:", 8, 93, 131, 20, 7, false},
    {&hStaticM, "static", 0, WS_CHILD | SS_CENTER, "M", W - 211, 44, 20, 20, 7, false},
};

void FillList(HWND list, const std::vector<std::string>& items, int selected)
{
    for (const std::string& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace

bool CreateControls(HWND window, HINSTANCE instance, HFONT font, HFONT memoryFont)
{
    const std::string precision = NumToStr(iFT);
    int button = 0;
    for (const Control& c : CONTROLS) {
        *c.handle = CreateWindowExA(c.exStyle, c.cls, c.text ? c.text : precision.c_str(), c.style, c.x, c.y,
                                    c.width, c.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                    instance, nullptr);
        if (*c.handle == nullptr)
            return false;
        if (c.handle == &hComboIn)
            FillList(hComboIn, SourceSystemItems(), SOURCE_START_ITEM);
        if (c.handle == &hComboOut)
            FillList(hComboOut, TargetSystemItems(), TARGET_START_ITEM);
        if (button < 8 && c.cls[0] == 'b')
            hmMainDesignedCtrls[button++] = *c.handle;
    }
    // The main font first, in this order, then the memory buttons' font.
    for (HWND control : {hComboIn, hComboOut, hEditIn, hEditOut, hButtonTr, hButtonAbout, hStaticFrom, hStaticTo,
                         hStaticT, hEditT, hStaticM})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    for (const Control& c : CONTROLS)
        if (c.memoryFont)
            SendMessageA(*c.handle, WM_SETFONT, reinterpret_cast<WPARAM>(memoryFont), TRUE);
    return true;
}

std::string WindowText(HWND control)
{
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(control, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string ListItemText(HWND list, int index)
{
    const LRESULT length = index < 0 ? -1 : SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

int SelectedSystem(HWND list)
{
    return SystemOfItem(ListItemText(list, static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0))));
}
