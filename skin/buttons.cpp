// The skinned push buttons. Each button's procedure paints the whole button
// itself and passes every message but WM_PAINT on to the standard procedure,
// which keeps doing the real work (capture, keyboard, BN_CLICKED).
#include "buttons.h"
#include "skin.h"
#include "theme.h"

namespace {

HWND hmCtrls[8];                   // the skinned buttons; from InitInterface
WNDPROC fnOldFuncs[8];             // their own procedures; from InitInterface to DeleteInterface
int ihmcLen;                       // number of handles given to InitInterface
WNDPROC fnOldCbtOK;                // the box button's own procedure; from each SkinBoxButton

bool bLBPRESStr, bMHOVERtr;        // convert button; pressed and hover flags for the whole run
bool bLBPRESSab, bMHOVERab;        // about button
bool bLBPRESSmc, bMHOVERmc;        // MC
bool bLBPRESSmr, bMHOVERmr;        // MR
bool bLBPRESSmadd, bMHOVERmadd;    // M+
bool bLBPRESSmsub, bMHOVERmsub;    // M-
bool bLBPRESSmmul, bMHOVERmmul;    // M×
bool bLBPRESSmdiv, bMHOVERmdiv;    // M÷
bool bLBPRESSok, bMHOVERok;        // the message box button; cleared for every new box
bool bLBPRESScl, bMHOVERcl;        // the close button of a window of the program; cleared for each
WNDPROC fnOldCloseButton;          // that button's own procedure; while it lives

// The differences between the members of the family.
struct Member {
    int index;                     // entry in hmCtrls and fnOldFuncs; -1 for the other buttons
    WNDPROC* previous;             // the button's own procedure
    ButtonLayout layout;
    int shift, shiftXP;            // caption's left edge, pixels to the right
    const char* sign;              // operator sign drawn after "M ", or null
    int signShift, signShiftXP;
    bool* pressed;
    bool* hover;
};

const Member TR = {0, &fnOldFuncs[0], LAYOUT_SMBTNL, 2, 3, nullptr, 0, 0, &bLBPRESStr, &bMHOVERtr};
const Member AB = {1, &fnOldFuncs[1], LAYOUT_SMBTNR, 0, 1, nullptr, 0, 0, &bLBPRESSab, &bMHOVERab};
const Member MC = {2, &fnOldFuncs[2], LAYOUT_SMBTNL, 1, 2, nullptr, 0, 0, &bLBPRESSmc, &bMHOVERmc};
const Member MR = {3, &fnOldFuncs[3], LAYOUT_SMBTNC, 1, 2, nullptr, 0, 0, &bLBPRESSmr, &bMHOVERmr};
const Member MADD = {4, &fnOldFuncs[4], LAYOUT_SMBTNC, -2, -1, TADD, 11, 12, &bLBPRESSmadd, &bMHOVERmadd};
const Member MSUB = {5, &fnOldFuncs[5], LAYOUT_SMBTNC, 0, 1, TSUB, 12, 14, &bLBPRESSmsub, &bMHOVERmsub};
const Member MMUL = {6, &fnOldFuncs[6], LAYOUT_SMBTNC, -2, -1, TMUL, 12, 12, &bLBPRESSmmul, &bMHOVERmmul};
const Member MDIV = {7, &fnOldFuncs[7], LAYOUT_SMBTNR, -2, -1, TDIV, 12, 12, &bLBPRESSmdiv, &bMHOVERmdiv};
const Member OK = {-1, &fnOldCbtOK, LAYOUT_BTNR, 1, 1, nullptr, 0, 0, &bLBPRESSok, &bMHOVERok};
const Member CL = {-1, &fnOldCloseButton, LAYOUT_BTNR, 1, 1, nullptr, 0, 0, &bLBPRESScl, &bMHOVERcl};

typedef void (*DrawFunction)(HDC, HDC, RECT);

const DrawFunction DRAW[4][4] = {
    {BTNRDrawNormal, BTNRDrawHover, BTNRDrawPressed, BTNRDrawDisabled},
    {SMBTNLDrawNormal, SMBTNLDrawHover, SMBTNLDrawPressed, SMBTNLDrawDisabled},
    {SMBTNRDrawNormal, SMBTNRDrawHover, SMBTNRDrawPressed, SMBTNRDrawDisabled},
    {SMBTNCDrawNormal, SMBTNCDrawHover, SMBTNCDrawPressed, SMBTNCDrawDisabled},
};

const UINT CAPTION_FORMAT = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The main window's buttons show the disabled look; the box button never does.
bool IsEnabled(const Member& m)
{
    return m.index < 0 || IsWindowEnabled(hmCtrls[m.index]);
}

// What a member in its present state shows.
ButtonFace FaceOf(const Member& m)
{
    const bool enabled = IsEnabled(m);
    ButtonFace face;
    face.layout = m.layout;
    face.look = ChooseLook(enabled, *m.pressed, *m.hover);
    face.captionColour = CaptionColour(enabled, *m.hover);
    face.captionLeft = iIsXP ? m.shiftXP : m.shift;
    face.captionDown = m.index < 0 && iIsXP ? 3 : 0;
    face.shadowDrop = m.index < 0 ? 1 : 2;
    face.sign = m.sign;
    face.signLeft = iIsXP ? m.signShiftXP : m.signShift;
    return face;
}

void Paint(const Member& m, HWND hwnd)
{
    RECT rect;
    GetClientRect(hwnd, &rect);
    char caption[256] = "";
    GetWindowTextA(hwnd, caption, sizeof caption);
    HFONT font = m.index < 0 ? ihFont : reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    PaintButton(hdc, rect, FaceOf(m), caption, font);
    EndPaint(hwnd, &ps);
}

// Sets a flag and, when it changed, repaints the button at once.
void SetFlag(HWND hwnd, bool* flag, bool value)
{
    if (*flag == value)
        return;
    *flag = value;
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

LRESULT Handle(const Member& m, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(m, hwnd);
        return 1;
    case WM_MOUSEMOVE:
        if (!*m.hover) {
            // Ask for WM_MOUSELEAVE ourselves: not every button procedure does.
            TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
        }
        SetFlag(hwnd, m.hover, true);
        break;
    case WM_LBUTTONDOWN:
        SetFlag(hwnd, m.pressed, true);
        break;
    case WM_LBUTTONUP:
        SetFlag(hwnd, m.pressed, false);
        break;
    case WM_MOUSELEAVE:
        SetFlag(hwnd, m.hover, false);
        break;
    }
    return CallWindowProcA(*m.previous, hwnd, message, wParam, lParam);
}

// The close button's procedure; gives the button its own back as it goes.
LRESULT CALLBACK CloseButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fnOldCloseButton));
    return Handle(CL, hwnd, message, wParam, lParam);
}

}  // namespace

