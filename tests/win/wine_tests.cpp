// Tests of the real program under Wine: start-up, typing, keys, exit and
// settings, message boxes, the skin's pixels and resource stability.
#include <cstdio>
#include <cstring>

#include "driver.h"
#include "harness.h"
#include "suites.h"
#include "system_lists.h"
#include "texts.h"

namespace {

const int ROMAN = 15;  // last item of both lists; item i is base i + 2
const COLORREF WHITE = RGB(255, 255, 255), FOOTER = RGB(238, 238, 238), FACE_LOW = RGB(240, 240, 240);
const COLORREF TEXT_NORMAL = RGB(68, 68, 68), TEXT_HOVER = RGB(154, 196, 39), ORANGE = RGB(255, 153, 0);

// The window's title and the messages are the program's own (texts.h, whose
// bytes the unit tests pin): what is tested here is that the window shows them.
std::string Title()
{
    ComposeFullTitle();
    return strAppName;
}

const char ROMAN_RANGE[] = "Введено неверное значение:\n\nДиапазон римской системы счисления:\n{M, D, C, L, X, V, I}.";
const char ROMAN_SIGN[] = "Введено неверное значение:\n\nОтрицательные и дробные числа не поддерживаются\n"
                          "в римской системе счисления";

void Convert(Program& p) { PostMessageA(p.main, WM_COMMAND, 1, 0); }

bool OutputIs(const Program& p, const std::string& text)
{
    return WaitFor([&] { return TextOf(p.output) == text; });
}

int Luma(COLORREF c) { return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10; }

// The first row of image holding a pixel near colour, or -1.
int TopRowOf(const Image& image, COLORREF colour)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (Near(image.At(x, y), colour, 10))
                return y;
    return -1;
}

// Glyph cores are drawn in the exact colour; edges may blend.
int CountNear(const Image& image, COLORREF colour, int tolerance = 0)
{
    return image.Count([&](COLORREF c) { return Near(c, colour, tolerance); });
}

