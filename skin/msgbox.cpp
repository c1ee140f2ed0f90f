// The skinned message box: a standard MessageBoxA restyled from a CBT hook
// that lives only from the call until the box is first activated. The box
// gets a white body and a grey footer with a gradient line; its one button
// is relabelled "Закрыть", moved into the bottom right corner and painted
// by the skin.
#include "buttons.h"
#include "skin.h"
#include "theme.h"

namespace {

HHOOK hhk;                 // the hook of the current call; until the box is activated or the call returns
HWND hChildWnd;            // the current box
HWND hIDOK;                // its button
WNDPROC fnOldCbtWnd;       // the box's own procedure
HBRUSH hBrushCbtWhite;     // background of the box's texts; made once, lives for the run
int iOkWidth, iOkHeight;   // the button's size taken at activation; for each box

const int FOOTER_HEIGHT = 50;
const int FOOTER_HEIGHT_XP = 43;

// Puts the button 8 pixels from the right and 10 from the bottom of the box,
// keeping its width and making it 2 pixels taller. Some systems lay the
// buttons out after the activation hook has run, so the box procedure
// places it again when the box is first shown, from the size the layout gave.
void PlaceButton()
{
    RECT box;
    GetClientRect(hChildWnd, &box);
    MoveWindow(hIDOK, box.right - iOkWidth - 8, box.bottom - iOkHeight - 10, iOkWidth, iOkHeight, TRUE);
}

void Unhook()
{
    if (hhk != nullptr)
        UnhookWindowsHookEx(hhk);
    hhk = nullptr;
}

void CBTMSGDrawLine(HDC hdc, HDC memory, RECT band)
{
    if (hBmpLine == nullptr)
        return;
    HGDIOBJ old = SelectObject(memory, hBmpLine);
    const int width = bmpLine.bmWidth + 200;
    StretchBlt(hdc, band.right - width, band.top, width, 2, memory, 0, 0, bmpLine.bmWidth, bmpLine.bmHeight, SRCCOPY);
    SelectObject(memory, old);
}

LRESULT CALLBACK CBTWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Restyles the box when it is first activated; the hook has done its work then.
LRESULT CALLBACK CBTProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code != HCBT_ACTIVATE) {
        CallNextHookEx(hhk, code, wParam, lParam);
        return 0;
    }
    Unhook();
    hChildWnd = reinterpret_cast<HWND>(wParam);
    hIDOK = GetDlgItem(hChildWnd, IDOK);
    fnOldCbtWnd = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hChildWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CBTWndProc)));
    if (hIDOK == nullptr)
        return 0;
    RECT button;
    GetClientRect(hIDOK, &button);
    iOkWidth = button.right;
    iOkHeight = button.bottom + 2;
    SetWindowTextA(hIDOK, "Закрыть");
    PlaceButton();
    SkinBoxButton(hIDOK);
    return 0;
}

LRESULT CALLBACK CBTWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintBoxWindow(hwnd);
        return 1;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (hBrushCbtWhite == nullptr)
            hBrushCbtWhite = CreateSolidBrush(clrWhite);
        return reinterpret_cast<LRESULT>(hBrushCbtWhite);
    case WM_SHOWWINDOW:
        if (wParam && hIDOK != nullptr && GetParent(hIDOK) == hwnd) {
            // Laid out since the activation (Wine does it after the hook):
            // the system's new size is the one to keep and make 2 px taller.
            RECT button;
            GetClientRect(hIDOK, &button);
            if (button.right != iOkWidth || button.bottom != iOkHeight) {
                iOkWidth = button.right;
                iOkHeight = button.bottom + 2;
            }
            PlaceButton();
        }
        break;
    }
    return CallWindowProcA(fnOldCbtWnd, hwnd, message, wParam, lParam);
}

}  // namespace

int BoxFooterHeight()
{
    return iIsXP ? FOOTER_HEIGHT_XP : FOOTER_HEIGHT;
}

void PaintBoxBody(HDC hdc, RECT client, int footerHeight)
{
    HDC memory = CreateCompatibleDC(hdc);
    FillSolid(hdc, client, clrWhite);
    RECT footer = client;
    footer.top = footer.bottom - footerHeight;
    FillSolid(hdc, footer, clrBackground);
    CBTMSGDrawLine(hdc, memory, footer);
    DeleteDC(memory);
}

void PaintBoxWindow(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(window, &ps);
    PaintBoxBody(hdc, client, BoxFooterHeight());
    EndPaint(window, &ps);
}

// The hook goes when the box is activated, and at the latest when the call
// returns: a box that never activates must not leave it to the next window.
int CBTMessageBox(HWND owner, const char* text, const char* caption, unsigned int flags)
{
    hhk = SetWindowsHookExA(WH_CBT, CBTProc, nullptr, GetCurrentThreadId());
    const int result = MessageBoxA(owner, text, caption, flags);
    Unhook();
    return result;
}