// The caption in a white shadow one pixel below, then in its colour.
void PaintButton(HDC hdc, RECT rect, const ButtonFace& face, const char* caption, HFONT font)
{
    RECT text = rect, sign = rect;
    HDC memory = CreateCompatibleDC(hdc);
    FillSolid(hdc, rect, clrWhite);
    text.left += face.captionLeft;
    text.top += face.captionDown;
    if (face.look == LOOK_PRESSED) {
        text.top += 2;
        sign.top += 2;
    }
    DRAW[face.layout][face.look](hdc, memory, rect);

    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    HGDIOBJ oldFont = font ? SelectObject(hdc, font) : nullptr;
    text.top += 1;
    const COLORREF oldColour = SetTextColor(hdc, clrWhite);
    DrawTextA(hdc, caption, -1, &text, CAPTION_FORMAT);
    if (face.sign) {
        sign.left += face.signLeft;
        sign.top -= 2;
        DrawTextA(hdc, face.sign, -1, &sign, CAPTION_FORMAT);
    }
    text.top -= face.shadowDrop;
    SetTextColor(hdc, face.captionColour);
    DrawTextA(hdc, caption, -1, &text, CAPTION_FORMAT);
    if (face.sign)
        DrawTextA(hdc, face.sign, -1, &sign, CAPTION_FORMAT);

    SetTextColor(hdc, oldColour);
    if (oldFont)
        SelectObject(hdc, oldFont);
    SetBkMode(hdc, oldMode);
    DeleteDC(memory);
}