// A white memory bitmap of the screen's format to draw a reference into;
// draw through dc.
struct WhiteCanvas {
    WhiteCanvas(int width, int height)
        : screen(GetDC(nullptr)), dc(CreateCompatibleDC(screen)),
          bitmap(CreateCompatibleBitmap(screen, width, height)), old(SelectObject(dc, bitmap))
    {
        RECT all = {0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~WhiteCanvas()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    WhiteCanvas(const WhiteCanvas&) = delete;
    WhiteCanvas& operator=(const WhiteCanvas&) = delete;

    HDC screen, dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

// Which system icon a box's icon control shows: its pixels against each
// icon drawn here on the white the skin gives the box's statics.
const char* IconKind(HWND icon)
{
    const Image shown = Grab(icon);
    static const struct {
        LPCSTR id;
        const char* name;
    } KINDS[] = {{IDI_EXCLAMATION, "exclamation"}, {IDI_ASTERISK, "information"}, {IDI_HAND, "hand"},
                 {IDI_QUESTION, "question"}};
    for (const auto& kind : KINDS) {
        WhiteCanvas canvas(shown.width, shown.height);
        DrawIconEx(canvas.dc, 0, 0, LoadIconA(nullptr, kind.id), 0, 0, 0, nullptr, DI_NORMAL);
        int differ = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x)
                differ += Near(GetPixel(canvas.dc, x, y), shown.At(x, y), 8) ? 0 : 1;
        if (shown.width > 0 && differ * 50 <= shown.width * shown.height)
            return kind.name;
    }
    return "none";
}

// Caption, text, icon, and the "Закрыть" button in the bottom right corner,
// as tall as the system's own button plus 2.
void CheckBox(const Box& box, const char* caption, const std::string& text, const char* icon, SIZE plain)
{
    EXPECT_EQ(box.caption, std::string(caption));
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttonText, std::string("Закрыть"));
    EXPECT(box.icon != nullptr);
    if (box.icon)
        EXPECT_EQ(std::string(IconKind(box.icon)), std::string(icon));
    EXPECT_EQ(box.client.right - box.buttonRect.right, 8);
    EXPECT_EQ(box.client.bottom - box.buttonRect.bottom, 10);
    EXPECT_EQ(box.buttonRect.right - box.buttonRect.left, plain.cx);
    EXPECT_EQ(box.buttonRect.bottom - box.buttonRect.top, plain.cy + 2);
}

// The precision label shows its text on one line in the window's font here
// (Wine's Tahoma is wider than Windows'); it grows only as far as the field.
void CheckPrecisionLabel(const Program& p)
{
    const std::string text = "Точность вычислений:";
    HWND label = nullptr;
    for (HWND child : Children(p.main))
        if (TextOf(child) == text)
            label = child;
    if (!EXPECT(label != nullptr))
        return;
    RECT rect;
    GetWindowRect(label, &rect);
    const int width = rect.right - rect.left;
    LOGFONTA tahoma = {};
    tahoma.lfHeight = -12;
    tahoma.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(tahoma.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&tahoma);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT line = {0, 0, 1000, 0}, wrapped = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE);
    DrawTextA(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    g_context = " [label " + std::to_string(width) + " px, text " + std::to_string(line.right) + " px]";
    EXPECT(width >= 131 && width <= 145);
    EXPECT(line.right < 145 ? wrapped.bottom == line.bottom : width == 145);
    EXPECT(line.right > 131 || width == 131);
    g_context.clear();
}

void FreshStart()
{
    Program p;
    EXPECT_EQ(TextOf(p.main), Title());
    EXPECT_EQ(TextOf(p.precision), std::string("4"));
    EXPECT_EQ(TextOf(p.output), std::string("0"));
    EXPECT_EQ(TextOf(p.input), std::string(""));
    EXPECT_EQ(p.Selected(p.source), std::string("10-ной"));
    EXPECT_EQ(p.Selected(p.target), std::string("2-ную"));
    for (HWND list : {p.source, p.target}) {
        const std::vector<std::string> items = list == p.source ? SourceSystemItems() : TargetSystemItems();
        EXPECT_EQ(ListCount(list), 16);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(ListItem(list, i), items[static_cast<size_t>(i)]);
        EXPECT_EQ(ListItem(list, ROMAN), std::string(list == p.source ? "Римской системы" : "Римскую систему"));
    }
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    EXPECT(GetGUIThreadInfo(p.tid, &info) && info.hwndFocus == p.input);
    EXPECT(!IsWindowVisible(p.indicator));
    RECT outer;
    GetWindowRect(p.main, &outer);
    EXPECT_EQ(outer.right - outer.left, 444);
    EXPECT_EQ(outer.bottom - outer.top, 199);
    EXPECT_EQ(p.children, 17);
    CheckPrecisionLabel(p);
    EXPECT_EQ(p.Close(), 0);
}

void Typing()
{
    static const struct {
        int src, dst;
        const char* keys;
        const char* shown;  // in the input field: spaces kept, letters capital
        const char* result;
    } ROWS[] = {
        {8, 0, "1 0  1", "1 0  1", "1100101"},
        {14, 0, "ff", "FF", "11111111"},
        {8, 0, "-1,5", "-1,5", "-1.1"},
        {ROMAN, 8, "xxxix", "XXXIX", "39"},
    };
    Program p;
    for (const auto& row : ROWS) {
        g_context = std::string(" [typing ") + row.keys + "]";
        p.Fill("", "4", row.src, row.dst);
        p.Foreground();
        Type(row.keys);
        EXPECT(WaitFor([&] { return TextOf(p.input) == row.shown; }));
        Key(VK_RETURN);
        EXPECT(OutputIs(p, row.result));
        EXPECT_EQ(TextOf(p.input), std::string(row.shown));
        DWORD_PTR lines = 0;
        SendMessageTimeoutA(p.input, EM_GETLINECOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &lines);
        EXPECT_EQ(static_cast<int>(lines), 1);
        EXPECT_EQ(CloseStrayBoxes(p.pid), 0);
    }
    g_context.clear();
    EXPECT_EQ(p.Close(), 0);
}

// The memory keys: each row optionally converts a number (base 10 to 2),
// presses a key, and expects the output and the indicator.
void MemoryKeys()
{
    static const struct {
        const char* number;  // converted first, or null
        WORD key;
        bool extended;
        const char* output;
        bool indicator;
    } ROWS[] = {
        {"12", VK_ADD, false, "1100", true},   // register 12
        {nullptr, VK_ADD, false, "1100", true},  // 24
        {nullptr, VK_INSERT, true, "11000", true},
        {"3", VK_MULTIPLY, false, "11", true},  // 72
        {nullptr, VK_INSERT, true, "1001000", true},
        {"4", VK_DIVIDE, true, "100", true},  // 18
        {nullptr, VK_INSERT, true, "10010", true},
        {"8", VK_SUBTRACT, false, "1000", true},  // 10
        {nullptr, VK_INSERT, true, "1010", true},
        {nullptr, VK_DELETE, true, "1010", false},  // 0
        {nullptr, VK_INSERT, true, "0", false},
        {"7", VK_ADD, false, "111", true},
        {nullptr, VK_SUBTRACT, false, "111", false},  // 7 - 7
    };
    Program p;
    p.Foreground();
    int step = 0;
    for (const auto& row : ROWS) {
        g_context = " [step " + std::to_string(++step) + "]";
        if (row.number) {
            SetTextOf(p.input, row.number);
            Key(VK_RETURN);
            EXPECT(OutputIs(p, row.output));
        }
        Key(row.key, row.extended);
        EXPECT(OutputIs(p, row.output));
        EXPECT(WaitFor([&] { return (IsWindowVisible(p.indicator) != 0) == row.indicator; }));
        EXPECT_EQ(CloseStrayBoxes(p.pid), 0);
    }
    g_context.clear();
    EXPECT_EQ(p.Close(), 0);
}

void ExitAndSettings()
{
    static const struct {
        const char* name;
        void (*exit)(Program&);
    } WAYS[] = {
        {"Escape", [](Program& p) { p.Foreground(); Key(VK_ESCAPE); }},
        {"End", [](Program& p) { p.Foreground(); Key(VK_END, true); }},
        {"close box", [](Program& p) { PostMessageA(p.main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : WAYS) {
        g_context = std::string(" [") + way.name + "]";
        Program p;
        p.Fill("5", "7", 8, 0);
        Convert(p);
        EXPECT(OutputIs(p, "101"));
        way.exit(p);
        EXPECT_EQ(p.WaitExit(), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC 7"));
    }
    g_context.clear();
    static const struct {
        const char* ini;
        const char* field;
    } FILES[] = {{"PREC 12", "12"}, {"PREC 0", "4"}, {"PREC 12\r\n", "4"}};
    for (const auto& file : FILES) {
        g_context = std::string(" [file ") + Show(file.ini) + "]";
        Program p(file.ini);
        EXPECT_EQ(TextOf(p.precision), std::string(file.field));
        EXPECT_EQ(p.Close(), 0);
        EXPECT_EQ(p.Ini(), std::string("PREC ") + file.field);
    }
    g_context.clear();
}

void Messages()
{
    static const struct {
        int src, dst;
        const char* number;
        const char* prec;
        const char* message;  // null: a result and no box
        const char* output;
    } ROWS[] = {
        {8, 0, "", "4", ERR_NOINPUT.c_str(), nullptr},
        {8, 0, "12", "", "Не указана точность вычислений", nullptr},
        {0, 8, "102", "4", "Введено неверное значение:\n\nДиапазон 2-ной системы счисления: {0..1}.", nullptr},
        {14, 0, "FG", "4", "Введено неверное значение:\n\nДиапазон 16-ной системы счисления: {0..F}.", nullptr},
        {ROMAN, 8, "XIZ", "4", ROMAN_RANGE, nullptr},
        {ROMAN, 8, "MMMM", "4", ROMAN_RANGE, nullptr},
        {ROMAN, 8, "-X", "4", ROMAN_SIGN, nullptr},
        {ROMAN, 8, "X.V", "4", ROMAN_SIGN, nullptr},
        {8, 0, "1.2.3", "4", "Введено неверное значение:\n\nНесколько разделителей частей числа", nullptr},
        {8, 0, "5.", "4", "Введено неверное значение:\n\nОжидается дробная часть числа", nullptr},
        {8, 0, "12", "0", ERR_WRONGT.c_str(), nullptr},
        {8, 0, "12", "1001", ERR_WRONGT.c_str(), nullptr},
        {8, 0, "1A", "x",
         "Неверно указана точность вычислений,\n\nВведено неверное значение:\n\n"
         "Диапазон 10-ной системы счисления: {0..9}.",
         nullptr},
        {8, ROMAN, "4000", "4", ERR_OUTOFRANGE.c_str(), nullptr},
        {ROMAN, 8, "MMMDDD", "4", ERR_OUTOFRANGE.c_str(), nullptr},
        {8, ROMAN, "-5", "4", ERR_MINROMAN.c_str(), nullptr},
        {8, ROMAN, "5.5", "4", ERR_MINROMAN.c_str(), nullptr},
        {ROMAN, 8, "XXXIX", "4", nullptr, "39"},
        {1, 1, "0.1", "4", nullptr, "0.1"},
        {8, 14, "255", "1000", nullptr, "FF"},
        {8, ROMAN, "3999", "4", nullptr, "MMMCMXCIX"},
    };
    const SIZE plain = PlainBoxButton("x", "Ошибка", MB_ICONEXCLAMATION);
    Program p;
    Box box;
    // The current value is 0 at start: M÷ refuses.
    PostMessageA(p.main, WM_COMMAND, 15, 0);
    if (EXPECT(WaitBox(p.pid, box))) {
        CheckBox(box, "Ошибка", "Операция невозможна:\n\nДеление на нуль!", "exclamation", plain);
        EXPECT(CloseBox(box));
    }
    for (const auto& row : ROWS) {
        g_context = std::string(" [") + row.number + " / " + row.prec + "]";
        p.Fill(row.number, row.prec, row.src, row.dst);
        const std::string before = TextOf(p.output);
        Convert(p);
        if (row.message) {
            if (EXPECT(WaitBox(p.pid, box))) {
                CheckBox(box, "Ошибка", row.message, "exclamation", plain);
                EXPECT(CloseBox(box));
            }
            EXPECT_EQ(TextOf(p.output), before);
        } else {
            EXPECT(OutputIs(p, row.output));
            EXPECT_EQ(CloseStrayBoxes(p.pid), 0);
        }
    }
    g_context.clear();
    PostMessageA(p.main, WM_COMMAND, 2, 0);
    if (EXPECT(WaitBox(p.pid, box))) {
        const std::string head = Title() + " \n";
        EXPECT_EQ(box.text.substr(0, head.size()), head);
        EXPECT(box.text.find("\nУниверсальный калькулятор систем счисления\n") != std::string::npos);
        CheckBox(box, "О программе", box.text, "information", plain);
        EXPECT(CloseBox(box));
    }
    EXPECT_EQ(p.Close(), 0);
}

// Button faces come from the skin's bitmaps: rows of the middle piece.
void CheckFace(const Image& b, int x, const char* what)
{
    g_context = std::string(" [") + what + "]";
    EXPECT_EQ(ColourText(b.At(0, 0)), ColourText(WHITE));  // rounded corner on the white fill
    EXPECT_EQ(ColourText(b.At(x, 0)), ColourText(RGB(0xDD, 0xDD, 0xDD)));
    EXPECT_EQ(ColourText(b.At(x, 5)), ColourText(WHITE));
    EXPECT_EQ(ColourText(b.At(x, 20)), ColourText(FACE_LOW));
    EXPECT_EQ(ColourText(b.At(x, 27)), ColourText(RGB(0xA7, 0xA7, 0xA7)));
    EXPECT(CountNear(b, TEXT_NORMAL) > 15);
    EXPECT_EQ(CountNear(b, TEXT_HOVER, 10), 0);
    g_context.clear();
}

void Centre(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void SkinPixels()
{
    Program p;
    p.Foreground();
    MoveMouse(2, 2);  // off the window
    HWND convert = p.Control(1), mc = p.Control(10);
    EXPECT(WaitFor([&] { return Near(Grab(p.main).At(300, 100), FOOTER, 0); }));
    CheckFace(Grab(convert), 8, "convert button");

    // Hover: the caption turns green, and back when the pointer leaves.
    Centre(convert);
    EXPECT(WaitFor([&] { return CountNear(Grab(convert), TEXT_HOVER) > 15; }));
    EXPECT_EQ(CountNear(Grab(convert), TEXT_NORMAL, 10), 0);
    MoveMouse(2, 2);
    EXPECT(WaitFor([&] { return CountNear(Grab(convert), TEXT_HOVER, 10) == 0; }));
    CheckFace(Grab(convert), 8, "convert button after hover");

    // Pressed: the dark edge on top, the caption one pixel lower, still green.
    Centre(mc);
    EXPECT(WaitFor([&] { return CountNear(Grab(mc), TEXT_HOVER) > 10; }));
    const int hoverTop = TopRowOf(Grab(mc), TEXT_HOVER);
    MouseButton(true);
    EXPECT(WaitFor([&] { return Near(Grab(mc).At(15, 1), RGB(0xA7, 0xA7, 0xA7), 0); }));
    const Image pressed = Grab(mc);
    EXPECT_EQ(TopRowOf(pressed, TEXT_HOVER), hoverTop + 1);
    EXPECT_EQ(ColourText(pressed.At(15, 0)), ColourText(RGB(0xCE, 0xCE, 0xCE)));
    MouseButton(false);
    EXPECT(WaitFor([&] { return Near(Grab(mc).At(15, 1), WHITE, 0); }));
    EXPECT_EQ(TopRowOf(Grab(mc), TEXT_HOVER), hoverTop);
    MoveMouse(2, 2);

    // The "M" indicator in orange once the register holds something.
    p.Fill("5", "4", 8, 0);
    Convert(p);
    EXPECT(OutputIs(p, "101"));
    PostMessageA(p.main, WM_COMMAND, 12, 0);
    EXPECT(WaitFor([&] { return IsWindowVisible(p.indicator) && CountNear(Grab(p.indicator), ORANGE) > 10; }));

    // The error box: white body, grey footer 50 px high, the line's green end.
    p.Fill("", "4", 8, 0);
    Convert(p);
    Box box;
    REQUIRE(WaitBox(p.pid, box));
    const int w = box.client.right, h = box.client.bottom;
    EXPECT(WaitFor([&] { return Near(Grab(box.hwnd).At(w - 2, 2), WHITE, 0); }));
    const Image b = Grab(box.hwnd);
    static const struct {
        int x, y;
        COLORREF colour;
        int tolerance;
    } POINTS[] = {
        {-2, 2, WHITE, 0},        {2, -51, WHITE, 0},        {2, -50, FOOTER, 10},
        {2, -2, FOOTER, 0},       {-1, -50, TEXT_HOVER, 12}, {-1, -49, TEXT_HOVER, 12},
        {-1, -48, FOOTER, 0},     {-1, -51, WHITE, 0},       {-301, -50, FOOTER, 10},
    };
    for (const auto& pt : POINTS) {
        const int x = pt.x < 0 ? w + pt.x : pt.x, y = pt.y < 0 ? h + pt.y : pt.y;
        if (x < 0)
            continue;  // a box narrower than the line
        g_context = " [box pixel " + std::to_string(x) + "," + std::to_string(y) + " is " + ColourText(b.At(x, y)) + "]";
        EXPECT(Near(b.At(x, y), pt.colour, pt.tolerance));
    }
    g_context.clear();
    const Image text = Grab(GetDlgItem(box.hwnd, 0xFFFF));
    EXPECT(CountNear(text, WHITE, 0) * 10 > text.width * text.height * 7);
    EXPECT_EQ(CountNear(text, GetSysColor(COLOR_BTNFACE), 0), 0);
    if (box.icon)
        EXPECT_EQ(ColourText(Grab(box.icon).At(0, 0)), ColourText(WHITE));
    const Image button = Grab(box.button);
    EXPECT_EQ(ColourText(button.At(8, 5)), ColourText(WHITE));
    EXPECT_EQ(ColourText(button.At(8, 20)), ColourText(FACE_LOW));
    EXPECT(CountNear(button, TEXT_NORMAL) > 15);
    EXPECT(CloseBox(box));
    EXPECT_EQ(p.Close(), 0);
}

// How much of sign, drawn here as the skin draws it on a memory button,
// shows dark on the button.
double SignCoverage(const Image& button, const char* sign, int shift)
{
    WhiteCanvas canvas(button.width, button.height);
    HDC memory = canvas.dc;
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfQuality = PROOF_QUALITY;
    std::strcpy(lf.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, 0);
    RECT r = {shift, -2, button.width, button.height};
    DrawTextA(memory, sign, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int glyph = 0, shown = 0;
    for (int y = 0; y < button.height; ++y)
        for (int x = 0; x < button.width; ++x)
            if (Luma(GetPixel(memory, x, y)) < 128) {
                ++glyph;
                shown += Luma(button.At(x, y)) < 160 ? 1 : 0;
            }
    SelectObject(memory, oldFont);
    DeleteObject(font);
    return glyph ? static_cast<double>(shown) / glyph : 0;
}

struct Look {
    int clientHeight = 0, outerHeight = 0;
    double times[2] = {}, divide[2] = {};  // coverage by ×/* and ÷//
    int footerTop = 0;                     // first grey row from the bottom of an error box
};

Look LookUnder(bool xp)
{
    WinXpSetting setting(xp);
    Program p;
    Look look;
    RECT r;
    GetClientRect(p.main, &r);
    look.clientHeight = r.bottom;
    GetWindowRect(p.main, &r);
    look.outerHeight = r.bottom - r.top;
    MoveMouse(2, 2);
    WaitFor([&] { return CountNear(Grab(p.Control(15)), TEXT_NORMAL) > 5; });
    const Image times = Grab(p.Control(14)), divide = Grab(p.Control(15));
    look.times[0] = SignCoverage(times, "\xD7", 12);
    look.times[1] = SignCoverage(times, "*", 12);
    look.divide[0] = SignCoverage(divide, "\xF7", 12);
    look.divide[1] = SignCoverage(divide, "/", 12);
    Convert(p);  // empty input: an error box
    Box box;
    if (EXPECT(WaitBox(p.pid, box))) {
        WaitFor([&] { return Near(Grab(box.hwnd).At(2, box.client.bottom - 2), FOOTER, 0); });
        const Image b = Grab(box.hwnd);
        for (int y = b.height - 1; y >= 0 && Near(b.At(2, y), FOOTER, 10); --y)
            look.footerTop = b.height - y;
        EXPECT(CloseBox(box));
    }
    EXPECT_EQ(p.Close(), 0);
    return look;
}

void XpLook()
{
    const Look modern = LookUnder(false);
    const Look xp = LookUnder(true);
    EXPECT_EQ(modern.outerHeight, 199);
    EXPECT_EQ(xp.outerHeight, 203);
    EXPECT_EQ(xp.clientHeight, modern.clientHeight + 4);
    std::printf("sign coverage: times %.2f, * %.2f, divide %.2f, / %.2f (modern); %.2f, %.2f, %.2f, %.2f (XP)\n",
                modern.times[0], modern.times[1], modern.divide[0], modern.divide[1], xp.times[0], xp.times[1],
                xp.divide[0], xp.divide[1]);
    EXPECT(modern.times[0] > 0.9 && modern.times[1] < 0.7);
    EXPECT(modern.divide[0] > 0.9 && modern.divide[1] < 0.7);
    EXPECT(xp.times[1] > 0.9 && xp.times[0] < 0.7);
    EXPECT(xp.divide[1] > 0.9 && xp.divide[0] < 0.7);
    EXPECT_EQ(modern.footerTop, 50);
    EXPECT_EQ(xp.footerTop, 43);
}

void Resources()
{
    Program p;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, p.pid);
    REQUIRE(process != nullptr);
    struct Counts {
        DWORD gdi, user;
        int table, windows;
    };
    auto counts = [&] {
        return Counts{GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS),
                      GdiObjectCount(process, p.pid), WindowCount(p.pid)};
    };
    MoveMouse(2, 2);
    const Image convert0 = Grab(p.Control(1));
    // One box of each kind first, so that what the system keeps for boxes
    // after the first one is in the baseline.
    static const struct {
        WPARAM command;
        const char* caption;
    } BOXES[] = {{1, "Ошибка"}, {2, "О программе"}, {15, "Ошибка"}};
    SetTextOf(p.input, "");
    auto showBoxes = [&](int n) {
        int shown = 0;
        for (int i = 0; i < n; ++i) {
            PostMessageA(p.main, WM_COMMAND, BOXES[i % 3].command, 0);
            Box box;
            if (!WaitBox(p.pid, box))
                break;
            shown += box.caption == BOXES[i % 3].caption && CloseBox(box);
        }
        return shown;
    };
    EXPECT_EQ(showBoxes(3), 3);
    const Counts before = counts();

    const DWORD start = GetTickCount();
    // The separator and the skinned button row, where the program paints
    // itself; painted synchronously by the program's thread.
    RECT row;
    GetClientRect(p.main, &row);
    row.top = 199 - 76;
    HWND main = p.main;
    REQUIRE(RunWithTimeout(
        [main, row] {
            for (int i = 0; i < 1000; ++i)
                RedrawWindow(main, &row, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        },
        120000));
    EXPECT(WaitFor([&] { return !GetUpdateRect(p.main, nullptr, FALSE) && !GetUpdateRect(p.Control(1), nullptr, FALSE); }));
    const Counts painted = counts();
    const DWORD middle = GetTickCount();
    EXPECT_EQ(showBoxes(100), 100);
    std::printf("1000 repaints %.1f s, 100 boxes %.1f s\n", (middle - start) / 1000.0, (GetTickCount() - middle) / 1000.0);
    REQUIRE(p.Responds());
    const Counts after = counts();
    CloseHandle(process);

    std::printf("GDI objects (handle table): %d, after repaints %d, after boxes %d\n", before.table, painted.table,
                after.table);
    std::printf("windows: %d, after repaints %d, after boxes %d\n", before.windows, painted.windows, after.windows);
    if (before.gdi == 0 && before.user == 0 && after.gdi == 0 && after.user == 0)
        std::printf("GetGuiResources NOT AVAILABLE (gives 0 under Wine): no USER object count beyond windows\n");
    else
        EXPECT(after.gdi <= before.gdi && after.user <= before.user);
    if (before.table < 0)
        std::printf("GDI handle table NOT AVAILABLE: GDI objects not counted\n");
    EXPECT(before.table < 0 || (painted.table <= before.table && after.table <= before.table));
    EXPECT_EQ(after.windows, before.windows);
    EXPECT(Grab(p.Control(1)) == convert0);  // painting still works
    p.Fill("255", "4", 8, 14);
    Convert(p);
    EXPECT(OutputIs(p, "FF"));
    EXPECT_EQ(p.Close(), 0);
}

// HOME from a working directory without help.chm opens the help beside the
// program in the HTML Help viewer (its pages stay blank under Wine).
void HelpKey()
{
    REQUIRE(FindWindowA("HH Parent", nullptr) == nullptr);
    Program p;
    PostMessageA(p.main, WM_KEYDOWN, VK_HOME, 0x00470001);
    HWND viewer = nullptr;
    EXPECT(WaitFor([&] {
        viewer = FindWindowA("HH Parent", nullptr);
        return viewer != nullptr && IsWindowVisible(viewer);
    }, 20000));
    if (viewer != nullptr) {
        EXPECT_EQ(TextOf(viewer), std::string("Справка Kalvorix"));
        PostMessageA(viewer, WM_CLOSE, 0, 0);
        EXPECT(WaitFor([] { return FindWindowA("HH Parent", nullptr) == nullptr; }, 10000));
    }
    EXPECT_EQ(p.Close(), 0);
}

}  // namespace

const TestCase TESTS[] = {
    {"FreshStart", FreshStart}, {"Typing", Typing},     {"MemoryKeys", MemoryKeys}, {"ExitAndSettings", ExitAndSettings},
    {"Messages", Messages},     {"SkinPixels", SkinPixels}, {"XpLook", XpLook},     {"Resources", Resources},
    {"HelpKey", HelpKey}, {"SettingsFaults", SettingsFaults}, {"SettingsFullDisk", SettingsFullDisk},
    {"Soak", Soak}, {"Solution", Solution}, {"Arithmetic", Arithmetic}, {"Bits", Bits},
};
const int TEST_COUNT = sizeof TESTS / sizeof TESTS[0];
