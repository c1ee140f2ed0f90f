// The view paints a line as runs of cells that share a script and a
// selection state, each run with one ExtTextOutW whose advances are all one
// cell wide: the font's own widths, or a substituted glyph, never move a
// column. Every run is opaque, so nothing is erased first and nothing flickers.
#include "solution_view.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "charset.h"

const char SOLUTION_VIEW_CLASS[] = "KalvorSolutionView";

namespace {

const int MARGIN_X = 4, MARGIN_Y = 2;  // white space before the first column and above the first line
const UINT IDM_COPY = 1, IDM_SELECT_ALL = 2;

struct Line {
    size_t begin;   // offset of its first byte in the text
    size_t length;  // its bytes, the line end left out
};

// What one view keeps: from WM_NCCREATE to WM_NCDESTROY.
struct View {
    std::string text;          // as set, line ends and all
    std::vector<Line> lines;   // at least one
    size_t widest = 0;         // cells of the longest line
    HFONT font = nullptr;      // the caller's font; null for the system's fixed font
    HFONT small = nullptr;     // the marks' font, the view's own
    int cell = 8;              // width of a cell
    int lineHeight = 16;
    int textTop = 0;           // where a line's own characters start, below its top
    int subscriptTop = 0;      // where a subscript starts
    int top = 0, left = 0;     // the first line and the first column shown
    size_t anchor = 0, caret = 0;  // the selection runs between them
    bool dragging = false;     // the left button selects
    int wheel = 0;             // wheel turns not yet scrolled
};

View* ViewOf(HWND hwnd)
{
    return reinterpret_cast<View*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

size_t SelectionStart(const View& v)
{
    return std::min(v.anchor, v.caret);
}

size_t SelectionEnd(const View& v)
{
    return std::max(v.anchor, v.caret);
}

// ---- the text ------------------------------------------------------------

void SetText(View& v, const char* text)
{
    v.text = text != nullptr ? text : "";
    v.lines.clear();
    v.widest = 0;
    for (size_t begin = 0;;) {
        const size_t end = v.text.find('\n', begin);
        size_t length = (end == std::string::npos ? v.text.size() : end) - begin;
        if (length > 0 && v.text[begin + length - 1] == '\r')
            --length;
        v.lines.push_back({begin, length});
        v.widest = std::max(v.widest, length);
        if (end == std::string::npos)
            break;
        begin = end + 1;
    }
    v.top = v.left = 0;
    v.anchor = v.caret = 0;
}

// The selection as UTF-16 with CR LF line ends, each mark its Unicode character.
std::wstring SelectedText(const View& v)
{
    std::wstring wide;
    for (size_t at = SelectionStart(v); at < SelectionEnd(v); ++at) {
        const unsigned char byte = static_cast<unsigned char>(v.text[at]);
        if (byte == '\n' && (at == 0 || v.text[at - 1] != '\r'))
            wide += L'\r';
        wide += static_cast<wchar_t>(CodePointOf(byte));  // every one of them lies in the BMP
    }
    return wide;
}

bool CopySelection(HWND hwnd, const View& v)
{
    const std::wstring wide = SelectedText(v);
    if (wide.empty())
        return false;
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
    bool given = false;
    if (OpenClipboard(hwnd)) {
        EmptyClipboard();
        given = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!given)
        GlobalFree(memory);  // the clipboard owns it only once it took it
    return given;
}

// ---- geometry --------------------------------------------------------------

int VisibleLines(HWND hwnd, const View& v)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, static_cast<int>(client.bottom - MARGIN_Y) / v.lineHeight);
}

int VisibleColumns(HWND hwnd, const View& v)
{
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max(1, static_cast<int>(client.right - MARGIN_X) / v.cell);
}

int LastTop(HWND hwnd, const View& v)
{
    return std::max(0, static_cast<int>(v.lines.size()) - VisibleLines(hwnd, v));
}

int LastLeft(HWND hwnd, const View& v)
{
    return std::max(0, static_cast<int>(v.widest) + 1 - VisibleColumns(hwnd, v));
}

// a / b rounded toward minus infinity, for b > 0.
int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The text offset nearest to a client point: the cell boundary under it,
// within the line under it (the first or the last line above or below the text).
size_t OffsetAt(const View& v, int x, int y)
{
    const int row = std::min(std::max(v.top + FloorDiv(y - MARGIN_Y, v.lineHeight), 0),
                             static_cast<int>(v.lines.size()) - 1);
    const Line& line = v.lines[static_cast<size_t>(row)];
    const int column = std::min(std::max(v.left + FloorDiv(x - MARGIN_X + v.cell / 2, v.cell), 0),
                                static_cast<int>(line.length));
    return line.begin + static_cast<size_t>(column);
}

