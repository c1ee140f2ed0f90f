// The message boxes of the program, shown by the skin.
#include "messages.h"

#include "skin.h"

void ShowError(HWND owner, std::string text, unsigned flags)
{
    CBTMessageBox(owner, text.c_str(), "Ошибка", flags);
}

void ShowAbout(HWND owner, std::string text)
{
    CBTMessageBox(owner, text.c_str(), "О программе", MB_ICONINFORMATION);
}
