// One look for the classes of the main window and the "Решение" window.
#include "program_class.h"

bool RegisterProgramClass(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure, HBRUSH background)
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "A");
    wc.hIconSm = LoadIconA(instance, "A");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}