// The run of non-blank bytes of the line around offset: a double click's word.
void SelectWordAt(View& v, size_t offset)
{
    const Line* line = &v.lines.front();
    for (const Line& each : v.lines)
        if (each.begin <= offset)
            line = &each;
    const size_t end = line->begin + line->length;
    size_t from = offset, to = offset;
    while (from > line->begin && v.text[from - 1] != ' ')
        --from;
    while (to < end && v.text[to] != ' ')
        ++to;
    v.anchor = from;
    v.caret = to;
}

// ---- scrolling -------------------------------------------------------------

void UpdateScrollBars(HWND hwnd, View& v)
{
    v.top = std::min(v.top, LastTop(hwnd, v));
    v.left = std::min(v.left, LastLeft(hwnd, v));
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = static_cast<int>(v.lines.size()) - 1;
    info.nPage = static_cast<UINT>(VisibleLines(hwnd, v));
    info.nPos = v.top;
    SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    info.nMax = static_cast<int>(v.widest);
    info.nPage = static_cast<UINT>(VisibleColumns(hwnd, v));
    info.nPos = v.left;
    SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
}

void ScrollTo(HWND hwnd, View& v, int top, int left)
{
    top = std::min(std::max(top, 0), LastTop(hwnd, v));
    left = std::min(std::max(left, 0), LastLeft(hwnd, v));
    if (top == v.top && left == v.left)
        return;
    v.top = top;
    v.left = left;
    SetScrollPos(hwnd, SB_VERT, top, TRUE);
    SetScrollPos(hwnd, SB_HORZ, left, TRUE);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The new first line or column that a scroll bar's request asks for.
int Scrolled(HWND hwnd, int bar, WORD request, int position, int page, int last)
{
    switch (request) {
    case SB_LINEUP: return position - 1;
    case SB_LINEDOWN: return position + 1;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;  // 32 bits, where the message's position has 16
        return GetScrollInfo(hwnd, bar, &info) ? info.nTrackPos : position;
    }
    default: return position;
    }
}

void OnWheel(HWND hwnd, View& v, short delta)
{
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    v.wheel += delta;
    const int notches = v.wheel / WHEEL_DELTA;
    v.wheel -= notches * WHEEL_DELTA;
    const int step = lines == WHEEL_PAGESCROLL ? VisibleLines(hwnd, v) : static_cast<int>(lines);
    ScrollTo(hwnd, v, v.top - notches * step, v.left);
}

// ---- fonts and painting ----------------------------------------------------

HFONT LineFont(const View& v)
{
    return v.font != nullptr ? v.font : static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
}

