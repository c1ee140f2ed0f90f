// The program's two message boxes, restyled by the skin.
#ifndef KALVORIX_APP_WIN_MESSAGES_H
#define KALVORIX_APP_WIN_MESSAGES_H

#include <windows.h>

#include <string>

// "Ошибка" with the given icon flags.
void ShowError(HWND owner, std::string text, unsigned flags);

// "О программе" with the information icon.
void ShowAbout(HWND owner, std::string text);

#endif
