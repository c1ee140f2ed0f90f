// The "Арифметика" window, kept to what only the window can show: F3 and the
// system menu open it with the main window's precision, Enter computes a sum
// into its result field, a division by zero shows the skinned box, Escape
// closes it, and a hundred openings leave GDI objects and windows flat. The
// command and its solution are tested natively.
#include <string>

#include "driver.h"
#include "harness.h"
#include "suites.h"

namespace {

const char CLASS_NAME[] = "KalvorArithmetic";
const WPARAM ARITHMETIC_ITEM = 0x0020;
// The window's controls.
const int FIRST = 100, OPERATION = 102, SECOND = 103, RESULT_SYSTEM = 105, PRECISION = 106, RESULT = 108,
          SOLUTION = 109;
const int DIVISION_ITEM = 3, BINARY_ITEM = 0;

HWND WaitArithmetic(const Program& p)
{
    return WaitTopWindow(p.pid, CLASS_NAME);
}

void Press(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 0x00010001);
}

bool CloseByEscape(const Program& p, HWND window)
{
    Press(GetDlgItem(window, FIRST), VK_ESCAPE);
    return WaitFor([&] { return !IsWindow(window) && IsWindowEnabled(p.main); });
}

}  // namespace

void Arithmetic()
{
    Program p;
    SetTextOf(p.precision, "6");
    PostMessageA(p.main, WM_KEYDOWN, VK_F3, 0x003D0001);
    HWND window = WaitArithmetic(p);
    REQUIRE(window != nullptr);
    EXPECT_EQ(TextOf(window), std::string("Арифметика"));
    EXPECT(!IsWindowEnabled(p.main));
    EXPECT_EQ(TextOf(GetDlgItem(window, PRECISION)), std::string("6"));

    // 1011 + 111 in binary: the numbers typed, the systems chosen, Enter.
    SetTextOf(GetDlgItem(window, FIRST), "1011");
    SetTextOf(GetDlgItem(window, SECOND), "111");
    for (int list : {101, 104})
        SendMessageA(GetDlgItem(window, list), CB_SETCURSEL, BINARY_ITEM, 0);
    SendMessageA(GetDlgItem(window, RESULT_SYSTEM), CB_SETCURSEL, BINARY_ITEM, 0);
    Press(GetDlgItem(window, FIRST), VK_RETURN);
    EXPECT(WaitFor([&] { return TextOf(GetDlgItem(window, RESULT)) == "10010"; }));
    EXPECT(WaitFor([&] { return TextOf(GetDlgItem(window, SOLUTION)).find("10010") != std::string::npos; }));

    // A division by zero: the skinned box names it, the result stays.
    SetTextOf(GetDlgItem(window, SECOND), "0");
    SendMessageA(GetDlgItem(window, OPERATION), CB_SETCURSEL, DIVISION_ITEM, 0);
    Press(GetDlgItem(window, SECOND), VK_RETURN);
    Box box;
    if (EXPECT(WaitBox(p.pid, box))) {
        EXPECT_EQ(box.caption, std::string("Ошибка"));
        EXPECT_EQ(box.text, std::string("Операция невозможна:\n\nДеление на нуль!"));
        EXPECT_EQ(box.buttonText, std::string("Закрыть"));
        EXPECT(CloseBox(box));
    }
    EXPECT_EQ(TextOf(GetDlgItem(window, RESULT)), std::string("10010"));
    EXPECT(CloseByEscape(p, window));

    // The system menu's item opens it as well.
    PostMessageA(p.main, WM_SYSCOMMAND, ARITHMETIC_ITEM, 0);
    window = WaitArithmetic(p);
    REQUIRE(window != nullptr);
    EXPECT(CloseByEscape(p, window));

    ExpectOpeningsLeaveNothing(
        p, "arithmetic windows",
        [&] {
            PostMessageA(p.main, WM_KEYDOWN, VK_F3, 0x003D0001);
            return WaitArithmetic(p);
        },
        [&](HWND shown) { return CloseByEscape(p, shown); });
    REQUIRE(p.Responds());
    EXPECT_EQ(p.Close(), 0);
}