// The cell and line measures of font, and a font for the marks about two
// thirds of its height.
void SetFont(HWND hwnd, View& v, HFONT font)
{
    v.font = font;
    if (v.small != nullptr)
        DeleteObject(v.small);
    v.small = nullptr;
    HDC dc = GetDC(hwnd);
    if (dc == nullptr)
        return;
    HGDIOBJ old = SelectObject(dc, LineFont(v));
    TEXTMETRICA line = {};
    GetTextMetricsA(dc, &line);
    LOGFONTA shape = {};
    if (GetObjectA(LineFont(v), sizeof shape, &shape) == sizeof shape) {
        shape.lfHeight = -std::max(6L, (line.tmHeight - line.tmInternalLeading) * 7 / 10);
        shape.lfWidth = 0;
        v.small = CreateFontIndirectA(&shape);
    }
    TEXTMETRICA mark = line;
    if (v.small != nullptr) {
        SelectObject(dc, v.small);
        GetTextMetricsA(dc, &mark);
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    v.cell = std::max(1, static_cast<int>(line.tmAveCharWidth));
    v.lineHeight = std::max(1, static_cast<int>(line.tmHeight + line.tmHeight / 4));
    v.textTop = static_cast<int>(line.tmHeight / 8);
    v.subscriptTop = std::max(0, v.lineHeight - static_cast<int>(mark.tmHeight));
    UpdateScrollBars(hwnd, v);
}

void Fill(HDC hdc, const RECT& area, COLORREF color)
{
    SetBkColor(hdc, color);
    ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

struct Colors {
    COLORREF text, back, selectedText, selectedBack;
};

// Line k with its top at y, from the first column shown to the right edge.
void PaintLine(HDC hdc, const View& v, size_t k, int y, int right, const Colors& colors)
{
    const Line& line = v.lines[k];
    const size_t from = SelectionStart(v), to = SelectionEnd(v);
    Fill(hdc, RECT{0, y, MARGIN_X, y + v.lineHeight}, colors.back);
    int x = MARGIN_X;
    std::wstring cells;
    std::vector<INT> advances;
    size_t column = static_cast<size_t>(v.left);
    while (column < line.length && x < right) {
        const size_t at = line.begin + column;
        const Script script = ScriptOf(static_cast<unsigned char>(v.text[at]));
        const bool selected = at >= from && at < to;
        cells.clear();
        for (; column < line.length && x + static_cast<int>(cells.size()) * v.cell < right; ++column) {
            const size_t here = line.begin + column;
            const unsigned char byte = static_cast<unsigned char>(v.text[here]);
            if (ScriptOf(byte) != script || (here >= from && here < to) != selected)
                break;
            cells += script == Script::LINE ? static_cast<wchar_t>(CodePointOf(byte)) : static_cast<wchar_t>(ShapeOf(byte));
        }
        advances.assign(cells.size(), v.cell);
        const int width = static_cast<int>(cells.size()) * v.cell;
        const RECT area = {x, y, x + width, y + v.lineHeight};
        const int top = script == Script::LINE ? v.textTop : script == Script::SUBSCRIPT ? v.subscriptTop : 0;
        SelectObject(hdc, script == Script::LINE || v.small == nullptr ? LineFont(v) : v.small);
        SetTextColor(hdc, selected ? colors.selectedText : colors.text);
        SetBkColor(hdc, selected ? colors.selectedBack : colors.back);
        ExtTextOutW(hdc, x, y + top, ETO_OPAQUE | ETO_CLIPPED, &area, cells.data(), static_cast<UINT>(cells.size()),
                    advances.data());
        x += width;
    }
    // A selection that runs on past the line shows one cell after it.
    const size_t lineEnd = line.begin + line.length;
    if (k + 1 < v.lines.size() && static_cast<size_t>(v.left) <= line.length && lineEnd >= from && lineEnd < to) {
        Fill(hdc, RECT{x, y, x + v.cell, y + v.lineHeight}, colors.selectedBack);
        x += v.cell;
    }
    if (x < right)
        Fill(hdc, RECT{x, y, right, y + v.lineHeight}, colors.back);
}

void OnPaint(HWND hwnd, const View& v)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    const bool focused = GetFocus() == hwnd;
    const Colors colors = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW),
                           GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
                           GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE)};
    HGDIOBJ old = SelectObject(hdc, LineFont(v));
    Fill(hdc, RECT{0, 0, client.right, MARGIN_Y}, colors.back);
    int y = MARGIN_Y;
    for (size_t k = static_cast<size_t>(v.top); k < v.lines.size() && y < client.bottom; ++k, y += v.lineHeight)
        if (y + v.lineHeight > ps.rcPaint.top && y < ps.rcPaint.bottom)
            PaintLine(hdc, v, k, y, client.right, colors);
    if (y < client.bottom)
        Fill(hdc, RECT{0, y, client.right, client.bottom}, colors.back);
    SelectObject(hdc, old);
    EndPaint(hwnd, &ps);
}

// ---- input -----------------------------------------------------------------

void Select(HWND hwnd, View& v, size_t anchor, size_t caret)
{
    v.anchor = std::min(anchor, v.text.size());
    v.caret = std::min(caret, v.text.size());
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnKey(HWND hwnd, View& v, WPARAM key)
{
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const int page = VisibleLines(hwnd, v);
    switch (key) {
    case 'A':
        if (control)
            Select(hwnd, v, 0, v.text.size());
        break;
    case 'C':
    case VK_INSERT:
        if (control)
            CopySelection(hwnd, v);
        break;
    case VK_UP: ScrollTo(hwnd, v, v.top - 1, v.left); break;
    case VK_DOWN: ScrollTo(hwnd, v, v.top + 1, v.left); break;
    case VK_PRIOR: ScrollTo(hwnd, v, v.top - page, v.left); break;
    case VK_NEXT: ScrollTo(hwnd, v, v.top + page, v.left); break;
    case VK_LEFT: ScrollTo(hwnd, v, v.top, v.left - 1); break;
    case VK_RIGHT: ScrollTo(hwnd, v, v.top, v.left + 1); break;
    case VK_HOME: ScrollTo(hwnd, v, control ? 0 : v.top, 0); break;
    case VK_END: ScrollTo(hwnd, v, control ? LastTop(hwnd, v) : v.top, control ? 0 : LastLeft(hwnd, v)); break;
    }
}

// A drag beyond the edge scrolls toward it, a line or a column per move.
void OnDrag(HWND hwnd, View& v, int x, int y)
{
    RECT client;
    GetClientRect(hwnd, &client);
    const int down = y < 0 ? -1 : y >= client.bottom ? 1 : 0;
    const int across = x < 0 ? -1 : x >= client.right ? 1 : 0;
    ScrollTo(hwnd, v, v.top + down, v.left + across);
    Select(hwnd, v, v.anchor, OffsetAt(v, x, y));
}

void OnContextMenu(HWND hwnd, View& v, LPARAM where)
{
    POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) {  // from the keyboard: at the view's corner
        at = POINT{MARGIN_X, MARGIN_Y};
        ClientToScreen(hwnd, &at);
    }
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    AppendMenuA(menu, MF_STRING | (v.anchor == v.caret ? MF_GRAYED : 0), IDM_COPY, "Копировать\tCtrl+C");
    AppendMenuA(menu, MF_STRING | (v.text.empty() ? MF_GRAYED : 0), IDM_SELECT_ALL, "Выделить всё\tCtrl+A");
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen == IDM_COPY)
        CopySelection(hwnd, v);
    else if (chosen == IDM_SELECT_ALL)
        Select(hwnd, v, 0, v.text.size());
}

