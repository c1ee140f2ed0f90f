// The "Решение" window: opened by F2 and by the system menu, the solution of
// the last command that wrote the output field, closed by Escape, its text
// selectable whole and copied with its subscripts as Unicode; a hundred
// openings leave GDI objects and windows flat. The text itself is the
// window-free builder's, tested natively.
#include <string>

#include "charset.h"
#include "convert.h"
#include "driver.h"
#include "harness.h"
#include "lineends.h"
#include "solution.h"
#include "state.h"
#include "suites.h"

namespace {

const char CLASS_NAME[] = "KalvorSolution";
const WPARAM SOLUTION_ITEM = 0x0010;

// The solution window of the program, once it shows; null on timeout.
HWND WaitSolution(const Program& p)
{
    return WaitTopWindow(p.pid, CLASS_NAME);
}

HWND TextField(HWND window)
{
    return GetDlgItem(window, 100);
}

void PressF2(const Program& p)
{
    PostMessageA(p.main, WM_KEYDOWN, VK_F2, 0x003C0001);
}

// The clipboard's Unicode text, "" when it holds none.
std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The program's text as the clipboard should hold it: every byte its code point.
std::wstring Unicode(const std::string& text)
{
    std::wstring wide;
    for (unsigned char byte : text)
        wide += static_cast<wchar_t>(CodePointOf(byte));
    return wide;
}

// Escape in the window; true once it is gone and the main window is usable.
bool CloseByEscape(const Program& p, HWND window)
{
    PostMessageA(TextField(window), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    return WaitFor([&] { return !IsWindow(window) && IsWindowEnabled(p.main); });
}

}  // namespace

void Solution()
{
    Program p;
    // Before any conversion: the one line.
    PressF2(p);
    HWND window = WaitSolution(p);
    REQUIRE(window != nullptr);
    EXPECT_EQ(TextOf(window), std::string("Решение"));
    EXPECT_EQ(TextOf(TextField(window)), std::string("Решение появится, когда число будет переведено.\r\n"));
    EXPECT(!IsWindowEnabled(p.main));
    EXPECT(CloseByEscape(p, window));

    // After a conversion: the command's own solution, from F2 and from the menu.
    p.Fill("11.625", "4", 8, 0);
    PostMessageA(p.main, WM_COMMAND, 1, 0);
    EXPECT(WaitFor([&] { return TextOf(p.output) == "1011.101"; }));
    ResetAppState();
    ConversionParts parts;
    const Outcome outcome = ConvertRequest("11.625", "4", 10, 2, parts);
    const std::string expected = WithCrLf(SolveCommand(ConversionCommand(parts, outcome)).text);
    for (int way = 0; way < 2; ++way) {
        g_context = way == 0 ? " [F2]" : " [system menu]";
        if (way == 0)
            PressF2(p);
        else
            PostMessageA(p.main, WM_SYSCOMMAND, SOLUTION_ITEM, 0);
        window = WaitSolution(p);
        if (!EXPECT(window != nullptr))
            continue;
        EXPECT_EQ(TextOf(TextField(window)), expected);
        // Ctrl+A selects the whole text, as typed by the user into the field
        // that has the focus. Under Wine a key can reach the window before
        // the activation has, so it is typed again until it is seen.
        SetForegroundWindow(window);
        EXPECT(WaitFor([&] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            return GetForegroundWindow() == window && GetGUIThreadInfo(p.tid, &info) && info.hwndFocus == TextField(window);
        }));
        bool selected = false;
        for (int attempt = 0; attempt < 3 && !selected; ++attempt) {
            KeyWith(VK_CONTROL, 'A');
            selected = WaitFor([&] {
                DWORD from = 1, to = 0;
                SendMessageA(TextField(window), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
                return from == 0 && to == expected.size();
            }, 2000);
        }
        EXPECT(selected);
        // Ctrl+C copies it with the bases as the subscript digits they are.
        if (way == 0) {
            KeyWith(VK_CONTROL, 'C');
            EXPECT(WaitFor([&] { return ClipboardText() == Unicode(expected); }, 2000));
            EXPECT(ClipboardText().find(L"1011.101\u2082") != std::wstring::npos);
        }
        EXPECT(CloseByEscape(p, window));
    }
    g_context.clear();

    // A hundred openings: no GDI object or window stays behind.
    ExpectOpeningsLeaveNothing(p, "solution windows", [&] { PressF2(p); return WaitSolution(p); },
                               [&](HWND opened) { return CloseByEscape(p, opened); });
    REQUIRE(p.Responds());
    EXPECT_EQ(p.Close(), 0);
}
