// The window "Числа в памяти": F4 and the system menu open it, a code and a
// float are computed into their fields by Enter and by "Вычислить", a
// refused width shows the box, Escape closes it, and a hundred openings
// leave GDI objects and windows flat. What the fields and the solution say
// is the window-free form's, tested natively; here it is only compared.
#include <string>

#include "bits_form.h"
#include "driver.h"
#include "harness.h"
#include "suites.h"

namespace {

const char CLASS_NAME[] = "KalvorBits";
const WPARAM BITS_ITEM = 0x0030;
const int ID_NUMBER = 100, ID_SYSTEM = 101, ID_CHOICE = 102, ID_WIDTH = 103, ID_READ = 105, ID_COMPUTE = 106;
const int ID_SOLUTION = 107, ID_LABEL = 110, ID_FIELD = 120;

HWND WaitBits(const Program& p)
{
    return WaitTopWindow(p.pid, CLASS_NAME);
}

void PressF4(const Program& p)
{
    PostMessageA(p.main, WM_KEYDOWN, VK_F4, 0x003E0001);
}

bool CloseByEscape(const Program& p, HWND window)
{
    PostMessageA(GetDlgItem(window, ID_NUMBER), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    return WaitFor([&] { return !IsWindow(window) && IsWindowEnabled(p.main); });
}

void Choose(HWND window, int id, int item)
{
    HWND list = GetDlgItem(window, id);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The fields and the solution show what the form gives for request.
bool Shows(HWND window, const BitsRequest& request)
{
    const BitsAnswer answer = AnswerBits(request);
    if (!EXPECT(answer.done))
        return false;
    return WaitFor([&] {
        for (size_t row = 0; row < answer.fields.size(); ++row)
            if (TextOf(GetDlgItem(window, ID_LABEL + static_cast<int>(row))) != answer.fields[row].first + ":"
                || TextOf(GetDlgItem(window, ID_FIELD + static_cast<int>(row))) != answer.fields[row].second)
                return false;
        return TextOf(GetDlgItem(window, ID_SOLUTION)) == answer.solution;
    });
}

}  // namespace

void Bits()
{
    Program p;
    PressF4(p);
    HWND window = WaitBits(p);
    REQUIRE(window != nullptr);
    EXPECT_EQ(TextOf(window), std::string("Числа в памяти"));
    EXPECT(!IsWindowEnabled(p.main));
    EXPECT_EQ(p.Selected(GetDlgItem(window, ID_SYSTEM)), std::string("10"));
    EXPECT_EQ(p.Selected(GetDlgItem(window, ID_CHOICE)), std::string("Коды целого числа"));
    EXPECT_EQ(TextOf(GetDlgItem(window, ID_WIDTH)), std::string("8"));

    // A code, by Enter in the number's field.
    SetTextOf(GetDlgItem(window, ID_NUMBER), "-45");
    PostMessageA(GetDlgItem(window, ID_NUMBER), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    BitsRequest request;
    request.number = "-45";
    EXPECT(Shows(window, request));
    EXPECT_EQ(TextOf(GetDlgItem(window, ID_FIELD + 4)), std::string("1101 0011"));

    // A float, by "Вычислить": the width is not asked for.
    Choose(window, ID_CHOICE, 2);
    EXPECT(!IsWindowEnabled(GetDlgItem(window, ID_WIDTH)));
    SetTextOf(GetDlgItem(window, ID_NUMBER), "0.1");
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(ID_COMPUTE, BN_CLICKED), 0);
    request.number = "0.1";
    request.choice = 2;
    EXPECT(Shows(window, request));
    EXPECT_EQ(TextOf(GetDlgItem(window, ID_FIELD + 4)), std::string("3DCCCCCD"));

    // Bits read back, in hexadecimal.
    Choose(window, ID_SYSTEM, 14);
    SendMessageA(GetDlgItem(window, ID_READ), BM_CLICK, 0, 0);
    SetTextOf(GetDlgItem(window, ID_NUMBER), "7FC00000");
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(ID_COMPUTE, BN_CLICKED), 0);
    request.number = "7FC00000";
    request.system = 16;
    request.reading = true;
    EXPECT(Shows(window, request));

    // A refused width: the box, and the fields keep what they showed.
    Choose(window, ID_CHOICE, 0);
    EXPECT(IsWindowEnabled(GetDlgItem(window, ID_WIDTH)));
    SetTextOf(GetDlgItem(window, ID_WIDTH), "1");
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(ID_COMPUTE, BN_CLICKED), 0);
    Box box;
    if (EXPECT(WaitBox(p.pid, box))) {
        EXPECT_EQ(box.caption, std::string("Ошибка"));
        EXPECT_EQ(box.text, std::string("Неверно указана разрядность сетки:\n\nот 2 до 1024 разрядов."));
        EXPECT(CloseBox(box));
    }
    EXPECT(Shows(window, request));
    EXPECT(CloseByEscape(p, window));

    // The system menu opens it too.
    PostMessageA(p.main, WM_SYSCOMMAND, BITS_ITEM, 0);
    window = WaitBits(p);
    REQUIRE(window != nullptr);
    EXPECT(CloseByEscape(p, window));

    // A hundred openings: no GDI object or window stays behind.
    ExpectOpeningsLeaveNothing(p, "windows of numbers in memory", [&] { PressF4(p); return WaitBits(p); },
                               [&](HWND opened) { return CloseByEscape(p, opened); });
    REQUIRE(p.Responds());
    EXPECT_EQ(p.Close(), 0);
}
