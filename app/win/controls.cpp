// The main window's controls.
#include "controls.h"

#include <vector>

#include "keys.h"
#include "layout.h"
#include "look.h"
#include "state.h"
#include "system_lists.h"
#include "text.h"

HWND hButtonTr, hButtonAbout, hMC, hMR, hMADD, hMSUB, hMMUL, hMDIV;  // buttons; for the run
HWND hComboIn, hComboOut;                                           // the system lists
HWND hEditIn, hEditOut, hEditT;                                     // input, output, precision
HWND hStaticFrom, hStaticTo, hStaticT, hStaticM;                    // labels and the "M" indicator
HWND hmMainDesignedCtrls[8];                                        // the skinned buttons, in skin order

namespace {

const int W = WndWidth;
const int H = WndHeight;

// Identifiers of the controls that are no command; the labels share one.
enum ControlId {
    ID_SOURCE_LIST = 3,
    ID_TARGET_LIST = 4,
    ID_INPUT = 5,
    ID_OUTPUT = 6,
    ID_LABEL = 7,
    ID_TO_LABEL = 8,
    ID_PRECISION = 9,
};

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

const int PRECISION_LABEL_LEFT = 8, PRECISION_LABEL_WIDTH = 131, PRECISION_FIELD_LEFT = 153;

// In the order of creation; the precision field's text is the precision.
const Control CONTROLS[] = {
    {&hButtonTr, "button", 0, BUTTON, "Перевести", W - 207, H - 66, 91, 29, CMD_CONVERT, false},
    {&hButtonAbout, "button", 0, BUTTON, "О программе", W - 114, H - 66, 99, 29, CMD_ABOUT, false},
    {&hMC, "button", 0, BUTTON, "MC", 9, H - 66, 30, 29, CMD_MC, true},
    {&hMR, "button", 0, BUTTON, "MR", 41, H - 66, 30, 29, CMD_MR, true},
    {&hMADD, "button", 0, BUTTON, "M ", 73, H - 66, 30, 29, CMD_MADD, true},
    {&hMSUB, "button", 0, BUTTON, "M ", 105, H - 66, 30, 29, CMD_MSUB, true},
    {&hMMUL, "button", 0, BUTTON, "M ", 137, H - 66, 30, 29, CMD_MMUL, true},
    {&hMDIV, "button", 0, BUTTON, "M ", 169, H - 66, 30, 29, CMD_MDIV, true},
    {&hComboIn, "combobox", 0, LIST, "", 34, 10, 173, 500, ID_SOURCE_LIST, false},
    {&hComboOut, "combobox", 0, LIST, "", W - 188, 10, 173, 500, ID_TARGET_LIST, false},
    {&hEditIn, "edit", WS_EX_CLIENTEDGE, FIELD, "", 34, 42, 173, 40, ID_INPUT, false},
    {&hEditOut, "edit", WS_EX_CLIENTEDGE, FIELD | ES_READONLY, "0", W - 188, 42, 173, 40, ID_OUTPUT, false},
    {&hEditT, "edit", WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, nullptr, PRECISION_FIELD_LEFT, 91, 54,
     22, ID_PRECISION, false},
    {&hStaticFrom, "static", 0, LABEL, "Из:", 8, 14, 20, 20, ID_LABEL, false},
    {&hStaticTo, "static", 0, LABEL, "в:", W - 211, 14, 20, 20, ID_TO_LABEL, false},
    {&hStaticT, "static", 0, LABEL, "Точность вычислений:", PRECISION_LABEL_LEFT, 93, PRECISION_LABEL_WIDTH, 20,
     ID_LABEL, false},
    {&hStaticM, "static", 0, WS_CHILD | SS_CENTER, "M", W - 211, 44, 20, 20, ID_LABEL, false},
};

// Width of the label's text in its font.
int TextWidth(HWND label, HFONT font)
{
    const std::string text = WindowText(label);
    HDC hdc = GetDC(label);
    HGDIOBJ old = SelectObject(hdc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(hdc, old);
    ReleaseDC(label, hdc);
    return extent.cx;
}

// A font wider than the system's own Tahoma (Wine's) would wrap the precision
// label's text and cut its second line: widen the label up to the field.
void FitPrecisionLabel(HFONT font)
{
    const int width = FittedLabelWidth(TextWidth(hStaticT, font), PRECISION_LABEL_WIDTH,
                                       PRECISION_FIELD_LEFT - PRECISION_LABEL_LEFT);
    if (width == PRECISION_LABEL_WIDTH)
        return;
    SetWindowPos(hStaticT, nullptr, 0, 0, width, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A static repaints only the strip a resize uncovers: the wrapped text would stay.
    InvalidateRect(hStaticT, nullptr, TRUE);
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
    FitPrecisionLabel(font);
    return true;
}

void FillList(HWND list, const std::vector<std::string>& items, int selected)
{
    for (const std::string& item : items)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
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

void MeasureListItem(MEASUREITEMSTRUCT* item)
{
    if (item->CtlType == ODT_COMBOBOX)
        item->itemHeight = item->itemID == static_cast<UINT>(-1) ? LIST_FIELD_HEIGHT : LIST_ITEM_HEIGHT;
}

void DrawListItem(const DRAWITEMSTRUCT* item)
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
        background = clrListStripe;
    SetBkColor(hdc, background);
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    const int y = (item->rcItem.top + item->rcItem.bottom - metrics.tmHeight) / 2;
    const std::string text = ListItemText(item->hwndItem, static_cast<int>(item->itemID));
    ExtTextOutA(hdc, LIST_TEXT_LEFT, y, ETO_OPAQUE | ETO_CLIPPED, &item->rcItem, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SetTextColor(hdc, oldText);
}