LRESULT CALLBACK TrButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(TR, h, msg, w, l); }
LRESULT CALLBACK AbButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(AB, h, msg, w, l); }
LRESULT CALLBACK MCButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MC, h, msg, w, l); }
LRESULT CALLBACK MRButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MR, h, msg, w, l); }
LRESULT CALLBACK MADDButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MADD, h, msg, w, l); }
LRESULT CALLBACK MSUBButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MSUB, h, msg, w, l); }
LRESULT CALLBACK MMULButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MMUL, h, msg, w, l); }
LRESULT CALLBACK MDIVButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(MDIV, h, msg, w, l); }
namespace {

LRESULT CALLBACK OKButtonProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return Handle(OK, h, msg, w, l); }

const WNDPROC PROCEDURES[8] = {
    TrButtonProc, AbButtonProc, MCButtonProc, MRButtonProc,
    MADDButtonProc, MSUBButtonProc, MMULButtonProc, MDIVButtonProc,
};

}  // namespace

int InitInterface(HWND /*parent*/, HINSTANCE instance, HWND* buttons, int count, HFONT font, bool isXP)
{
    ihmcLen = count;
    LoadTheme(instance, font, isXP);
    for (int i = 0; i < count && i < 8; ++i)
        hmCtrls[i] = buttons[i];
    for (int i = 0; i < 8; ++i)
        fnOldFuncs[i] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(buttons[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PROCEDURES[i])));
    return 0;
}

void DeleteInterface()
{
    for (int i = 0; i < ihmcLen && i < 8; ++i)
        SetWindowLongPtrA(hmCtrls[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(fnOldFuncs[i]));
    FreeTheme();
}

void SkinBoxButton(HWND button)
{
    bLBPRESSok = false;
    bMHOVERok = false;
    fnOldCbtOK = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OKButtonProc)));
}

void SkinCloseButton(HWND button)
{
    bLBPRESScl = false;
    bMHOVERcl = false;
    fnOldCloseButton = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CloseButtonProc)));
}

void BTNRDrawNormal(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_BTNR, LOOK_NORMAL); }
void BTNRDrawHover(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_BTNR, LOOK_HOVER); }
void BTNRDrawPressed(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_BTNR, LOOK_PRESSED); }
void BTNRDrawDisabled(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_BTNR, LOOK_DISABLED); }
void SMBTNLDrawNormal(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNL, LOOK_NORMAL); }
void SMBTNLDrawHover(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNL, LOOK_HOVER); }
void SMBTNLDrawPressed(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNL, LOOK_PRESSED); }
void SMBTNLDrawDisabled(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNL, LOOK_DISABLED); }
void SMBTNRDrawNormal(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNR, LOOK_NORMAL); }
void SMBTNRDrawHover(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNR, LOOK_HOVER); }
void SMBTNRDrawPressed(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNR, LOOK_PRESSED); }
void SMBTNRDrawDisabled(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNR, LOOK_DISABLED); }
void SMBTNCDrawNormal(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNC, LOOK_NORMAL); }
void SMBTNCDrawHover(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNC, LOOK_HOVER); }
void SMBTNCDrawPressed(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNC, LOOK_PRESSED); }
void SMBTNCDrawDisabled(HDC hdc, HDC memory, RECT face) { DrawLayout(hdc, memory, face, LAYOUT_SMBTNC, LOOK_DISABLED); }