// EM_SETSEL as an edit field takes it: a start of -1 clears the selection,
// an end of -1 (or beyond the text) is the text's end.
void OnSetSelection(HWND hwnd, View& v, WPARAM start, LPARAM end)
{
    if (static_cast<int>(start) == -1) {
        Select(hwnd, v, v.caret, v.caret);
        return;
    }
    const size_t last = end < 0 ? v.text.size() : static_cast<size_t>(end);
    Select(hwnd, v, static_cast<size_t>(start), last);
}

LRESULT OnGetSelection(const View& v, WPARAM start, LPARAM end)
{
    if (start != 0)
        *reinterpret_cast<DWORD*>(start) = static_cast<DWORD>(SelectionStart(v));
    if (end != 0)
        *reinterpret_cast<DWORD*>(end) = static_cast<DWORD>(SelectionEnd(v));
    return MAKELRESULT(std::min<size_t>(SelectionStart(v), 0xFFFF), std::min<size_t>(SelectionEnd(v), 0xFFFF));
}

LRESULT OnGetText(const View& v, WPARAM size, LPARAM buffer)
{
    if (size == 0 || buffer == 0)
        return 0;
    const size_t count = std::min(v.text.size(), static_cast<size_t>(size) - 1);
    char* target = reinterpret_cast<char*>(buffer);
    std::memcpy(target, v.text.data(), count);
    target[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT CALLBACK ViewProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        View* made = new (std::nothrow) View;
        if (made == nullptr)
            return FALSE;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    View* v = ViewOf(hwnd);
    if (v == nullptr)  // the messages before WM_NCCREATE
        return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        SetText(*v, reinterpret_cast<CREATESTRUCTA*>(lParam)->lpszName);
        SetFont(hwnd, *v, nullptr);
        return 0;
    case WM_NCDESTROY:
        if (v->small != nullptr)
            DeleteObject(v->small);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete v;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETTEXT:
        SetText(*v, reinterpret_cast<const char*>(lParam));
        UpdateScrollBars(hwnd, *v);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case WM_GETTEXT:
        return OnGetText(*v, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(v->text.size());
    case WM_SETFONT:
        SetFont(hwnd, *v, reinterpret_cast<HFONT>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(v->font);
    case EM_SETSEL:
        OnSetSelection(hwnd, *v, wParam, lParam);
        return 0;
    case EM_GETSEL:
        return OnGetSelection(*v, wParam, lParam);
    case WM_COPY:
        CopySelection(hwnd, *v);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd, *v);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // every paint is opaque
    case WM_SIZE:
        UpdateScrollBars(hwnd, *v);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_VSCROLL:
        ScrollTo(hwnd, *v, Scrolled(hwnd, SB_VERT, LOWORD(wParam), v->top, VisibleLines(hwnd, *v), LastTop(hwnd, *v)),
                 v->left);
        return 0;
    case WM_HSCROLL:
        ScrollTo(hwnd, *v, v->top,
                 Scrolled(hwnd, SB_HORZ, LOWORD(wParam), v->left, VisibleColumns(hwnd, *v), LastLeft(hwnd, *v)));
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(hwnd, *v, static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_KEYDOWN:
        OnKey(hwnd, *v, wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);  // the selection's colours follow the focus
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd);
        SetCapture(hwnd);
        v->dragging = true;
        const size_t at = OffsetAt(*v, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        Select(hwnd, *v, (wParam & MK_SHIFT) ? v->anchor : at, at);
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        SelectWordAt(*v, OffsetAt(*v, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (v->dragging)
            OnDrag(hwnd, *v, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (v->dragging)
            ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
        return 0;
    case WM_CAPTURECHANGED:
        v->dragging = false;
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(hwnd, *v, lParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterSolutionView(HINSTANCE instance)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(instance, SOLUTION_VIEW_CLASS, &wc))
        return true;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ViewProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = SOLUTION_VIEW_CLASS;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateSolutionView(HWND parent, int id, HINSTANCE instance)
{
    return CreateWindowExA(WS_EX_CLIENTEDGE, SOLUTION_VIEW_CLASS, "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}
